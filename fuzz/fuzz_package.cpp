// Arbitrary package bytes through the whole open path: header, archive (plain or scrambled), configuration
// entry, picture decoding and loading every collection; a package that opens must save again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Resource/SkinDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CSkinDocument doc;
    // Budgets far below the defaults keep each run quick; the code paths that enforce them are the same.
    vd::PackageLimits limits;
    limits.totalBytes = 64u << 20;
    limits.pixelBytes = 64u << 20;
    doc.SetLimits(limits);
    if (doc.OpenFromMemory("seed.rss", "", data, size) != vd::OpenResult::Ok) return 0;
    std::string error;
    if (doc.BuildPackage("seed.rss", "", true, &error).empty() && error.empty()) std::abort();
    return 0;
}
