// Gradients, the stepped fill and raised icons.

#include <gtest/gtest.h>

#include <QPainter>

#include <vector>

#include "DrawTestSupport.h"
#include "Helpers/SkinBase.h"

using namespace drawtest;
using namespace vd;

namespace {

constexpr QRgb kBackground = 0xFF010203;

// t * a + (1 - t) * b in float, truncated, cut to a byte.
int Mix(int a, int b, float t) {
    const int v = static_cast<int>(t * a + (1.0f - t) * b);
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

}  // namespace

TEST(BlendColor, WeighsTheFirstColourByTAndCutsToAByte) {
    const Color a(255, 0, 10), b(0, 255, 20);
    EXPECT_EQ(BlendColor(a, b, 1.0f), a);
    EXPECT_EQ(BlendColor(a, b, 0.0f), b);
    EXPECT_EQ(BlendColor(a, b, 0.3f), Color(Mix(255, 0, 0.3f), Mix(0, 255, 0.3f), Mix(10, 20, 0.3f)));
    EXPECT_EQ(BlendColor(a, b, 1.5f), Color(255, 0, 5));  // 382 cut to 255, -127 cut to 0
}

TEST(FillGradient, EveryLineTakesTheBlendOfItsDistanceFromTheFarEdge) {
    const Color first(250, 10, 128), second(5, 200, 129);
    for (bool horizontal : {true, false}) {
        QImage canvas = Canvas(20, 16, kBackground);
        const QRect rect(3, 2, 13, 11);
        {
            QPainter p(&canvas);
            FillGradient(p, rect, first, second, horizontal);
        }
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 20; ++x) {
                QRgb want = kBackground;
                if (rect.contains(x, y)) {
                    const float t = horizontal ? float(16 - x) / 13.0f : float(13 - y) / 11.0f;
                    want = qRgb(Mix(250, 5, t), Mix(10, 200, t), Mix(128, 129, t));
                }
                ASSERT_EQ(Raw(canvas, x, y), want) << (horizontal ? "columns " : "rows ") << x << "," << y;
            }
        }
        EXPECT_EQ(Raw(canvas, 3, 2), Rgb(first));
    }
}

TEST(FillGradient, EqualColoursFillSolidAndEmptyRectanglesDrawNothing) {
    QImage canvas = Canvas(6, 6, kBackground);
    {
        QPainter p(&canvas);
        FillGradient(p, QRect(1, 1, 4, 4), Color(9, 8, 7), Color(9, 8, 7), true);
        FillGradient(p, QRect(0, 0, 0, 6), Color(255, 0, 0), Color(0, 0, 255), false);
    }
    EXPECT_EQ(Ink(canvas, qRgb(9, 8, 7)), QRect(1, 1, 4, 4));
    EXPECT_EQ(Raw(canvas, 0, 0), kBackground);
}

TEST(FillStepped, BothAxesFirstThenOneAxis) {
    // 6 x 4, both, vertical: the outer ring in the colour, the 4 x 2 inside raised by the step.
    QImage canvas = Canvas(6, 4, kBackground);
    {
        QPainter p(&canvas);
        FillStepped(p, canvas.rect(), Color(100, 100, 100), true, false, 20);
    }
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inner = x >= 1 && x <= 4 && y >= 1 && y <= 2;
            EXPECT_EQ(Raw(canvas, x, y), inner ? qRgb(120, 120, 120) : qRgb(100, 100, 100)) << x << "," << y;
        }
}

TEST(FillStepped, ColumnsStepThenRiseByTenUpTo245) {
    QImage canvas = Canvas(10, 3, kBackground);
    {
        QPainter p(&canvas);
        FillStepped(p, canvas.rect(), Color(225, 0, 250), false, true, 10);
    }
    // Red: 225, +10 step, then +10 while at most 245 (so 245 still rises to 255); blue: 260 becomes 255.
    const std::vector<QRgb> columns = {qRgb(225, 0, 250),  qRgb(235, 10, 255), qRgb(245, 20, 255),
                                       qRgb(255, 30, 255), qRgb(255, 40, 255), qRgb(255, 40, 255),
                                       qRgb(255, 30, 255), qRgb(245, 20, 255), qRgb(235, 10, 255),
                                       qRgb(225, 0, 250)};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(Raw(canvas, x, y), columns[size_t(x)]) << x << "," << y;
}

TEST(FillStepped, NegativeStepStopsAtZero) {
    QImage canvas = Canvas(3, 3, kBackground);
    {
        QPainter p(&canvas);
        FillStepped(p, canvas.rect(), Color(5, 30, 5), false, false, -20);
    }
    EXPECT_EQ(Raw(canvas, 1, 0), qRgb(5, 30, 5));
    EXPECT_EQ(Raw(canvas, 1, 1), qRgb(0, 10, 0));
}

TEST(FillStepped, MatchesPaintingEveryNestedRectangleInFull) {
    for (auto [both, horizontal] : {std::pair{true, false}, {true, true}, {false, false}, {false, true}}) {
        const QRect rect(2, 3, 37, 23);
        QImage canvas = Canvas(42, 30, kBackground), model = Canvas(42, 30, kBackground);
        {
            QPainter p(&canvas);
            FillStepped(p, rect, Color(30, 60, 90), both, horizontal, 7);
        }
        QRect r = rect;
        int c[3] = {30, 60, 90};
        bool firstShrink = true;
        while (r.width() > 0 && r.height() > 0) {
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    model.setPixel(x, y, qRgb(c[0], c[1], c[2]));
            if (firstShrink && both)
                r.adjust(1, 1, -1, -1);
            else
                r = horizontal ? r.adjusted(1, 0, -1, 0) : r.adjusted(0, 1, 0, -1);
            for (int& v : c)
                v = firstShrink ? std::min(v + 7 > 254 ? 255 : v + 7, 255) : (v <= 245 ? v + 10 : v);
            firstShrink = false;
        }
        EXPECT_EQ(canvas, model) << "both " << both << " horizontal " << horizontal;
    }
}

TEST(RaisedIcon, ShadowColourIsSevenTenthsOfTheFaceWithBlueLifted) {
    EXPECT_EQ(RaisedIconShadowColor(Color(240, 240, 240)), Color(168, 168, 207));  // 206.5 rounds up
    EXPECT_EQ(RaisedIconShadowColor(Color(255, 1, 255)), Color(179, 1, 217));
}

TEST(RaisedIcon, SilhouetteBelowRightIconAboveLeft) {
    QImage icon(6, 6, QImage::Format_ARGB32_Premultiplied);
    icon.fill(0);
    for (int y = 2; y < 4; ++y)
        for (int x = 2; x < 4; ++x)
            icon.setPixel(x, y, qRgb(0, 0, 255));
    icon.setPixel(0, 5, qPremultiply(qRgba(0, 0, 255, 1)));  // barely covered still casts a solid shadow
    QImage canvas = Canvas(20, 20, 0xFFFFFFFF);
    {
        QPainter p(&canvas);
        DrawRaisedIcon(p, icon, QRect(5, 5, 6, 6));
    }
    const QRgb shadow = qRgb(168, 168, 207);
    EXPECT_EQ(Ink(canvas, qRgb(0, 0, 255)), QRect(6, 6, 2, 2));  // the icon at (5 - 1, 5 - 1)
    for (QPoint at : {QPoint(8, 8), QPoint(9, 8), QPoint(8, 9), QPoint(9, 9), QPoint(6, 11)})
        EXPECT_EQ(Raw(canvas, at.x(), at.y()), shadow) << at.x() << "," << at.y();  // at (5 + 1, 5 + 1)
    EXPECT_EQ(Raw(canvas, 7, 8), 0xFFFFFFFFu);
    EXPECT_EQ(Raw(canvas, 5, 5), 0xFFFFFFFFu);
}
