#pragma once
// Dialogs: a background image or fill and the dialog text font.

#include "Resource/ResourceBase.h"

struct SkinDialog : SkinResStruct {
    int previewWidth = 300;
    int previewHeight = 250;
    SkinImageBase background;  // "BkImg"
    Color start, end;
    int drawType = 0;
    int step = 5;
    LogFont font;
    friend bool operator==(const SkinDialog&, const SkinDialog&) = default;
};

class CResDialog : public CResTyped<SkinDialog> {
public:
    explicit CResDialog(CSkinDocument& doc);
    static const RecordSchema<SkinDialog>& Table();
};
