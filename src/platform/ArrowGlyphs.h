#pragma once
// Solid arrow triangles: the glyphs of scroll and combo buttons, and the Marlett symbol-font arrows
// ("6" down, "8" the sub-menu arrow) that drawing code uses when a skin gives no arrow picture.

#include <QColor>
#include <QPainter>
#include <QRect>

#include <cstdint>

namespace vd {

enum class ArrowDirection { Up, Down, Left, Right };

// A triangle whose base is `base` pixels (made odd) and whose height is (base + 1) / 2, pointing in
// direction, centred in area with integer halves. Returns the triangle's bounding box.
QRect DrawArrowTriangle(QPainter& painter, const QRect& area, ArrowDirection direction, int base,
                        const QColor& color);

// The Marlett glyph size for a font of emPixels: a square cell of that size holding a triangle with a base
// of 7/12 of it, as the symbol font draws its arrows.
int MarlettArrowBase(int emPixels);

// Pixels of a point size given in tenths on a device with this many dots per inch.
int PointTenthsToPixels(int pointTenths, int dotsPerInch);

// Draws the Marlett arrow glyph ('3' left, '4' right, '5' up, '6' down, '8' sub-menu arrow) placed in rect
// like a single line of text with these DT_ flags (DT_CENTER/DT_RIGHT, DT_VCENTER/DT_BOTTOM). Returns false
// for any other glyph. The triangle's bounding box goes to drawn when given.
bool DrawMarlettArrow(QPainter& painter, const QRect& rect, char glyph, int emPixels, const QColor& color,
                      uint32_t dtFlags, QRect* drawn = nullptr);

}  // namespace vd
