#pragma once
// Spin (up-down) controls: four arrow buttons and their glyphs, four states each.

#include "Resource/ResourceBase.h"

struct SkinSpin : SkinResStruct {
    int previewWidth = 400;
    int previewHeight = 200;
    SkinStateImageSet<4> leftBtn, leftArrow, rightBtn, rightArrow, upBtn, upArrow, downBtn, downArrow;
    friend bool operator==(const SkinSpin&, const SkinSpin&) = default;
};

class CResSpin : public CResTyped<SkinSpin> {
public:
    explicit CResSpin(CSkinDocument& doc);
    static const RecordSchema<SkinSpin>& Table();
};
