// Plain, colour-keyed, stretched and tiled copies of a picture rectangle.

#include "Helpers/SkinBase.h"
#include "Helpers/SkinBaseKeyCache.h"
#include "Helpers/SkinBaseRaster.h"

namespace vd {

using raster::Blend;
using raster::Surface;

ColorKey ColorKeyFromColorRef(int64_t colorRef) {
    if (colorRef < 0 || colorRef > 0xFFFFFF)
        return std::nullopt;
    return Color::FromColorRef(static_cast<uint32_t>(colorRef));
}

bool DrawTransparent(QPainter& painter, int x, int y, int width, int height, const QImage& source, int srcX,
                     int srcY, int srcWidth, int srcHeight, const ColorKey& key) {
    if (width < 1 || height < 1 || srcWidth < 1 || srcHeight < 1 || source.isNull())
        return false;
    QImage holder;
    const QImage& picture = raster::Normalized(source, holder);
    const QRect dst(x, y, width, height), src(srcX, srcY, srcWidth, srcHeight);
    const PartMode mode = dst.size() == src.size() ? PartMode::Copy : PartMode::Stretch;
    if (key && !raster::Direct(painter)) {
        // Through QPainter a keyed copy is drawn, made once per picture and key.
        const QImage keyed = KeyedImageCache::Shared().Keyed(picture, *key);
        raster::WithSurface(painter, dst, [&](const Surface& s, const QRect& d) {
            raster::ComposePart(s, d, keyed, src, mode, Blend::Copy, std::nullopt);
        });
        return true;
    }
    raster::WithSurface(painter, dst, [&](const Surface& s, const QRect& d) {
        raster::ComposePart(s, d, picture, src, mode, Blend::Copy, key);
    });
    return true;
}

void BlitOrTransparent(QPainter& painter, int x, int y, int width, int height, const QImage& source, int srcX,
                       int srcY, QPainter::CompositionMode rop, const ColorKey& key) {
    if (key) {
        DrawTransparent(painter, x, y, width, height, source, srcX, srcY, width, height, key);
        return;
    }
    if (width < 1 || height < 1 || source.isNull())
        return;
    if (rop != QPainter::CompositionMode_Source) {
        painter.save();
        painter.setCompositionMode(rop);
        painter.drawImage(QPoint(x, y), source, QRect(srcX, srcY, width, height));
        painter.restore();
        return;
    }
    QImage holder;
    const QImage& picture = raster::Normalized(source, holder);
    const QRect dst(x, y, width, height), src(srcX, srcY, width, height);
    raster::WithSurface(painter, dst, [&](const Surface& s, const QRect& d) {
        raster::ComposePart(s, d, picture, src, PartMode::Copy, Blend::Copy, std::nullopt);
    });
}

void StretchOrCopy(QPainter& painter, const QRect& dst, const QImage& source, const QRect& src,
                   QPainter::CompositionMode rop, const ColorKey& key) {
    if (dst.size() == src.size()) {
        BlitOrTransparent(painter, dst.x(), dst.y(), dst.width(), dst.height(), source, src.x(), src.y(), rop, key);
        return;
    }
    if (key) {
        DrawTransparent(painter, dst.x(), dst.y(), dst.width(), dst.height(), source, src.x(), src.y(),
                        src.width(), src.height(), key);
        return;
    }
    // Non-positive sizes draw nothing; StretchBlt would mirror the picture instead.
    if (dst.width() < 1 || dst.height() < 1 || src.width() < 1 || src.height() < 1 || source.isNull())
        return;
    if (rop != QPainter::CompositionMode_Source) {
        painter.save();
        painter.setCompositionMode(rop);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(dst, source, src);
        painter.restore();
        return;
    }
    QImage holder;
    const QImage& picture = raster::Normalized(source, holder);
    raster::WithSurface(painter, dst, [&](const Surface& s, const QRect& d) {
        raster::ComposePart(s, d, picture, src, PartMode::Stretch, Blend::Copy, std::nullopt);
    });
}

void TileBlt(QPainter& painter, const QImage& source, const QRect& dst, const QRect& src) {
    if (src.width() < 1 || src.height() < 1 || dst.width() < 1 || dst.height() < 1 || source.isNull())
        return;
    QImage holder;
    const QImage& picture = raster::Normalized(source, holder);
    raster::WithSurface(painter, dst, [&](const Surface& s, const QRect& d) {
        raster::ComposePart(s, d, picture, src, PartMode::Tile, Blend::Copy, std::nullopt);
    });
}

}  // namespace vd
