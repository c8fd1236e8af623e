#pragma once
// Trackbars: channels, six thumb shapes in five states and the track and thumb sizes.

#include <array>

#include "Resource/ResourceBase.h"

struct SkinTrackbar : SkinResStruct {
    int previewWidth = 500;
    int previewHeight = 500;
    std::array<SkinImageBase, 2> horzChannel;  // normal, disabled
    std::array<SkinImageBase, 2> vertChannel;
    SkinStateImageSet<5> thumbHorz, thumbVert, thumbUp, thumbDown, thumbLeft, thumbRight;
    int custom = 0;
    int hTrackHeight = -1;
    int hThumbHeight = -1;
    int hThumbLength = -1;
    int vTrackWidth = -1;
    int vThumbWidth = -1;
    int vThumbLength = -1;
    int showFocus = 0;
    friend bool operator==(const SkinTrackbar&, const SkinTrackbar&) = default;
};

class CResTrackBar : public CResTyped<SkinTrackbar> {
public:
    explicit CResTrackBar(CSkinDocument& doc);
    static const RecordSchema<SkinTrackbar>& Table();
};
