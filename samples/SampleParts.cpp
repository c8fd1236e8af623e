#include "SampleParts.h"

namespace amber {

SkinImageBase Slice(const char* picture, const QRect& r, int left, int top, int right, int bottom) {
    SkinImageBase image;
    image.name = picture;
    image.left = r.left();
    image.top = r.top();
    image.right = r.right() + 1;
    image.bottom = r.bottom() + 1;
    image.leftWidth = left;
    image.topHeight = top;
    image.rightWidth = right;
    image.bottomHeight = bottom;
    image.leftMode = image.rightMode = image.topMode = image.bottomMode = image.centerMode = 1;
    return image;
}

SkinTextStyle Text(Color colour, int horz, int leftOffset) {
    SkinTextStyle style;
    style.horzAlign = horz;
    style.vertAlign = 1;
    style.textColor = colour;
    style.shadowColor = Color(150, 74, 4);
    style.shadowHSpace = 1;
    style.shadowVSpace = 1;
    style.leftOffset = leftOffset;
    return style;
}

SkinTextStyle Shadowed(SkinTextStyle style) {
    style.effect = 1;
    return style;
}

LogFont Font(int height, int weight) {
    LogFont font;
    font.height = height;
    font.weight = weight;
    return font;
}

}  // namespace amber
