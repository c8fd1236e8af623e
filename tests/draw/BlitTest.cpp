// Keyed, stretched and tiled copies, and the keyed-picture cache.

#include <gtest/gtest.h>

#include <QPainter>
#include <QRegion>

#include "DrawTestSupport.h"
#include "Helpers/SkinBase.h"
#include "Helpers/SkinBaseKeyCache.h"

using namespace drawtest;
using namespace vd;

namespace {

constexpr QRgb kBackground = 0xFF0A0B0C;
constexpr QRgb kMagenta = 0xFFFF00FF;

// Each pixel encodes its position.
QImage Numbered(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 10, y * 10, 200));
    return image;
}
QRgb N(int x, int y) { return qRgb(x * 10, y * 10, 200); }

}  // namespace

TEST(Blit, DrawTransparentWithAnySizeBelowOneDrawsNothing) {
    const QImage source = Numbered(4, 4);
    for (auto [w, h, sw, sh] : {std::tuple{0, 4, 4, 4}, {4, 0, 4, 4}, {4, 4, 0, 4}, {4, 4, 4, -1}}) {
        QImage canvas = Canvas(8, 8, kBackground);
        QPainter p(&canvas);
        EXPECT_FALSE(DrawTransparent(p, 1, 1, w, h, source, 0, 0, sw, sh, Color(0, 0, 0)));
        p.end();
        EXPECT_EQ(canvas, Canvas(8, 8, kBackground));
    }
}

TEST(Blit, DrawTransparentKeepsTheDestinationUnderKeyPixelsAtEqualAndDoubleSize) {
    QImage source = Numbered(4, 3);
    source.setPixel(2, 1, kMagenta);
    const Color key(255, 0, 255);

    QImage same = Canvas(10, 10, kBackground);
    QImage twice = Canvas(10, 10, kBackground);
    {
        QPainter p(&same);
        EXPECT_TRUE(DrawTransparent(p, 3, 2, 4, 3, source, 0, 0, 4, 3, key));
        QPainter q(&twice);
        EXPECT_TRUE(DrawTransparent(q, 1, 1, 8, 6, source, 0, 0, 4, 3, key));
    }
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inSame = x >= 3 && x < 7 && y >= 2 && y < 5;
            const bool keySame = x == 5 && y == 3;
            EXPECT_EQ(Raw(same, x, y), inSame && !keySame ? N(x - 3, y - 2) : kBackground) << x << "," << y;
            const bool inTwice = x >= 1 && x < 9 && y >= 1 && y < 7;
            const int sx = (x - 1) / 2, sy = (y - 1) / 2;
            const bool keyTwice = inTwice && sx == 2 && sy == 1;
            EXPECT_EQ(Raw(twice, x, y), inTwice && !keyTwice ? N(sx, sy) : kBackground) << x << "," << y;
        }
    }
}

TEST(Blit, StretchOrCopyCopiesEqualSizesAsTheyAreAndStretchesOthers) {
    QImage source = Numbered(3, 2);
    source.setPixel(0, 0, qPremultiply(qRgba(200, 100, 0, 100)));  // a plain copy keeps translucency
    QImage canvas = Canvas(12, 8, kBackground);
    {
        QPainter p(&canvas);
        StretchOrCopy(p, QRect(0, 0, 3, 2), source, QRect(0, 0, 3, 2), QPainter::CompositionMode_Source, {});
        StretchOrCopy(p, QRect(3, 2, 9, 6), source, QRect(0, 0, 3, 2), QPainter::CompositionMode_Source, {});
        // A negative width would mirror in GDI; here it draws nothing.
        StretchOrCopy(p, QRect(0, 4, -3, 2), source, QRect(0, 0, 3, 2), QPainter::CompositionMode_Source, {});
    }
    EXPECT_EQ(Raw(canvas, 0, 0), qPremultiply(qRgba(200, 100, 0, 100)));
    EXPECT_EQ(Raw(canvas, 2, 1), N(2, 1));
    for (int y = 2; y < 8; ++y) {
        for (int x = 3; x < 12; ++x) {
            const int sx = (x - 3) / 3, sy = (y - 2) / 3;
            const QRgb want = sx == 0 && sy == 0 ? qPremultiply(qRgba(200, 100, 0, 100)) : N(sx, sy);
            EXPECT_EQ(Raw(canvas, x, y), want) << x << "," << y;
        }
    }
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(Raw(canvas, x, 5), kBackground);
}

TEST(Blit, TileBltRepeatsFromTheDestinationTopLeftAndSkipsOutsideThePicture) {
    const QImage source = Numbered(6, 5);
    constexpr QRgb kOtherRow = 0xFF777777;
    QImage canvas = Canvas(16, 14, kBackground);
    for (int x = 0; x < 16; ++x)
        canvas.setPixel(x, 13, kOtherRow);
    {
        QPainter p(&canvas);
        TileBlt(p, source, QRect(3, 5, 11, 7), QRect(1, 2, 4, 3));
        TileBlt(p, source, QRect(0, 0, 5, 5), QRect(0, 0, 0, 3));  // empty source: nothing
        // A source rectangle reaching past the picture: only its inside columns are drawn, on every row.
        TileBlt(p, source, QRect(0, 12, 16, 2), QRect(4, 0, 4, 1));
    }
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool in = x >= 3 && x < 14 && y >= 5 && y < 12;
            EXPECT_EQ(Raw(canvas, x, y), in ? N(1 + (x - 3) % 4, 2 + (y - 5) % 3) : kBackground) << x << "," << y;
        }
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(Raw(canvas, x, 12), x % 4 < 2 ? N(4 + x % 4, 0) : kBackground) << x;
        EXPECT_EQ(Raw(canvas, x, 13), x % 4 < 2 ? N(4 + x % 4, 0) : kOtherRow) << x;
    }
}

TEST(Blit, BlitOrTransparentAppliesTheRasterOperationWithoutKey) {
    QImage source(1, 1, QImage::Format_ARGB32_Premultiplied);
    source.fill(0xFF0F00FFu);
    QImage canvas = Canvas(2, 1, 0xFFF0F0F0u);
    {
        QPainter p(&canvas);
        BlitOrTransparent(p, 0, 0, 1, 1, source, 0, 0, QPainter::RasterOp_SourceAndDestination, {});
        BlitOrTransparent(p, 1, 0, 1, 1, source, 0, 0, QPainter::CompositionMode_Source, Color(15, 0, 255));
    }
    EXPECT_EQ(Raw(canvas, 0, 0) & 0xFFFFFF, 0x0000F0u);
    EXPECT_EQ(Raw(canvas, 1, 0), 0xFFF0F0F0u);  // the only pixel is the key
}

TEST(Blit, KeyedCopyThroughAComplexClipMatchesTheDirectCopy) {
    QImage source = Numbered(5, 5);
    source.setPixel(1, 1, kMagenta);
    QImage direct = Canvas(12, 12, kBackground), clipped = Canvas(12, 12, kBackground);
    const QRegion clip = QRegion(0, 0, 12, 5) + QRegion(0, 8, 6, 4);
    {
        QPainter p(&direct);
        DrawTransparent(p, 1, 1, 10, 10, source, 0, 0, 5, 5, Color(255, 0, 255));
        QPainter q(&clipped);
        q.setClipRegion(clip);
        DrawTransparent(q, 1, 1, 10, 10, source, 0, 0, 5, 5, Color(255, 0, 255));
    }
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(Raw(clipped, x, y), clip.contains(QPoint(x, y)) ? Raw(direct, x, y) : kBackground);
    EXPECT_EQ(Raw(clipped, 3, 3), kBackground);
}

TEST(KeyedImageCache, ReusesKeyedPicturesAndNeverReturnsAStaleOne) {
    KeyedImageCache cache;
    QImage picture = Numbered(4, 4);
    picture.setPixel(0, 0, kMagenta);
    const QImage first = cache.Keyed(picture, Color(255, 0, 255));
    EXPECT_EQ(Raw(first, 0, 0), 0u);
    EXPECT_EQ(Raw(first, 1, 0), N(1, 0));
    EXPECT_EQ(cache.Keyed(picture, Color(255, 0, 255)).cacheKey(), first.cacheKey());
    EXPECT_EQ(cache.Count(), 1u);

    const QImage byOther = cache.Keyed(picture, Color(10, 0, 200));  // the key of pixel (1, 0)
    EXPECT_EQ(Raw(byOther, 1, 0), 0u);
    EXPECT_EQ(Raw(byOther, 0, 0), kMagenta);
    EXPECT_EQ(cache.Count(), 2u);

    picture.setPixel(2, 2, kMagenta);
    EXPECT_EQ(Raw(cache.Keyed(picture, Color(255, 0, 255)), 2, 2), 0u);
}

TEST(KeyedImageCache, StaysWithinItsByteBudget) {
    KeyedImageCache cache(3 * 16 * 16 * 4);
    std::vector<QImage> pictures;
    for (int i = 0; i < 6; ++i) {
        pictures.push_back(Numbered(16, 16));
        cache.Keyed(pictures.back(), Color(0, 0, 0));
    }
    EXPECT_EQ(cache.Count(), 3u);
    EXPECT_LE(cache.Bytes(), 3 * 16 * 16 * 4);
    cache.Clear();
    EXPECT_EQ(cache.Count(), 0u);
}

TEST(Blit, ColorRefMinusOneMeansNoKey) {
    EXPECT_FALSE(ColorKeyFromColorRef(-1));
    EXPECT_FALSE(ColorKeyFromColorRef(0x1000000));
    EXPECT_EQ(ColorKeyFromColorRef(0xFF00FF), Color(255, 0, 255));
    EXPECT_EQ(ColorKeyFromColorRef(0x0000FF), Color(255, 0, 0));
}
