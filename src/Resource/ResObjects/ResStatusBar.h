#pragma once
// Status bars: background, pane images, a text style for every pane and per-pane text styles.

#include <map>

#include "Resource/ResourceBase.h"

struct SkinStatusBar : SkinResStruct {
    int previewWidth = 600;
    int previewHeight = 25;
    SkinImageBase background;
    SkinImageBase itemImage;
    SkinImageBase lastItemImage;
    SkinTextStyle itemTextStyle;
    LogFont font;
    std::map<int, SkinTextStyle> paneStyles;  // by pane ID
    SkinImageBase gripper;                    // "ScrollImage": the size grip at the right end
    friend bool operator==(const SkinStatusBar&, const SkinStatusBar&) = default;
};

class CResStatusBar : public CResTyped<SkinStatusBar> {
public:
    explicit CResStatusBar(CSkinDocument& doc);
    static const RecordSchema<SkinStatusBar>& Table();
};
