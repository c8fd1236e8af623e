#pragma once
// The budgets an open holds every package to, whoever made it: the number of entries, the inflated bytes
// of one entry and of all entries an open reads, and the decoded pixel memory of the pictures. Each is
// refused with a message naming it, never by running out of memory. The defaults are far above any real
// skin; tests lower them.

#include <cstdint>

#include "Helpers/EnBitmapBudget.h"
#include "Resource/ZipArchive.h"

namespace vd {

struct PackageLimits {
    uint64_t entryCount = kDefaultZipEntryCountLimit;
    uint64_t entryBytes = kDefaultZipEntryLimit;
    uint64_t totalBytes = kDefaultZipTotalLimit;
    uint64_t pixelBytes = kDefaultSkinPixelBytes;
};

}  // namespace vd
