#pragma once
// Pixel work behind the blits and the nine-part drawing: copying, tiling and stretching a picture part into
// 32-bit pixels, either straight into the painter's image or into a scratch image painted afterwards.

#include <QImage>
#include <QPainter>
#include <QRect>

#include <cstdint>

#include "Helpers/SkinBase.h"

namespace vd::raster {

enum class Blend {
    Copy,   // the source pixel replaces the destination
    Alpha,  // the picture-object blend: 255 replaces, 0 leaves, else d * (255 - a) / 256 + s * a / 256
};

// 32-bit premultiplied pixels that may be written within bounds.
struct Surface {
    uchar* bits = nullptr;
    qsizetype bytesPerLine = 0;
    QRect bounds;
    uint32_t alphaMask = 0;  // 0xFF000000 on RGB32 images, whose pixels must stay opaque

    uint32_t* Row(int y) const { return reinterpret_cast<uint32_t*>(bits + y * bytesPerLine); }
};

// The painter's own image and the offset from logical to image coordinates, when the painter's state lets
// pixels be written directly.
struct DirectTarget {
    Surface surface;
    QPoint offset;
};
std::optional<DirectTarget> Direct(QPainter& painter);

// A surface over a whole ARGB32 premultiplied image.
Surface SurfaceOf(QImage& image);

// The picture as 32-bit pixels: ARGB32 premultiplied, RGB32 and straight ARGB32 are used as they are, other
// formats converted to premultiplied into holder.
const QImage& Normalized(const QImage& picture, QImage& holder);

// Composes the source rectangle of picture into dst (surface coordinates; both sizes positive) by mode,
// skipping source pixels outside the picture and, with a key, results of the key colour.
void ComposePart(const Surface& surface, const QRect& dst, const QImage& picture, const QRect& src, PartMode mode,
                 Blend blend, const ColorKey& key);

// Copies composed (whose top-left lands at `at`) into the surface except pixels of the key colour.
void CopyKeyed(const Surface& surface, const QImage& composed, QPoint at, Color key);

// The key colour as 0xRRGGBB, the layout of a QRgb without its alpha.
inline uint32_t KeyRgb(Color key) { return (uint32_t(key.r) << 16) | (uint32_t(key.g) << 8) | key.b; }

// Whether a premultiplied pixel shows the key colour. Inline: it is asked once per composed pixel.
inline bool MatchesKey(uint32_t pixel, uint32_t keyRgb) {
    const uint32_t rgb = qAlpha(pixel) == 255 ? pixel : qUnpremultiply(pixel);
    return (rgb & 0xFFFFFFu) == keyRgb;
}

// The part of dst (logical coordinates) that can reach the device through the painter's clip.
QRect VisiblePart(QPainter& painter, const QRect& dst);

// Runs draw(surface, dst in surface coordinates) on the painter's image when possible, else on a
// transparent scratch image covering the visible part of dst, which is then painted there.
template <class Draw>
void WithSurface(QPainter& painter, const QRect& dst, Draw&& draw) {
    if (auto direct = Direct(painter)) {
        draw(direct->surface, dst.translated(direct->offset));
        return;
    }
    const QRect area = VisiblePart(painter, dst);
    if (area.isEmpty())
        return;
    QImage scratch(area.size(), QImage::Format_ARGB32_Premultiplied);
    if (scratch.isNull())
        return;
    scratch.fill(Qt::transparent);
    draw(SurfaceOf(scratch), dst.translated(-area.topLeft()));
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(area.topLeft(), scratch);
    painter.restore();
}

}  // namespace vd::raster
