#pragma once
// The drawing primitives of the skin previews: sliced pictures, colour-keyed, stretched and tiled blits,
// gradients, the stepped fill, styled and rotated text, raised and disabled icons. They draw through a
// QPainter on a QImage the way the skinning engine draws with GDI, so a preview shows what a skinned window
// will show.
//
// Pictures are 32-bit images: ARGB32 premultiplied, RGB32, or straight ARGB32 (the image objects' BGRA
// pixels as they are, which keeps the alpha blend exact); other formats are converted per call.
// Scaling is nearest neighbour: destination pixel i of n samples source pixel ((2i + 1) * m) / (2n) of m.
// Source pixels outside the picture are never read; the destination keeps its pixels there.
// When the painter draws straight onto a 32-bit image (no scaling or rotation, a rectangular clip, full
// opacity) the pixels are written in place; otherwise the result is composed off screen and painted
// through the painter.

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

#include "Resource/SkinRecords.h"
#include "Resource/SystemEnvironment.h"
#include "Resource/Types.h"

namespace vd {

// A transparent colour; empty means that nothing is transparent (the COLORREF -1).
using ColorKey = std::optional<Color>;
// -1, and any value that is no RGB COLORREF, means "no transparent colour".
ColorKey ColorKeyFromColorRef(int64_t colorRef);

// Pictures decoded from BMP files are copied; all other kinds are blended by their alpha.
inline constexpr int kBmpImageKind = 0;

// --- blits ---

// Copies the source rectangle to the destination rectangle, stretching when the sizes differ, leaving the
// destination where the source has the key colour. Nothing when any size is below 1. True when drawn.
bool DrawTransparent(QPainter& painter, int x, int y, int width, int height, const QImage& source, int srcX,
                     int srcY, int srcWidth, int srcHeight, const ColorKey& key);

// A plain copy with the composition mode (BitBlt's raster operation) without key; with key DrawTransparent
// at equal size.
void BlitOrTransparent(QPainter& painter, int x, int y, int width, int height, const QImage& source, int srcX,
                       int srcY, QPainter::CompositionMode rop, const ColorKey& key);

// Equal sizes: BlitOrTransparent; else a nearest-neighbour stretch, keyed when a key is given.
void StretchOrCopy(QPainter& painter, const QRect& dst, const QImage& source, const QRect& src,
                   QPainter::CompositionMode rop, const ColorKey& key);

// Fills dst with copies of the source rectangle, the first copy at dst's top-left corner.
void TileBlt(QPainter& painter, const QImage& source, const QRect& dst, const QRect& src);

// --- sliced pictures ---

enum class PartMode { Copy, Tile, Stretch };

// One of the nine parts, relative to the destination's top-left corner. Rectangles may be empty or
// inverted (right < left); such parts draw nothing.
struct SlicePart {
    Rect dst;
    Rect src;
    PartMode mode;
};

// The nine parts in drawing order: four corners, top, left, right and bottom edges, centre. Negative
// slice sizes count as 0; values beyond 2^24 are cut to it.
std::array<SlicePart, 9> NinePartLayout(const SkinImageBase& image, int width, int height);

// Draws the record's rectangle of picture in nine parts into dst, over what dst holds. kind is the
// picture's image kind: a BMP picture is copied and keyed only when useTransparency is set; other kinds are
// blended by alpha (a = 255 replaces, 0 leaves, else d * (255 - a) / 256 + s * a / 256 per channel) and
// always keyed by key. Keying happens on the composed result, so where parts overlap the last one decides.
// Returns false (drawing nothing) for a null picture or an empty destination.
bool DrawSkinImage(QPainter& painter, const QRect& dst, const SkinImageBase& image, const QImage& picture,
                   int kind, const ColorKey& key, bool useTransparency);

// --- fills ---

// Per channel t * first + (1 - t) * second in float, truncated and cut to 0..255.
Color BlendColor(Color first, Color second, float t);

// A solid fill for equal colours, else one-pixel lines from first to second: column x (row y) takes
// BlendColor(first, second, (right - x) / width), so the first line is the first colour.
void FillGradient(QPainter& painter, const QRect& rect, Color first, Color second, bool horizontal);

// The stepped ("Recursive") fill: the rectangle in colour, then nested rectangles one pixel smaller per
// side (both axes the first time when both is set, then horizontally or vertically), the first raised by
// step per channel, each further one by 10 in every channel still at most 245.
void FillStepped(QPainter& painter, const QRect& rect, Color color, bool both, bool horizontal, int step);

// --- text ---

// DrawText format bits (the DT_ values of platform/DrawText.h) for a text style's alignments.
uint32_t TextFormatFlags(int horizontal, int vertical);

// Draws text in the font and style inside rect less the style's insets, shadow first. With outRect the
// text is measured too: outRect receives the measured size placed in the inset rectangle as the alignment
// says, and the text is drawn only when draw is true.
void DrawStyledText(QPainter& painter, const QString& text, const QRect& rect, const LogFont& font,
                    const SkinTextStyle& style, QRect* outRect = nullptr, bool draw = true);

// A menu command's text: the part before the first tab is drawn like DrawStyledText; the part after it
// (the shortcut, "Ctrl+N") in the same font, colour and shadow, as one line flush right against the
// style's right inset and placed vertically as the style says. A text without a tab is plain styled text.
void DrawMenuItemText(QPainter& painter, const QString& text, const QRect& rect, const LogFont& font,
                      const SkinTextStyle& style);

// Where DrawRotatedText puts the bottom-centre of a cx x cy text turned by degrees inside rect.
QPoint RotatedTextOrigin(const QRect& rect, const SkinTextStyle& style, int cx, int cy, double degrees);

// Draws text turned by the font's escapement, aligned by its rotated extent.
void DrawRotatedText(QPainter& painter, const QString& text, const QRect& rect, const LogFont& font,
                     const SkinTextStyle& style);

// --- icons ---

// The shadow colour under a raised icon: red and green * 7 / 10, (blue + 55) * 7 / 10, rounded.
Color RaisedIconShadowColor(Color buttonFace);

// Draws the icon's silhouette in the shadow colour at rect's corner + (1, 1), then the icon at - (1, 1),
// both stretched to rect's size.
void DrawRaisedIcon(QPainter& painter, const QImage& icon, const QRect& rect,
                    const SystemEnvironment& env = SystemEnvironment::Default());

// The disabled (embossed) look of an icon: its silhouette (the pixels at least half opaque whose grey level
// qGray is below 192; light pixels are ground) in the button highlight colour at rect's corner + (1, 1), then
// in the button shadow colour at the corner, both stretched to rect's size. The icon's own colours are not
// drawn.
void DrawDisabledIcon(QPainter& painter, const QImage& icon, const QRect& rect,
                      const SystemEnvironment& env = SystemEnvironment::Default());

}  // namespace vd
