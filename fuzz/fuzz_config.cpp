// Arbitrary configuration texts: parsing, loading every collection and saving must never crash, and what
// a save writes must load back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Resource/SkinDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CSkinDocument doc;
    doc.Cfg().Parse(reinterpret_cast<const char*>(data), size);
    doc.LoadAll();
    const std::string once = doc.SaveConfigText();
    CSkinDocument again;
    again.Cfg().Parse(once);
    again.LoadAll();
    if (again.SaveConfigText() != once) std::abort();
    return 0;
}
