// Feeds arbitrary bytes to the package reading path: header check, archive open (plain, then
// unscrambled), every entry extracted under a small limit, the configuration entry decoded.

#include "Resource/PackageFormat.h"
#include "Resource/ZipArchive.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

void ReadArchive(const uint8_t* data, size_t size) {
    vd::ZipReader reader;
    if (!reader.Open(data, size)) return;
    reader.SetEntryLimit(1 << 20);
    std::vector<uint8_t> out;
    for (int i = 0; i < reader.EntryCount(); ++i) {
        if (reader.Extract(i, out) != vd::ZipExtractStatus::Ok) continue;
        if (out.size() != reader.Entry(i)->size) __builtin_trap();
        vd::DecodeConfigEntry(out);
    }
    if (reader.EntryCount() > 0) {
        std::string name = reader.Entry(reader.EntryCount() - 1)->name;
        for (char& c : name)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (reader.FindEntry(name) < 0) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vd::CheckHeader(data, size, "");
    vd::CheckHeader(data, size, "abc");
    ReadArchive(data, size);
    std::vector<uint8_t> unscrambled(data, data + size);
    vd::ScrambleContainer(unscrambled);
    ReadArchive(unscrambled.data(), unscrambled.size());
    return 0;
}
