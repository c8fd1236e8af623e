#pragma once
// Static controls: background image or colour and text style, normal and disabled; font; a placement on
// the owning frame.

#include <array>
#include <functional>

#include "Resource/ResourceBase.h"

struct SkinStatic : SkinResStruct {
    int previewWidth = 300;
    int previewHeight = 250;
    int transparent = 1;
    std::array<SkinImageBase, 2> backgrounds;  // normal, disabled
    std::array<Color, 2> backgroundColors;
    std::array<SkinTextStyle, 2> textStyles;
    LogFont font;
    SkinPlacement placement;
    int ownerFrameId = 0;
    friend bool operator==(const SkinStatic&, const SkinStatic&) = default;
};

class CResStatic : public CResTyped<SkinStatic> {
public:
    explicit CResStatic(CSkinDocument& doc);
    static const RecordSchema<SkinStatic>& Table();

    void ForEachOwnedBy(int frameId, const std::function<void(int, SkinStatic&)>& visit) const;
    // Where the live sample control for a static sits inside a parent of the given size: the placement
    // against a reference of left 0, top 100, width 0, height 0.
    static Rect SampleRect(const SkinStatic& item, int parentWidth, int parentHeight);
};

// The control identifier of a live sample control: ResID as a number, 0 when it is not one.
int SampleControlId(const SkinResStruct& item);
