// Nine-part drawing, checked pixel by pixel against a picture in which every pixel encodes its own
// position, so each destination pixel shows which source pixel it came from.

#include <gtest/gtest.h>

#include <QPainter>
#include <QRegion>

#include <climits>
#include <functional>

#include "DrawTestSupport.h"
#include "Helpers/SkinBase.h"

using namespace drawtest;
using namespace vd;

namespace {

constexpr QRgb kBackground = 0xFF102030;
constexpr Color kKey{255, 0, 255};

// Source rectangle (5, 4)-(35, 34): 30 x 30 with slices left 8, right 6, top 7, bottom 5, so the middle
// is 16 pixels wide and 18 high.
constexpr int kSL = 5, kST = 4, kSR = 35, kSB = 34, kLW = 8, kRW = 6, kTH = 7, kBH = 5;

QRgb P(int x, int y) { return qRgb(x * 6, y * 6, 77); }

QImage Picture() {
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, P(x, y));
    return image;
}

SkinImageBase Slices(int top, int left, int right, int bottom, int centre) {
    SkinImageBase s;
    s.left = kSL, s.top = kST, s.right = kSR, s.bottom = kSB;
    s.leftWidth = kLW, s.rightWidth = kRW, s.topHeight = kTH, s.bottomHeight = kBH;
    s.topMode = top, s.leftMode = left, s.rightMode = right, s.bottomMode = bottom, s.centerMode = centre;
    return s;
}

// Source coordinate of destination coordinate d along one axis of length n: the near and far slices are
// copied, the middle is stretched (exact here because the tests stretch by whole factors) or repeated.
int SourceCoord(int d, int n, int nearSize, int farSize, int s0, int s1, bool stretch) {
    if (d < nearSize)
        return s0 + d;
    if (d >= n - farSize)
        return s1 - (n - d);
    const int m = d - nearSize, dstMid = n - nearSize - farSize, srcMid = s1 - s0 - nearSize - farSize;
    return s0 + nearSize + (stretch ? m * srcMid / dstMid : m % srcMid);
}

QRgb Expected(int x, int y, int w, int h, const SkinImageBase& s) {
    const bool midX = x >= kLW && x < w - kRW, midY = y >= kTH && y < h - kBH;
    const int mode = midX && midY ? s.centerMode
                     : midX       ? (y < kTH ? s.topMode : s.bottomMode)
                     : midY       ? (x < kLW ? s.leftMode : s.rightMode)
                                  : 0;
    return P(SourceCoord(x, w, kLW, kRW, kSL, kSR, mode != 0), SourceCoord(y, h, kTH, kBH, kST, kSB, mode != 0));
}

// Draws into a canvas with a 5-pixel margin around dst and checks every pixel: inside against expected,
// outside unchanged.
void DrawAndCheck(const SkinImageBase& s, int w, int h, const std::function<QRgb(int, int)>& expected,
                  int kind = kBmpImageKind, ColorKey key = std::nullopt, bool useTransparency = false) {
    QImage canvas = Canvas(w + 10, h + 10, kBackground);
    const QRect dst(5, 5, w, h);
    {
        QPainter p(&canvas);
        EXPECT_TRUE(DrawSkinImage(p, dst, s, Picture(), kind, key, useTransparency));
    }
    int wrong = 0;
    for (int y = 0; y < canvas.height() && wrong < 5; ++y) {
        for (int x = 0; x < canvas.width() && wrong < 5; ++x) {
            const QRgb want = dst.contains(x, y) ? expected(x - 5, y - 5) : kBackground;
            if (Raw(canvas, x, y) != want) {
                ++wrong;
                ADD_FAILURE() << "pixel (" << x - 5 << ", " << y - 5 << ") of " << w << "x" << h << ": got "
                              << Hex(Raw(canvas, x, y)) << ", want " << Hex(want);
            }
        }
    }
}

}  // namespace

TEST(NinePart, TiledEdgesAndCentreRepeatFromTheTopLeft) {
    const auto s = Slices(0, 0, 0, 0, 0);
    for (auto [w, h] : {std::pair{60, 50}, {14 + 16, 12 + 18}, {14 + 5, 12 + 40}})
        DrawAndCheck(s, w, h, [&](int x, int y) { return Expected(x, y, w, h, s); });
}

TEST(NinePart, StretchedEdgesAndCentreScaleEachSourcePixel) {
    const auto s = Slices(1, 1, 1, 1, 1);
    for (auto [w, h] : {std::pair{14 + 32, 12 + 36}, {14 + 48, 12 + 18}})
        DrawAndCheck(s, w, h, [&](int x, int y) { return Expected(x, y, w, h, s); });
}

TEST(NinePart, EachEdgeFollowsItsOwnMode) {
    for (const auto& s : {Slices(1, 0, 1, 0, 1), Slices(0, 1, 0, 1, 0)})
        DrawAndCheck(s, 14 + 32, 12 + 36, [&](int x, int y) { return Expected(x, y, 14 + 32, 12 + 36, s); });
}

TEST(NinePart, StretchToAnUnevenSizeUsesEverySourceColumnInOrder) {
    QImage canvas = Canvas(14 + 23, 30, kBackground);
    QPainter p(&canvas);
    DrawSkinImage(p, canvas.rect(), Slices(1, 1, 1, 1, 1), Picture(), 0, std::nullopt, false);
    int previous = kSL + kLW - 1;
    for (int x = kLW; x < kLW + 23; ++x) {
        const int sx = qRed(Raw(canvas, x, 0)) / 6;
        EXPECT_TRUE(sx == previous || sx == previous + 1) << "column " << x << " shows source column " << sx;
        previous = sx;
    }
    EXPECT_EQ(previous, kSR - kRW - 1);
}

TEST(NinePart, DestinationSmallerThanTheCornersOverlapsThemInDrawingOrder) {
    const int w = 10, h = 9;  // corners need 14 x 12
    DrawAndCheck(Slices(0, 0, 0, 0, 0), w, h, [&](int x, int y) {
        const bool right = x >= w - kRW, bottom = y >= h - kBH;
        if (right && bottom)
            return P(kSR - (w - x), kSB - (h - y));  // bottom-right, drawn last
        if (x < kLW && bottom)
            return P(kSL + x, kSB - (h - y));
        if (right)
            return P(kSR - (w - x), kST + y);
        return P(kSL + x, kST + y);
    });
}

TEST(NinePart, RightEdgeNeverStartsLeftOfTheLeftSlice) {
    const int w = 11, h = 40;  // w - RW = 5 < LW = 8
    DrawAndCheck(Slices(0, 0, 0, 0, 0), w, h, [&](int x, int y) {
        const int midY = kST + kTH + (y - kTH) % 18;
        if (y < kTH)
            return x >= w - kRW ? P(kSR - (w - x), kST + y) : P(kSL + x, kST + y);
        if (y >= h - kBH)
            return x >= w - kRW ? P(kSR - (w - x), kSB - (h - y)) : P(kSL + x, kSB - (h - y));
        return x < kLW ? P(kSL + x, midY) : P(kSR - kRW + (x - kLW), midY);
    });
}

TEST(NinePart, DestinationNarrowerThanTheRightSliceDrawsNoCentreAndStaysInside) {
    const int w = 4, h = 30;
    DrawAndCheck(Slices(0, 0, 0, 0, 0), w, h, [&](int x, int y) {
        if (y < kTH)
            return P(kSR - (w - x), kST + y);
        if (y >= h - kBH)
            return P(kSR - (w - x), kSB - (h - y));
        return P(kSL + x, kST + kTH + (y - kTH) % 18);
    });
}

TEST(NinePart, KeyColourFollowsKindAndFlag) {
    // Equal sizes: every part is a plain copy, destination (x, y) shows source (5 + x, 4 + y).
    QImage picture = Picture();
    picture.setPixel(20, 15, qRgb(255, 0, 255));  // centre
    picture.setPixel(6, 5, qRgb(255, 0, 255));    // top-left corner
    const auto s = Slices(0, 0, 0, 0, 0);
    struct Case {
        int kind;
        ColorKey key;
        bool flag;
        bool keyed;
    };
    for (const Case& c : {Case{0, kKey, true, true}, Case{0, kKey, false, false}, Case{3, kKey, false, true},
                          Case{3, std::nullopt, true, false}}) {
        QImage canvas = Canvas(30, 30, kBackground);
        {
            QPainter p(&canvas);
            DrawSkinImage(p, canvas.rect(), s, picture, c.kind, c.key, c.flag);
        }
        const QRgb atKey = c.keyed ? kBackground : qRgb(255, 0, 255);
        EXPECT_EQ(Raw(canvas, 15, 11), atKey) << "kind " << c.kind << " flag " << c.flag;
        EXPECT_EQ(Raw(canvas, 1, 1), atKey) << "kind " << c.kind << " flag " << c.flag;
        EXPECT_EQ(Raw(canvas, 2, 2), P(7, 6));
    }
}

TEST(NinePart, KeyedPixelOfALaterCornerUncoversTheBackgroundNotAnEarlierCorner) {
    QImage picture = Picture();
    picture.setPixel(30, 30, qRgb(255, 0, 255));  // bottom-right corner pixel landing on (5, 5) of a 10 x 9
    QImage canvas = Canvas(10, 9, kBackground);
    {
        QPainter p(&canvas);
        DrawSkinImage(p, canvas.rect(), Slices(0, 0, 0, 0, 0), picture, 0, kKey, true);
    }
    EXPECT_EQ(Raw(canvas, 5, 5), kBackground);
    EXPECT_EQ(Raw(canvas, 6, 5), P(31, 30));
    EXPECT_EQ(Raw(canvas, 1, 1), P(6, 5));
}

TEST(NinePart, NonBmpPicturesBlendByAlphaAndBmpPicturesCopy) {
    QImage picture(3, 1, QImage::Format_ARGB32_Premultiplied);
    picture.setPixel(0, 0, qPremultiply(qRgba(255, 0, 0, 128)));
    picture.setPixel(1, 0, qRgba(0, 0, 0, 0));
    picture.setPixel(2, 0, qRgb(0, 255, 0));
    SkinImageBase s;
    s.right = 3, s.bottom = 1;
    const QRgb blue = qRgb(0, 0, 255);
    QImage png = Canvas(3, 1, blue), bmp = Canvas(3, 1, blue);
    {
        QPainter p(&png);
        DrawSkinImage(p, png.rect(), s, picture, 3, std::nullopt, false);
        QPainter q(&bmp);
        DrawSkinImage(q, bmp.rect(), s, picture, 0, std::nullopt, false);
    }
    // d * (255 - a) / 256 + s * a / 256 with a = 128: red 255 * 128 / 256, blue 255 * 127 / 256.
    EXPECT_EQ(Raw(png, 0, 0), qRgb(127, 0, 126));
    EXPECT_EQ(Raw(png, 1, 0), blue);
    EXPECT_EQ(Raw(png, 2, 0), qRgb(0, 255, 0));
    EXPECT_EQ(Raw(bmp, 0, 0), qPremultiply(qRgba(255, 0, 0, 128)));
    EXPECT_EQ(Raw(bmp, 1, 0), 0u);
}

TEST(NinePart, StraightAlphaPicturesBlendWithTheirExactColours) {
    QImage picture(1, 1, QImage::Format_ARGB32);  // the image objects' BGRA bytes
    picture.setPixel(0, 0, qRgba(201, 13, 99, 77));
    SkinImageBase s;
    s.right = 1, s.bottom = 1;
    QImage png = Canvas(1, 1, qRgb(10, 200, 30));
    {
        QPainter p(&png);
        DrawSkinImage(p, png.rect(), s, picture, 6, std::nullopt, false);
    }
    // Per channel (d * 178 >> 8) + (s * 77 >> 8).
    EXPECT_EQ(Raw(png, 0, 0), qRgb(6 + 60, 139 + 3, 20 + 29));
}

TEST(NinePart, AbsurdRecordValuesStayInsideTheDestination) {
    SkinImageBase s;
    s.left = INT_MIN, s.top = INT_MAX, s.right = INT_MAX, s.bottom = INT_MIN;
    s.leftWidth = INT_MAX, s.rightWidth = INT_MAX, s.topHeight = -5, s.bottomHeight = INT_MAX;
    QImage canvas = Canvas(20, 20, kBackground);
    {
        QPainter p(&canvas);
        EXPECT_TRUE(DrawSkinImage(p, QRect(5, 5, 10, 10), s, Picture(), 3, kKey, true));
    }
    EXPECT_EQ(canvas, Canvas(20, 20, kBackground));  // every source pixel lies outside the picture
}

TEST(NinePart, NothingToDrawReportsFalse) {
    QImage canvas = Canvas(8, 8, kBackground);
    QPainter p(&canvas);
    EXPECT_FALSE(DrawSkinImage(p, canvas.rect(), Slices(0, 0, 0, 0, 0), QImage(), 0, std::nullopt, false));
    EXPECT_FALSE(DrawSkinImage(p, QRect(2, 2, 0, 5), Slices(0, 0, 0, 0, 0), Picture(), 0, std::nullopt, false));
    p.end();
    EXPECT_EQ(canvas, Canvas(8, 8, kBackground));
}

TEST(NinePart, TranslatedClippedScaledAndRgb32PaintersShowTheSamePicture) {
    const auto s = Slices(1, 0, 1, 0, 0);
    const QRect dst(3, 2, 41, 33);
    QImage reference = Canvas(50, 40, kBackground);
    {
        QPainter p(&reference);
        DrawSkinImage(p, dst, s, Picture(), 0, kKey, true);
    }
    QImage translated = Canvas(50, 40, kBackground);
    {
        QPainter p(&translated);
        p.translate(3, 2);
        DrawSkinImage(p, QRect(QPoint(0, 0), dst.size()), s, Picture(), 0, kKey, true);
    }
    EXPECT_EQ(translated, reference);

    const QRegion clip = QRegion(0, 0, 20, 40) + QRegion(30, 10, 20, 10);
    QImage clipped = Canvas(50, 40, kBackground);
    {
        QPainter p(&clipped);
        p.setClipRegion(clip);
        DrawSkinImage(p, dst, s, Picture(), 0, kKey, true);
    }
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(Raw(clipped, x, y), clip.contains(QPoint(x, y)) ? Raw(reference, x, y) : kBackground)
                << x << ", " << y;

    QImage scaled = Canvas(100, 80, kBackground);
    {
        QPainter p(&scaled);
        p.scale(2, 2);
        DrawSkinImage(p, dst, s, Picture(), 0, kKey, true);
    }
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(Raw(scaled, x, y), Raw(reference, x / 2, y / 2)) << x << ", " << y;

    // Zoomed and scrolled: only the visible part of the destination is composed off screen.
    QImage scrolled = Canvas(60, 50, kBackground);
    {
        QPainter p(&scrolled);
        p.scale(2, 2);
        p.translate(-10, -5);
        DrawSkinImage(p, dst, s, Picture(), 0, kKey, true);
    }
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(Raw(scrolled, x, y), Raw(reference, x / 2 + 10, y / 2 + 5)) << x << ", " << y;

    QImage rgb32(50, 40, QImage::Format_RGB32);
    rgb32.fill(kBackground);
    {
        QPainter p(&rgb32);
        DrawSkinImage(p, dst, s, Picture(), 0, kKey, true);
    }
    EXPECT_EQ(rgb32.convertToFormat(QImage::Format_ARGB32_Premultiplied), reference);
}

// Keyed blending decides on the composed pixel: a clear picture pixel leaves whatever is below, even the key
// colour; an opaque key-coloured one leaves the destination; an opaque other one replaces it; a translucent
// one blends, and is dropped only when the blend lands on the key. The same on opaque and translucent
// canvases and for premultiplied and straight pictures.
TEST(NinePart, KeyedBlendOfClearOpaqueAndTranslucentPixels) {
    const QRgb key = qRgb(255, 0, 255), grey = qRgb(90, 90, 90), green = qRgb(0, 200, 0);
    for (const QImage::Format pictureFormat : {QImage::Format_ARGB32_Premultiplied, QImage::Format_ARGB32}) {
        QImage picture(4, 1, pictureFormat);
        picture.setPixel(0, 0, qRgba(0, 0, 0, 0));
        picture.setPixel(1, 0, key);
        picture.setPixel(2, 0, green);
        // Half of (255, 0, 255) over the key itself stays the key: (255 * 127 >> 8) + (255 * 128 >> 8) = 253,
        // so it is not dropped; over grey it is a blend.
        picture.setPixel(3, 0, pictureFormat == QImage::Format_ARGB32 ? qRgba(255, 0, 255, 128)
                                                                        : qPremultiply(qRgba(255, 0, 255, 128)));
        SkinImageBase s;
        s.right = 4, s.bottom = 1;
        for (const QImage::Format canvasFormat : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
            for (const QRgb below : {key, grey}) {
                QImage canvas(4, 1, canvasFormat);
                canvas.fill(below);
                {
                    QPainter p(&canvas);
                    DrawSkinImage(p, canvas.rect(), s, picture, 3, kKey, false);
                }
                const auto channel = [](int d, int c) { return std::min((d * 127 >> 8) + (c * 128 >> 8), 255); };
                const QRgb blended = qRgb(channel(qRed(below), 255), channel(qGreen(below), 0),
                                          channel(qBlue(below), 255));
                SCOPED_TRACE(testing::Message() << "picture " << pictureFormat << " canvas " << canvasFormat
                                                << " below " << std::hex << below);
                EXPECT_EQ(canvas.pixel(0, 0), below);
                EXPECT_EQ(canvas.pixel(1, 0), below);
                EXPECT_EQ(canvas.pixel(2, 0), green);
                EXPECT_EQ(canvas.pixel(3, 0), blended);
            }
        }
    }
}
