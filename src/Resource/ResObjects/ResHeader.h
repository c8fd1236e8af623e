#pragma once
// Header controls: bar background, item faces and caption styles per state, sort arrows and optional
// per-item images.

#include <array>
#include <map>

#include "Resource/ResourceBase.h"

// The key of the per-item images.
inline constexpr const char* kHeaderItemImagesKey = "ItemImages";

struct SkinHeader : SkinResStruct {
    int previewWidth = 500;
    int previewHeight = 100;
    SkinImageBase background;                  // "BkImage"
    std::array<SkinImageBase, 4> itemImages;   // normal, pressed, disabled, highlighted
    std::array<SkinTextStyle, 4> itemStyles;
    LogFont font;
    std::array<SkinImageBase, 4> upArrows;
    std::array<SkinImageBase, 4> downArrows;
    std::map<int, SkinImageBase> itemImageMap;  // by header item ID
    friend bool operator==(const SkinHeader&, const SkinHeader&) = default;
};

class CResHeader : public CResTyped<SkinHeader> {
public:
    explicit CResHeader(CSkinDocument& doc);
    static const RecordSchema<SkinHeader>& Table();
};
