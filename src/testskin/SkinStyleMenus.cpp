#include "testskin/PopupMenuStylePart.h"
#include "testskin/SkinStylePart.h"

SkinStyleParts MakeMenuParts(const CSkinStyle& style) {
    SkinStyleParts parts;
    parts.push_back(std::make_unique<CPopupMenuStylePart>(style));
    return parts;
}
