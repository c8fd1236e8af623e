#pragma once
// Progress bars, drawn from images or from colour gradients, with an optional percentage text.

#include "Resource/ResourceBase.h"

struct SkinProgressBar : SkinResStruct {
    int previewWidth = 500;
    int previewHeight = 300;
    SkinImageBase background;      // "ImgBk"
    SkinImageBase foreground;      // "ImgFg"
    SkinImageBase foregroundSmooth;
    Color bkStart, bkEnd;
    int bkDrawType = 0;            // 0 horizontal gradient, 1 vertical gradient, 2 recursive
    int bkStep = 5;
    Color fgStart, fgEnd;
    int fgDrawType = 0;
    int fgStep = 5;
    Color highlight3d, shadow3d;
    std::string textFormat = "%.0f%%";  // 256 bytes; printf pattern for the position in percent
    int showText = 0;
    Color textNormal, textOver;
    SkinTextStyle barTextStyle;
    LogFont font;
    int r = 0;
    int effect = 0;
    int drawType = 0;              // 0 image blocks, 1 smooth image, 2 colour
    friend bool operator==(const SkinProgressBar&, const SkinProgressBar&) = default;
};

class CResProgressBar : public CResTyped<SkinProgressBar> {
public:
    explicit CResProgressBar(CSkinDocument& doc);
    static const RecordSchema<SkinProgressBar>& Table();
};
