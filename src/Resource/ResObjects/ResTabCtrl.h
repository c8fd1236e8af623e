#pragma once
// Tab controls: for each orientation (top, bottom, left, right) the tab item in five states, backgrounds
// and per-state offsets; then the caption font.

#include <array>

#include "Resource/ResourceBase.h"

struct SkinTabSide {
    SkinStateImages<5> items;
    SkinImageBase backgroundNormal;
    SkinImageBase backgroundDisabled;
    std::array<int, 5> hOffsets{};
    std::array<int, 5> vOffsets{};
    friend bool operator==(const SkinTabSide&, const SkinTabSide&) = default;
};

struct SkinTabCtrl : SkinResStruct {
    int previewWidth = 600;
    int previewHeight = 600;
    std::array<SkinTabSide, 4> sides;  // top, bottom, left, right
    LogFont font;
    int showText = 1;
    friend bool operator==(const SkinTabCtrl&, const SkinTabCtrl&) = default;
};

class CResTabCtrl : public CResTyped<SkinTabCtrl> {
public:
    explicit CResTabCtrl(CSkinDocument& doc);
    static const RecordSchema<SkinTabCtrl>& Table();
};
