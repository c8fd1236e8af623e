#pragma once
// Pixel-exact drawing helpers shared by the sample skin's pictures: hard-edged rounded panels, text-drawn
// glyphs and a colour-keyed canvas. Nothing is anti-aliased, because skins cut the key colour out and soft
// edges against it would leave pink fringes.

#include <QColor>
#include <QImage>
#include <QRect>

#include <initializer_list>

namespace amber {

// The colour skins cut out.
inline constexpr QRgb kKey = 0xFFFF00FFu;

QColor Mix(const QColor& a, const QColor& b, double t);
// A canvas filled with the key colour.
QImage KeyedImage(int width, int height);
void Put(QImage& image, int x, int y, const QColor& colour);
// Fills the rectangle with one colour.
void FillRect(QImage& image, const QRect& r, const QColor& colour);

enum Corners { kTopLeft = 1, kTopRight = 2, kBottomLeft = 4, kBottomRight = 8, kTop = 3, kLeftSide = 5,
               kRightSide = 10, kBottom = 12, kAll = 15 };
enum PixelClass { kOutside, kEdge, kInside };

// Where a pixel lies against a rounded rectangle: a one-pixel outline, measured from the pixel centre.
PixelClass Classify(const QRect& r, int radius, int corners, int px, int py);

struct PanelStyle {
    PanelStyle() = default;
    PanelStyle(QColor b, QColor t, QColor bo, QColor h = {}, int r = 4, int c = kAll, QColor ring = {})
        : border(b), top(t), bottom(bo), highlight(h), radius(r), corners(c), innerRing(ring) {}
    QColor border;
    QColor top;
    QColor bottom;
    QColor highlight;        // invalid: none
    int radius = 4;
    int corners = kAll;
    QColor innerRing;        // invalid: none; a second outline just inside the first (default buttons)
};

// A rounded panel: one-pixel outline, vertical gradient and a highlight just inside the outline that fades
// out towards the middle, like light falling from above.
void Panel(QImage& image, const QRect& r, const PanelStyle& s);

// Pixels of a glyph, given as rows of text ('#' set) and placed with their top-left corner at (x, y).
void Glyph(QImage& image, int x, int y, std::initializer_list<const char*> rows, const QColor& colour);

// The image mirrored about its main diagonal: a horizontal part drawn once serves the vertical one too.
QImage Transposed(const QImage& image);

}  // namespace amber
