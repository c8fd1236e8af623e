#pragma once
// Building blocks of the sample skin's records: sliced picture references, the sample's text styles and
// fonts, and its ink colour.

#include <QRect>

#include "Resource/SkinRecords.h"

namespace amber {

// The dark brown the sample writes its texts in.
inline constexpr Color kInk{74, 38, 4};

// A sliced picture reference: the source rectangle and its corner sizes; edges and centre stretch.
SkinImageBase Slice(const char* picture, const QRect& r, int left = 0, int top = 0, int right = 0, int bottom = 0);
// The same rectangle sliced alike on all four sides.
inline SkinImageBase SliceEven(const char* picture, const QRect& r, int margin) {
    return Slice(picture, r, margin, margin, margin, margin);
}
// A text style in `colour`, vertically centred, with the sample's warm one-pixel shadow offsets.
SkinTextStyle Text(Color colour, int horz = 1, int leftOffset = 0);
// The style with its shadow switched on.
SkinTextStyle Shadowed(SkinTextStyle style);
LogFont Font(int height, int weight = 400);

}  // namespace amber
