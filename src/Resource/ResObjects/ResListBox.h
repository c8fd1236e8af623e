#pragma once
// List boxes: item height, backgrounds, item image layout, selection colour and the two item text styles.

#include "Resource/ResourceBase.h"

struct SkinListBox : SkinResStruct {
    int previewWidth = 200;
    int previewHeight = 250;
    int itemHeight = 20;
    SkinImageBase background;
    SkinImageBase selectedBackground;  // "BkSelected"
    int transparent = 0;
    int type = 0;                      // image 0 left, 1 top, 2 right of the text
    int itemImageHeight = 70;
    int itemImageWidth = 90;
    Color selection;
    SkinTextStyle textNormal;
    SkinTextStyle textSelected;
    LogFont font;
    friend bool operator==(const SkinListBox&, const SkinListBox&) = default;
};

class CResListBox : public CResTyped<SkinListBox> {
public:
    explicit CResListBox(CSkinDocument& doc);
    static const RecordSchema<SkinListBox>& Table();
};
