#pragma once
// Combo boxes: frame (normal, disabled), drop-down button faces and arrows per state.

#include <array>

#include "Resource/ResourceBase.h"

struct SkinComboBox : SkinResStruct {
    int previewWidth = 500;
    int previewHeight = 100;
    std::array<SkinImageBase, 2> edges;    // normal, disabled
    std::array<SkinImageBase, 4> buttons;  // normal, pressed, disabled, highlighted
    std::array<SkinImageBase, 4> arrows;
    friend bool operator==(const SkinComboBox&, const SkinComboBox&) = default;
};

class CResComboBox : public CResTyped<SkinComboBox> {
public:
    explicit CResComboBox(CSkinDocument& doc);
    static const RecordSchema<SkinComboBox>& Table();
};

// Date-time pickers share the combo box's fields under other keys and preview-size key defaults.
struct SkinDatetime : SkinComboBox {
    SkinDatetime() { previewWidth = 500; previewHeight = 100; }
    friend bool operator==(const SkinDatetime&, const SkinDatetime&) = default;
};

class CResDatetime : public CResTyped<SkinDatetime> {
public:
    explicit CResDatetime(CSkinDocument& doc);
    static const RecordSchema<SkinDatetime>& Table();
};
