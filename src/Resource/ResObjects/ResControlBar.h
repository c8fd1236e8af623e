#pragma once
// Control bars (docking bars) and rebars: a background image or fill, and a 3-D border; rebars add a
// gripper drawn at the start of each band.

#include "Resource/ResourceBase.h"

// Background drawing kinds of control bars, rebars and dialogs.
enum BackgroundDrawType { kGradientHorz = 0, kGradientVert = 1, kRecursive = 2, kFastness = 3 };

struct SkinControlBar : SkinResStruct {
    int previewWidth = 300;
    int previewHeight = 50;
    SkinImageBase background;  // "BkImg"
    Color start, end;
    int drawType = kGradientHorz;
    int step = 5;
    Color highlight, shadow;
    friend bool operator==(const SkinControlBar&, const SkinControlBar&) = default;
};

struct SkinReBar : SkinControlBar {
    SkinImageBase gripper;
    friend bool operator==(const SkinReBar&, const SkinReBar&) = default;
};

class CResControlBar : public CResTyped<SkinControlBar> {
public:
    explicit CResControlBar(CSkinDocument& doc);
    static const RecordSchema<SkinControlBar>& Table();
};

class CResReBar : public CResTyped<SkinReBar> {
public:
    explicit CResReBar(CSkinDocument& doc);
    static const RecordSchema<SkinReBar>& Table();
};
