// Where a menu command's text and its right-hand shortcut go. The tests look at the bounds of drawn ink,
// split at the middle of a wide item so the command's ink and the shortcut's ink never mix.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include "DrawTestSupport.h"
#include "Helpers/SkinBase.h"
#include "platform/LogFontQt.h"

using namespace drawtest;
using namespace vd;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kText = 0xFF0000FF;
constexpr QRgb kShadow = 0xFFFF0000;
const QRect kItem(10, 6, 300, 40);
constexpr int kMiddle = 10 + 150;  // the command's ink stays left of it, the shortcut's right of it

LogFont CrispFont() {
    LogFont f;
    f.height = -16;
    f.quality = NONANTIALIASED_QUALITY;  // pure colours, so ink can be told from background
    return f;
}

SkinTextStyle MenuStyle(int vertical) {
    SkinTextStyle s;
    s.horzAlign = 0;
    s.vertAlign = vertical;
    s.textColor = Color(0, 0, 255);
    s.leftOffset = 12, s.rightOffset = 9, s.topOffset = 4, s.bottomOffset = 3;
    return s;
}

QImage Draw(const QString& text, const SkinTextStyle& style) {
    QImage canvas = Canvas(330, 60, kWhite);
    QPainter p(&canvas);
    DrawMenuItemText(p, text, kItem, CrispFont(), style);
    return canvas;
}

QImage DrawStyled(const QString& text, const SkinTextStyle& style) {
    QImage canvas = Canvas(330, 60, kWhite);
    QPainter p(&canvas);
    DrawStyledText(p, text, kItem, CrispFont(), style);
    return canvas;
}

QRect InkLeftOf(const QImage& image, int x, QRgb color) { return Ink(image.copy(0, 0, x, image.height()), color); }
QRect InkRightOf(const QImage& image, int x, QRgb color) {
    return Ink(image.copy(x, 0, image.width() - x, image.height()), color).translated(x, 0);
}

}  // namespace

TEST(MenuItemText, WithoutAShortcutItIsTheStyledText) {
    for (int v : {0, 1, 2}) {
        EXPECT_EQ(Draw(QStringLiteral("Open"), MenuStyle(v)), DrawStyled(QStringLiteral("Open"), MenuStyle(v)))
            << "vertical " << v;
        // A tab with nothing after it adds nothing.
        EXPECT_EQ(Draw(QStringLiteral("Open\t"), MenuStyle(v)), DrawStyled(QStringLiteral("Open"), MenuStyle(v)))
            << "vertical " << v;
    }
}

TEST(MenuItemText, CommandStartsAtTheLeftInsetAndShortcutEndsAtTheRightInset) {
    const QImage canvas = Draw(QStringLiteral("New\tCtrl+N"), MenuStyle(1));
    const QRect command = InkLeftOf(canvas, kMiddle, kText);
    const QRect shortcut = InkRightOf(canvas, kMiddle, kText);
    ASSERT_FALSE(command.isEmpty());
    ASSERT_FALSE(shortcut.isEmpty());
    const int insetLeft = kItem.x() + 12;
    const int insetRight = kItem.x() + kItem.width() - 9;  // exclusive
    EXPECT_GE(command.left(), insetLeft);
    EXPECT_LE(command.left(), insetLeft + 2);  // the glyph's left bearing
    EXPECT_LE(shortcut.right() + 1, insetRight);
    EXPECT_GE(shortcut.right() + 1, insetRight - 2);
    // The shortcut is as wide as its text: its left ink sits one advance before the inset's right edge.
    const QFontMetrics fm(ToQFont(CrispFont()));
    EXPECT_NEAR(shortcut.left(), insetRight - fm.horizontalAdvance(QStringLiteral("Ctrl+N")), 2);
}

TEST(MenuItemText, ShortcutIsPlacedVerticallyLikeTheCommand) {
    const QFontMetrics fm(ToQFont(CrispFont()));
    const int insetTop = kItem.y() + 4, insetBottom = kItem.y() + kItem.height() - 3;
    // Where the single line's cell starts for each vertical alignment of the style.
    const int cellTop[] = {insetTop, (insetTop + insetBottom - fm.height()) / 2, insetBottom - fm.height()};
    for (int v : {0, 1, 2}) {
        const QImage canvas = Draw(QStringLiteral("N\tN"), MenuStyle(v));
        const QRect command = InkLeftOf(canvas, kMiddle, kText);
        const QRect shortcut = InkRightOf(canvas, kMiddle, kText);
        ASSERT_FALSE(shortcut.isEmpty()) << "vertical " << v;
        EXPECT_EQ(shortcut.top(), command.top()) << "vertical " << v;
        EXPECT_EQ(shortcut.height(), command.height()) << "vertical " << v;
        EXPECT_GE(shortcut.top(), cellTop[v]) << "vertical " << v;
        EXPECT_LE(shortcut.bottom(), cellTop[v] + fm.height()) << "vertical " << v;
    }
    // The three placements really differ: top above centre above bottom.
    const int top = InkRightOf(Draw(QStringLiteral("N\tN"), MenuStyle(0)), kMiddle, kText).top();
    const int centre = InkRightOf(Draw(QStringLiteral("N\tN"), MenuStyle(1)), kMiddle, kText).top();
    const int bottom = InkRightOf(Draw(QStringLiteral("N\tN"), MenuStyle(2)), kMiddle, kText).top();
    EXPECT_LT(top, centre);
    EXPECT_LT(centre, bottom);
}

TEST(MenuItemText, OnlyTheFirstTabSplits) {
    const QImage canvas = Draw(QStringLiteral("A\tB\tC"), MenuStyle(1));
    const QFontMetrics fm(ToQFont(CrispFont()));
    // "A" is the only command ink; everything after the first tab is drawn as one right-aligned shortcut.
    const QRect command = InkLeftOf(canvas, kMiddle, kText);
    EXPECT_LE(command.width(), fm.horizontalAdvance(QLatin1Char('A')) + 1);
    const QRect shortcut = InkRightOf(canvas, kMiddle, kText);
    EXPECT_GT(shortcut.width(), fm.horizontalAdvance(QLatin1Char('B')) + fm.horizontalAdvance(QLatin1Char('C')));
}

TEST(MenuItemText, ShortcutCarriesTheStyleShadow) {
    SkinTextStyle style = MenuStyle(1);
    style.effect = 1;
    style.shadowColor = Color(255, 0, 0);
    style.shadowHSpace = 3, style.shadowVSpace = 2;
    const QImage canvas = Draw(QStringLiteral("New\tCtrl+N"), style);
    const QRect text = InkRightOf(canvas, kMiddle, kText);
    const QRect shadow = InkRightOf(canvas, kMiddle, kShadow);
    ASSERT_FALSE(text.isEmpty());
    // The text covers part of its shadow; the shadow's far edges stick out by the offsets.
    EXPECT_EQ(shadow.right(), text.right() + 3);
    EXPECT_EQ(shadow.bottom(), text.bottom() + 2);
}
