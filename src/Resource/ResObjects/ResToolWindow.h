#pragma once
// Tool windows (mini frames): borders in active and inactive form, border widths, background and caption
// text; no menu bar and no minimised form.

#include "Resource/ResourceBase.h"

struct SkinToolWindow : SkinResStruct {
    int previewWidth = 300;
    int previewHeight = 200;
    SkinImageBase activeLeft, inactiveLeft, activeRight, inactiveRight;
    SkinImageBase activeTop, inactiveTop, activeBottom, inactiveBottom;
    int leftMargin = 5;
    int rightMargin = 5;
    int topMargin = 20;
    int bottomMargin = 5;
    Color background;
    SkinImageBase backgroundImage;
    LogFont captionFont;
    SkinTextStyle captionActive, captionInactive;
    friend bool operator==(const SkinToolWindow&, const SkinToolWindow&) = default;
};

class CResToolWindow : public CResTyped<SkinToolWindow> {
public:
    explicit CResToolWindow(CSkinDocument& doc);
    static const RecordSchema<SkinToolWindow>& Table();
};
