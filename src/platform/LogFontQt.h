#pragma once
// LOGFONTA -> QFont. A negative height is the character (em) height in pixels, a positive one the cell
// height (ascent + descent), 0 the document default of 12 pixels. Windows face names map to the metric-
// compatible Liberation faces. QFont has no rotation, so the escapement is read separately.

#include <QFont>
#include <QStringList>

#include <string>

#include "Resource/Types.h"

namespace vd {

QFont ToQFont(const LogFont& font);

// The families a face is drawn with, in order: the face itself, then the installed face that stands in for
// a Windows one ("Arial" -> "Liberation Sans"). Empty for a blank face.
QStringList FaceFamilies(const std::string& faceName);

// The escapement in degrees, counter-clockwise.
inline double EscapementDegrees(const LogFont& font) { return font.escapement / 10.0; }

// LOGFONT quality values that decide anti-aliasing.
inline constexpr uint8_t NONANTIALIASED_QUALITY = 3;
inline constexpr uint8_t ANTIALIASED_QUALITY = 4;
inline constexpr uint8_t CLEARTYPE_QUALITY = 5;

}  // namespace vd
