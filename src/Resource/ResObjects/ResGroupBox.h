#pragma once
// Group boxes: frame image, caption box image and caption style, normal and disabled; caption font.

#include <array>

#include "Resource/ResourceBase.h"

struct SkinGroupBox : SkinResStruct {
    int previewWidth = 500;
    int previewHeight = 150;
    std::array<SkinImageBase, 2> group;  // normal, disabled
    std::array<SkinImageBase, 2> box;
    std::array<SkinTextStyle, 2> textStyles;
    LogFont font;
    friend bool operator==(const SkinGroupBox&, const SkinGroupBox&) = default;
};

class CResGroupBox : public CResTyped<SkinGroupBox> {
public:
    explicit CResGroupBox(CSkinDocument& doc);
    static const RecordSchema<SkinGroupBox>& Table();
};
