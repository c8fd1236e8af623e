// Arbitrary package bytes through the whole open path: header, archive (plain or scrambled), configuration
// entry, picture decoding and loading every collection; a package that opens must save again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Resource/SkinDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CSkinDocument doc;
    if (doc.OpenFromMemory("seed.rss", "", data, size) != vd::OpenResult::Ok) return 0;
    std::string error;
    if (doc.BuildPackage("seed.rss", "", true, &error).empty() && error.empty()) std::abort();
    return 0;
}
