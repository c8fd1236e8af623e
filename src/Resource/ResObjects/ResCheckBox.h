#pragma once
// Check boxes and radio boxes: marks with caption styles in four states, caption font and flags.

#include "Resource/ResourceBase.h"

struct SkinCheckBox : SkinResStruct {
    int previewWidth = 500;
    int previewHeight = 400;
    SkinStateImages<4> unchecked;  // "UnCheckImg"
    SkinStateImages<4> checked;    // "CheckImg"
    SkinStateImages<4> halfChecked;
    int showText = 1;
    int autoSize = 1;
    int showFocus = 0;
    LogFont font;
    friend bool operator==(const SkinCheckBox&, const SkinCheckBox&) = default;
};

struct SkinRadioBox : SkinResStruct {
    int previewWidth = 500;
    int previewHeight = 200;
    SkinStateImages<4> unchecked;
    SkinStateImages<4> checked;
    int showText = 1;
    int autoSize = 1;
    int showFocus = 0;
    LogFont font;
    friend bool operator==(const SkinRadioBox&, const SkinRadioBox&) = default;
};

class CResCheckBox : public CResTyped<SkinCheckBox> {
public:
    explicit CResCheckBox(CSkinDocument& doc);
    static const RecordSchema<SkinCheckBox>& Table();
};

class CResRadioBox : public CResTyped<SkinRadioBox> {
public:
    explicit CResRadioBox(CSkinDocument& doc);
    static const RecordSchema<SkinRadioBox>& Table();
};
