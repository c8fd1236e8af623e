// Disabled (embossed) icons: the mask in the button highlight colour one pixel down and right, the mask in
// the button shadow colour over it, the icon's own colours nowhere.

#include <gtest/gtest.h>

#include <QPainter>

#include "DrawTestSupport.h"
#include "Helpers/SkinBase.h"

using namespace drawtest;
using namespace vd;

namespace {

constexpr QRgb kPaper = 0xFFFFFFFF;
constexpr QRgb kInk = 0xFFFF0000;

// A machine whose highlight and shadow differ from every default and from the icon.
SystemEnvironment Machine() {
    SystemEnvironment env = SystemEnvironment::Default();
    env.colors[COLOR_BTNHIGHLIGHT] = Color(250, 240, 10);
    env.colors[COLOR_BTNSHADOW] = Color(20, 90, 160);
    return env;
}

// The canvas DrawDisabledIcon should leave: paper, the mask in highlight at corner + (1, 1), the mask in
// shadow at the corner; mask(x, y) says whether the icon covers the rect's pixel (x, y).
template <class Mask>
QImage Embossed(QSize canvas, QRect rect, Mask mask, const SystemEnvironment& env) {
    QImage model = Canvas(canvas.width(), canvas.height(), kPaper);
    for (int pass = 0; pass < 2; ++pass) {
        const QPoint at = rect.topLeft() + (pass == 0 ? QPoint(1, 1) : QPoint(0, 0));
        const QRgb colour = Rgb(env.SysColor(pass == 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW));
        for (int y = 0; y < rect.height(); ++y)
            for (int x = 0; x < rect.width(); ++x)
                if (mask(x, y)) model.setPixel(at.x() + x, at.y() + y, colour);
    }
    return model;
}

}  // namespace

TEST(DisabledIcon, HighlightBelowRightShadowOnTopMaskAtHalfCover) {
    QImage icon(4, 4, QImage::Format_ARGB32_Premultiplied);
    icon.fill(0);
    icon.setPixel(0, 0, kInk);
    icon.setPixel(1, 0, qPremultiply(qRgba(255, 0, 0, 128)));  // half covered: in the mask
    icon.setPixel(2, 0, qPremultiply(qRgba(255, 0, 0, 127)));  // less: out
    for (int y = 2; y < 4; ++y)
        for (int x = 1; x < 3; ++x) icon.setPixel(x, y, kInk);
    auto covered = [](int x, int y) { return (y == 0 && x < 2) || (y >= 2 && x >= 1 && x < 3); };

    const SystemEnvironment env = Machine();
    QImage canvas = Canvas(12, 12, kPaper);
    {
        QPainter p(&canvas);
        DrawDisabledIcon(p, icon, QRect(5, 5, 4, 4), env);
    }
    EXPECT_EQ(canvas, Embossed(canvas.size(), QRect(5, 5, 4, 4), covered, env));
    EXPECT_TRUE(Ink(canvas, kInk).isEmpty()) << "the icon's own colours are not drawn";
}

TEST(DisabledIcon, LightPixelsAreGroundSoInnerLinesStayVisible) {
    // A dark disc with a white mark: the mark is a hole in the embossed shape, as on a greyed toolbar.
    QImage icon(3, 1, QImage::Format_ARGB32_Premultiplied);
    icon.setPixel(0, 0, qRgb(191, 191, 191));  // grey 191: still ink
    icon.setPixel(1, 0, qRgb(192, 192, 192));  // grey 192: ground
    icon.setPixel(2, 0, qPremultiply(qRgba(255, 255, 255, 200)));  // light, whatever its cover
    const SystemEnvironment env = Machine();
    QImage canvas = Canvas(8, 4, kPaper);
    {
        QPainter p(&canvas);
        DrawDisabledIcon(p, icon, QRect(2, 1, 3, 1), env);
    }
    EXPECT_EQ(canvas, Embossed(canvas.size(), QRect(2, 1, 3, 1), [](int x, int) { return x == 0; }, env));
}

TEST(DisabledIcon, StretchedToTheRectangle) {
    // A 2 x 2 icon with one covered pixel, drawn into 4 x 4: each pixel becomes a 2 x 2 block.
    QImage icon(2, 2, QImage::Format_ARGB32_Premultiplied);
    icon.fill(0);
    icon.setPixel(1, 0, kInk);
    const SystemEnvironment env = Machine();
    QImage canvas = Canvas(10, 10, kPaper);
    {
        QPainter p(&canvas);
        DrawDisabledIcon(p, icon, QRect(2, 3, 4, 4), env);
    }
    EXPECT_EQ(canvas, Embossed(canvas.size(), QRect(2, 3, 4, 4), [](int x, int y) { return x >= 2 && y < 2; }, env));
}

TEST(DisabledIcon, NothingForANullIconOrAnEmptyRectangle) {
    QImage icon(3, 3, QImage::Format_ARGB32_Premultiplied);
    icon.fill(kInk);
    QImage canvas = Canvas(8, 8, kPaper);
    {
        QPainter p(&canvas);
        DrawDisabledIcon(p, QImage(), QRect(1, 1, 3, 3));
        DrawDisabledIcon(p, icon, QRect(1, 1, 0, 3));
        DrawDisabledIcon(p, icon, QRect(1, 1, 3, -2));
    }
    EXPECT_EQ(canvas, Canvas(8, 8, kPaper));
}

TEST(DisabledIcon, DefaultColoursAreTheMachinesButtonHighlightAndShadow) {
    QImage icon(1, 1, QImage::Format_ARGB32_Premultiplied);
    icon.fill(kInk);
    QImage canvas = Canvas(4, 4, 0xFF010203);  // dark: the default highlight may be white
    {
        QPainter p(&canvas);
        DrawDisabledIcon(p, icon, QRect(1, 1, 1, 1));
    }
    const SystemEnvironment& env = SystemEnvironment::Default();
    EXPECT_EQ(Raw(canvas, 1, 1), Rgb(env.SysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(Raw(canvas, 2, 2), Rgb(env.SysColor(COLOR_BTNHIGHLIGHT)));
}
