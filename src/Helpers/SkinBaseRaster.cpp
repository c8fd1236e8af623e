#include "Helpers/SkinBaseRaster.h"

#include <QRegion>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace vd::raster {
namespace {

// Source coordinate for each destination pixel of vis (a run inside dst), -1 where it leaves the picture.
std::vector<int> AxisMap(PartMode mode, int visStart, int visLength, int dstStart, int dstLength, int srcStart,
                         int srcLength, int limit) {
    std::vector<int> map(static_cast<size_t>(visLength));
    for (int i = 0; i < visLength; ++i) {
        const int64_t offset = int64_t(visStart) + i - dstStart;
        int64_t v = srcStart;
        switch (mode) {
        case PartMode::Copy: v += offset; break;
        case PartMode::Tile: v += offset % srcLength; break;
        case PartMode::Stretch: v += (2 * offset + 1) * srcLength / (2 * int64_t(dstLength)); break;
        }
        map[static_cast<size_t>(i)] = (v >= 0 && v < limit) ? static_cast<int>(v) : -1;
    }
    return map;
}

template <bool kStraight>
inline uint32_t BlendPixel(uint32_t d, uint32_t s) {
    const uint32_t a = qAlpha(s);
    if (a == 255)
        return s;
    if (a == 0)
        return d;
    const QRgb u = kStraight ? s : qUnpremultiply(s);
    const uint32_t ia = 255 - a;
    const uint32_t da = qAlpha(d);
    // Opaque destinations stay opaque; translucent ones (scratch images) gain coverage as "over" does.
    const uint32_t oa = da == 255 ? 255 : da + ((255 - da) * a + 127) / 255;
    auto channel = [&](uint32_t dc, uint32_t sc) { return std::min(((dc * ia) >> 8) + ((sc * a) >> 8), oa); };
    return qRgba(channel(qRed(d), qRed(u)), channel(qGreen(d), qGreen(u)), channel(qBlue(d), qBlue(u)), oa);
}

template <bool kBlend, bool kKeyed, bool kStraight>
void ComposeRows(const Surface& s, const QRect& vis, const QImage& picture, const std::vector<int>& xs,
                 const std::vector<int>& ys, uint32_t keyRgb) {
    const int width = vis.width();
    for (int j = 0; j < vis.height(); ++j) {
        const int sy = ys[static_cast<size_t>(j)];
        if (sy < 0)
            continue;
        const auto* srow = reinterpret_cast<const uint32_t*>(picture.constScanLine(sy));
        uint32_t* drow = s.Row(vis.top() + j) + vis.left();
        for (int i = 0; i < width; ++i) {
            const int sx = xs[static_cast<size_t>(i)];
            if (sx < 0)
                continue;
            const uint32_t src = srow[sx];
            if constexpr (kBlend) {
                // Most pixels of a skin picture are opaque or clear: a clear one leaves the destination as
                // it is (keyed or not), an opaque one replaces it unless it shows the key. Same results as
                // the blend below, without it.
                const uint32_t a = qAlpha(src);
                if (a == 0)
                    continue;
                if (a == 255) {
                    const uint32_t v = src | s.alphaMask;
                    if constexpr (kKeyed) {
                        if ((v & 0xFFFFFFu) == keyRgb)
                            continue;
                    }
                    drow[i] = v;
                    continue;
                }
            }
            uint32_t v = kBlend ? BlendPixel<kStraight>(drow[i], src) : kStraight ? qPremultiply(src) : src;
            v |= s.alphaMask;
            if constexpr (kKeyed) {
                if (MatchesKey(v, keyRgb))
                    continue;
            }
            drow[i] = v;
        }
    }
}

// Plain copies depend on the source only, so a destination row whose source row was already written
// (repeats of a tile or a stretch) is copied from that earlier row; runs of consecutive source columns
// are copied as blocks.
void CopyRowsFast(const Surface& s, const QRect& vis, const QImage& picture, const std::vector<int>& xs,
                  const std::vector<int>& ys, bool gather) {
    struct Run {
        int dst;
        int src;
        int length;
    };
    std::vector<Run> runs;
    bool complete = true;
    for (int i = 0; i < vis.width();) {
        const int sx = xs[static_cast<size_t>(i)];
        if (sx < 0) {
            complete = false;
            ++i;
            continue;
        }
        int n = 1;
        while (i + n < vis.width() && xs[static_cast<size_t>(i + n)] == sx + n)
            ++n;
        runs.push_back({i, sx, n});
        i += n;
    }
    gather = gather && runs.size() * 4 > static_cast<size_t>(vis.width());

    std::vector<int> firstRow(static_cast<size_t>(picture.height()), -1);
    const size_t rowBytes = size_t(vis.width()) * 4;
    for (int j = 0; j < vis.height(); ++j) {
        const int sy = ys[static_cast<size_t>(j)];
        if (sy < 0)
            continue;
        uint32_t* drow = s.Row(vis.top() + j) + vis.left();
        const int earlier = firstRow[static_cast<size_t>(sy)];
        if (earlier >= 0 && complete) {
            std::memcpy(drow, s.Row(vis.top() + earlier) + vis.left(), rowBytes);
            continue;
        }
        const auto* srow = reinterpret_cast<const uint32_t*>(picture.constScanLine(sy));
        if (gather) {
            for (int i = 0; i < vis.width(); ++i) {
                const int sx = xs[static_cast<size_t>(i)];
                if (sx >= 0)
                    drow[i] = srow[sx];
            }
        } else {
            for (const Run& run : runs)
                std::memcpy(drow + run.dst, srow + run.src, size_t(run.length) * 4);
        }
        firstRow[static_cast<size_t>(sy)] = j;
    }
}

// Straight-alpha pictures (the image objects' own pixel layout) blend with their exact colour values.
void ComposeStraight(const Surface& s, const QRect& vis, const QImage& picture, const std::vector<int>& xs,
                     const std::vector<int>& ys, Blend blend, bool keyed, uint32_t keyRgb) {
    if (blend == Blend::Alpha)
        keyed ? ComposeRows<true, true, true>(s, vis, picture, xs, ys, keyRgb)
              : ComposeRows<true, false, true>(s, vis, picture, xs, ys, keyRgb);
    else
        keyed ? ComposeRows<false, true, true>(s, vis, picture, xs, ys, keyRgb)
              : ComposeRows<false, false, true>(s, vis, picture, xs, ys, keyRgb);
}

}  // namespace

std::optional<DirectTarget> Direct(QPainter& painter) {
    if (!painter.isActive() || !painter.device() || painter.device()->devType() != QInternal::Image)
        return std::nullopt;
    auto* image = static_cast<QImage*>(painter.device());
    const QImage::Format format = image->format();
    if (format != QImage::Format_ARGB32_Premultiplied && format != QImage::Format_RGB32)
        return std::nullopt;
    // A shared image would detach on write and leave the painter drawing into the old pixels.
    if (!image->isDetached() || painter.opacity() < 1.0)
        return std::nullopt;
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxTranslate || t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy()))
        return std::nullopt;
    const QPoint offset(static_cast<int>(t.dx()), static_cast<int>(t.dy()));

    QRect bounds = image->rect();
    if (painter.hasClipping()) {
        const QRegion clip = painter.clipRegion().translated(offset);
        if (clip.rectCount() > 1)
            return std::nullopt;
        bounds &= clip.boundingRect();
    }
    DirectTarget target;
    target.surface.bits = image->bits();
    target.surface.bytesPerLine = image->bytesPerLine();
    target.surface.bounds = bounds;
    target.surface.alphaMask = format == QImage::Format_RGB32 ? 0xFF000000u : 0u;
    target.offset = offset;
    return target;
}

QRect VisiblePart(QPainter& painter, const QRect& dst) {
    QRect area = dst;
    if (const QPaintDevice* device = painter.device()) {
        // The combined transform, not the device transform: a widget painted through another widget's
        // grab is redirected, and the redirection offset must not move the device's bounds.
        bool invertible = false;
        const QTransform toLogical = painter.combinedTransform().inverted(&invertible);
        const qreal ratio = std::max<qreal>(1.0, device->devicePixelRatio());
        if (invertible) {
            const QRectF pixels(0, 0, device->width() * ratio, device->height() * ratio);
            area &= toLogical.mapRect(pixels).toAlignedRect().adjusted(-1, -1, 1, 1);
        }
    }
    if (painter.hasClipping())
        area &= painter.clipBoundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    return area;
}

Surface SurfaceOf(QImage& image) {
    Surface s;
    s.bits = image.bits();
    s.bytesPerLine = image.bytesPerLine();
    s.bounds = image.rect();
    s.alphaMask = image.format() == QImage::Format_RGB32 ? 0xFF000000u : 0u;
    return s;
}

const QImage& Normalized(const QImage& picture, QImage& holder) {
    switch (picture.format()) {
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return picture;
    default: break;
    }
    holder = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return holder;
}

void ComposePart(const Surface& s, const QRect& dst, const QImage& picture, const QRect& src, PartMode mode,
                 Blend blend, const ColorKey& key) {
    if (dst.width() <= 0 || dst.height() <= 0 || src.width() <= 0 || src.height() <= 0 || picture.isNull())
        return;
    const QRect vis = dst & s.bounds;
    if (vis.isEmpty())
        return;
    if (mode != PartMode::Copy && dst.size() == src.size())
        mode = PartMode::Copy;
    const auto xs = AxisMap(mode, vis.left(), vis.width(), dst.left(), dst.width(), src.left(), src.width(),
                            picture.width());
    const auto ys = AxisMap(mode, vis.top(), vis.height(), dst.top(), dst.height(), src.top(), src.height(),
                            picture.height());
    const uint32_t keyRgb = key ? KeyRgb(*key) : 0;
    if (picture.format() == QImage::Format_ARGB32)
        ComposeStraight(s, vis, picture, xs, ys, blend, key.has_value(), keyRgb);
    else if (blend == Blend::Alpha)
        key ? ComposeRows<true, true, false>(s, vis, picture, xs, ys, keyRgb)
            : ComposeRows<true, false, false>(s, vis, picture, xs, ys, keyRgb);
    else if (key)
        ComposeRows<false, true, false>(s, vis, picture, xs, ys, keyRgb);
    else if (s.alphaMask != 0)
        ComposeRows<false, false, false>(s, vis, picture, xs, ys, keyRgb);
    else
        CopyRowsFast(s, vis, picture, xs, ys, mode == PartMode::Stretch);
}

void CopyKeyed(const Surface& s, const QImage& composed, QPoint at, Color key) {
    const QRect vis = QRect(at, composed.size()) & s.bounds;
    const uint32_t keyRgb = KeyRgb(key);
    for (int y = vis.top(); y <= vis.bottom(); ++y) {
        const auto* crow = reinterpret_cast<const uint32_t*>(composed.constScanLine(y - at.y())) - at.x();
        uint32_t* drow = s.Row(y);
        for (int x = vis.left(); x <= vis.right(); ++x) {
            if (!MatchesKey(crow[x], keyRgb))
                drow[x] = crow[x] | s.alphaMask;
        }
    }
}

}  // namespace vd::raster
