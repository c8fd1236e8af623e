// Nine-part drawing of a sliced picture.

#include <algorithm>

#include "Helpers/SkinBase.h"
#include "Helpers/SkinBaseRaster.h"
#include "platform/QtConvert.h"

namespace vd {
namespace {

PartMode EdgeMode(int mode) { return mode != 0 ? PartMode::Stretch : PartMode::Tile; }

// Records come from skin files: values far beyond any picture are cut so that the part arithmetic
// cannot overflow.
constexpr int kCoordinateLimit = 1 << 24;
int Coordinate(int v) { return std::clamp(v, -kCoordinateLimit, kCoordinateLimit); }
int SliceSize(int v) { return std::clamp(v, 0, kCoordinateLimit); }

struct Slices {
    int left, right, top, bottom;
};

Slices SliceSizes(const SkinImageBase& image) {
    return {SliceSize(image.leftWidth), SliceSize(image.rightWidth), SliceSize(image.topHeight),
            SliceSize(image.bottomHeight)};
}

}  // namespace

std::array<SlicePart, 9> NinePartLayout(const SkinImageBase& image, int w, int h) {
    const Slices sz = SliceSizes(image);
    const int lw = sz.left, rw = sz.right, th = sz.top, bh = sz.bottom;
    const int sl = Coordinate(image.left), st = Coordinate(image.top);
    const int sr = Coordinate(image.right), sb = Coordinate(image.bottom);
    const int centreRight = w - rw < 0 ? lw : w - rw;
    return {{
        {{0, 0, lw, th}, {sl, st, sl + lw, st + th}, PartMode::Copy},
        {{w - rw, 0, w, th}, {sr - rw, st, sr, st + th}, PartMode::Copy},
        {{0, h - bh, lw, h}, {sl, sb - bh, sl + lw, sb}, PartMode::Copy},
        {{w - rw, h - bh, w, h}, {sr - rw, sb - bh, sr, sb}, PartMode::Copy},
        {{lw, 0, w - rw, th}, {sl + lw, st, sr - rw, st + th}, EdgeMode(image.topMode)},
        {{0, th, lw, h - bh}, {sl, st + th, sl + lw, sb - bh}, EdgeMode(image.leftMode)},
        {{std::max(w - rw, lw), th, w, h - bh}, {sr - rw, st + th, sr, sb - bh}, EdgeMode(image.rightMode)},
        {{lw, h - bh, w - rw, h}, {sl + lw, sb - bh, sr - rw, sb}, EdgeMode(image.bottomMode)},
        {{lw, th, centreRight, h - bh}, {sl + lw, st + th, sr - rw, sb - bh}, EdgeMode(image.centerMode)},
    }};
}

bool DrawSkinImage(QPainter& painter, const QRect& dst, const SkinImageBase& image, const QImage& picture, int kind,
                   const ColorKey& key, bool useTransparency) {
    if (picture.isNull() || dst.width() <= 0 || dst.height() <= 0)
        return false;
    QImage holder;
    const QImage& pic = raster::Normalized(picture, holder);
    const bool bmp = kind == kBmpImageKind;
    const ColorKey finalKey = bmp && !useTransparency ? std::nullopt : key;
    const raster::Blend blend = bmp ? raster::Blend::Copy : raster::Blend::Alpha;
    const auto parts = NinePartLayout(image, dst.width(), dst.height());
    const Slices sz = SliceSizes(image);
    const bool overlapping = dst.width() < sz.left + sz.right || dst.height() < sz.top + sz.bottom;

    auto composeAll = [&](const raster::Surface& s, QPoint origin, const ColorKey& inlineKey) {
        for (const SlicePart& part : parts) {
            raster::ComposePart(s, ToQRect(part.dst).translated(origin), pic, ToQRect(part.src), part.mode, blend,
                                inlineKey);
        }
    };

    raster::WithSurface(painter, dst, [&](const raster::Surface& surface, const QRect& d) {
        // Corners larger than the destination are cut at its edges, as by an off-screen bitmap of its size.
        raster::Surface s = surface;
        s.bounds &= d;
        if (!finalKey || !overlapping) {
            // Each pixel is composed once, so keying it on the spot equals keying the finished picture.
            composeAll(s, d.topLeft(), finalKey);
            return;
        }
        // Overlapping corners: compose over a copy of the background and key the result, so that a key
        // pixel of a later part uncovers the background rather than an earlier part.
        const QRect vis = d & s.bounds;
        if (vis.isEmpty())
            return;
        QImage buffer(vis.size(), QImage::Format_ARGB32_Premultiplied);
        if (buffer.isNull())
            return;
        for (int y = 0; y < vis.height(); ++y)
            std::copy_n(s.Row(vis.top() + y) + vis.left(), vis.width(),
                        reinterpret_cast<uint32_t*>(buffer.scanLine(y)));
        composeAll(raster::SurfaceOf(buffer), d.topLeft() - vis.topLeft(), std::nullopt);
        raster::CopyKeyed(s, buffer, vis.topLeft(), *finalKey);
    });
    return true;
}

}  // namespace vd
