#pragma once
// Scroll bars: track, thumb body and grip, arrow buttons with their glyphs, dead corner and border, each in
// four states (0 normal, 1 pressed, 2 disabled, 3 hot), plus thicknesses and arrow-button lengths.

#include <array>

#include "Resource/ResourceBase.h"

struct SkinScrollBar : SkinResStruct {
    using States = std::array<SkinImageBase, 4>;
    int previewWidth = 500;
    int previewHeight = 300;
    States hBk, vBk, hBar, vBar, hThumb, vThumb;
    States leftBtn, leftArrow, rightBtn, rightArrow, upBtn, upArrow, downBtn, downArrow;
    std::array<SkinImageBase, 2> deadCorner;  // normal, disabled
    SkinImageBase border;
    int hHeight = 17;
    int vWidth = 17;
    int hBtnWidth = 17;
    int vBtnHeight = 17;
    friend bool operator==(const SkinScrollBar&, const SkinScrollBar&) = default;
};

class CResScrollBar : public CResTyped<SkinScrollBar> {
public:
    explicit CResScrollBar(CSkinDocument& doc);
    static const RecordSchema<SkinScrollBar>& Table();
};
