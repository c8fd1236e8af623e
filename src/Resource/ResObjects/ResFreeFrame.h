#pragma once
// Free-form (shaped) frames: the whole window is one background image whose key colour is cut away.

#include "Resource/ResourceBase.h"

struct SkinFreeFrame : SkinResStruct {
    int previewWidth = 200;
    int previewHeight = 200;
    SkinImageBase activeBk, inactiveBk;
    Color transparentKey{255, 0, 255};
    int transparency = 255;
    friend bool operator==(const SkinFreeFrame&, const SkinFreeFrame&) = default;
};

class CResFreeFrame : public CResTyped<SkinFreeFrame> {
public:
    explicit CResFreeFrame(CSkinDocument& doc);
    static const RecordSchema<SkinFreeFrame>& Table();
};
