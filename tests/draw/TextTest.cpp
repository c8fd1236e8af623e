// Where styled and rotated text goes: flags, measured rectangles, insets and shadow offsets. Glyph shapes
// are the font's business; these tests look at rectangles and the bounds of drawn ink.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include "DrawTestSupport.h"
#include "Helpers/SkinBase.h"
#include "platform/DrawText.h"
#include "platform/LogFontQt.h"

using namespace drawtest;
using namespace vd;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

LogFont CrispArial(int height = -16) {
    LogFont f;
    f.height = height;
    f.quality = NONANTIALIASED_QUALITY;  // pure colours, so ink can be told from background
    return f;
}

SkinTextStyle Style(int h, int v) {
    SkinTextStyle s;
    s.horzAlign = h, s.vertAlign = v;
    s.textColor = Color(0, 0, 255);
    s.leftOffset = 5, s.topOffset = 3, s.rightOffset = 7, s.bottomOffset = 2;
    return s;
}

}  // namespace

TEST(TextFormatFlags, FollowTheAlignmentTable) {
    struct Row {
        int h, v;
        uint32_t flags;
    };
    for (const Row& r : {Row{0, 0, DT_LEFT | DT_WORDBREAK}, Row{1, 0, DT_CENTER | DT_WORDBREAK},
                         Row{2, 0, DT_RIGHT | DT_SINGLELINE}, Row{7, 0, DT_LEFT | DT_SINGLELINE},
                         Row{0, 1, DT_SINGLELINE | DT_VCENTER}, Row{2, 1, DT_RIGHT | DT_SINGLELINE | DT_VCENTER},
                         Row{1, 2, DT_CENTER | DT_SINGLELINE | DT_BOTTOM}, Row{1, 5, DT_CENTER},
                         Row{-1, -1, DT_LEFT}})
        EXPECT_EQ(TextFormatFlags(r.h, r.v), r.flags) << r.h << "/" << r.v;
}

TEST(TextFormatFlags, MapToQtAlignmentAndWrapping) {
    EXPECT_EQ(QtTextFlags(DT_CENTER | DT_WORDBREAK) & ~Qt::TextShowMnemonic,
              Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
    EXPECT_EQ(QtTextFlags(DT_RIGHT | DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX),
              Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine);
    // Vertical centring needs a single line, as in GDI.
    EXPECT_EQ(QtTextFlags(DT_VCENTER | DT_NOPREFIX), Qt::AlignLeft | Qt::AlignTop);
}

TEST(StyledText, OutRectanglePlacesTheMeasuredWidthInTheInsetRectangle) {
    const LogFont font = CrispArial();
    const QFontMetrics fm(ToQFont(font));
    const int width = fm.horizontalAdvance(QStringLiteral("Preview")), height = fm.height();
    const QRect rect(10, 20, 200, 40);  // inset: x 15 to 203, y 23 to 58
    QImage canvas = Canvas(240, 80, kWhite);
    QPainter p(&canvas);
    for (auto [h, left] : {std::pair{0, 15}, {1, 15 + (188 - width) / 2}, {2, 203 - width}}) {
        QRect out;
        DrawStyledText(p, QStringLiteral("Preview"), rect, font, Style(h, 1), &out, false);
        EXPECT_EQ(out, QRect(left, 23, width, height)) << "alignment " << h;
    }
}

TEST(StyledText, MeasuringWithoutDrawingLeavesNoInkNotEvenAShadow) {
    SkinTextStyle style = Style(1, 1);
    style.effect = 1;
    QImage canvas = Canvas(120, 40, kWhite);
    {
        QPainter p(&canvas);
        QRect out;
        DrawStyledText(p, QStringLiteral("Quiet"), QRect(0, 0, 120, 40), CrispArial(), style, &out, false);
        EXPECT_GT(out.width(), 0);
    }
    EXPECT_EQ(canvas, Canvas(120, 40, kWhite));
}

TEST(StyledText, ShadowIsTheTextMovedByTheShadowOffsets) {
    SkinTextStyle style = Style(0, 0);
    style.effect = 1;
    style.shadowColor = Color(255, 0, 0);
    style.shadowHSpace = 40, style.shadowVSpace = 25;
    QImage canvas = Canvas(160, 80, kWhite);
    {
        QPainter p(&canvas);
        DrawStyledText(p, QStringLiteral("Hi"), QRect(0, 0, 100, 40), CrispArial(), style);
    }
    const QRect text = Ink(canvas, qRgb(0, 0, 255)), shadow = Ink(canvas, qRgb(255, 0, 0));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_EQ(shadow, text.translated(40, 25));
}

TEST(StyledText, InkRespectsAlignmentAndInsets) {
    const LogFont font = CrispArial(-20);
    const QFontMetrics fm(ToQFont(font));
    const QRect rect(0, 0, 200, 60);  // inset: x 5 to 193, y 3 to 58
    auto ink = [&](int h, int v) {
        QImage canvas = Canvas(200, 60, kWhite);
        QPainter p(&canvas);
        DrawStyledText(p, QStringLiteral("Mm"), rect, font, Style(h, v));
        p.end();
        return Ink(canvas, qRgb(0, 0, 255));
    };
    const QRect topLeft = ink(0, 0), bottomRight = ink(2, 2), centre = ink(1, 1);
    EXPECT_NEAR(topLeft.left(), 5, 2);
    EXPECT_GE(topLeft.top(), 3);
    EXPECT_LE(topLeft.bottom(), 3 + fm.height());
    EXPECT_NEAR(bottomRight.right(), 192, 2);
    EXPECT_LE(bottomRight.bottom(), 57);
    EXPECT_GE(bottomRight.top(), 58 - fm.height());
    EXPECT_NEAR(centre.center().x(), (5 + 193) / 2, 2);
}

TEST(DrawText, CalcRectOfWrappedTextKeepsTheWidthAndGrowsByLines) {
    QImage canvas = Canvas(10, 10, kWhite);
    QPainter p(&canvas);
    p.setFont(ToQFont(CrispArial()));
    const QFontMetrics fm(p.font());
    QRect r(4, 6, 60, 5);
    DrawText(p, QStringLiteral("one two three four five six"), r, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(r.topLeft(), QPoint(4, 6));
    EXPECT_LE(r.width(), 60);
    EXPECT_GE(r.height(), 3 * fm.lineSpacing() - fm.leading());
    QRect line(0, 0, 300, 5);
    DrawText(p, QStringLiteral("A&&B &File"), line, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(line.width(), fm.horizontalAdvance(QStringLiteral("A&B File")));
}

TEST(RotatedText, OriginFollowsTheRotatedExtent) {
    SkinTextStyle s;  // centred, no insets
    const QRect rect(10, 20, 100, 60);
    // Upright 40 x 12 text: bottom centre at the middle of the rectangle plus half the height.
    s.horzAlign = 1, s.vertAlign = 1;
    EXPECT_EQ(RotatedTextOrigin(rect, s, 40, 12, 0), QPoint(10 + 50, 20 + (60 + 12) / 2));
    s.horzAlign = 0, s.vertAlign = 0;
    EXPECT_EQ(RotatedTextOrigin(rect, s, 40, 12, 0), QPoint(10 + 20, 20 + 12));
    s.horzAlign = 2, s.vertAlign = 2;
    EXPECT_EQ(RotatedTextOrigin(rect, s, 40, 12, 0), QPoint(10 + 100 - 20, 20 + 60));
    // Turned 90 degrees the text stands 12 wide and 40 high, its bottom facing right.
    s.horzAlign = 0, s.vertAlign = 0;
    EXPECT_EQ(RotatedTextOrigin(rect, s, 40, 12, 90), QPoint(10 + 12, 20 + 20));
    s.horzAlign = 1, s.vertAlign = 1;
    EXPECT_EQ(RotatedTextOrigin(rect, s, 40, 12, 90), QPoint(10 + (100 + 12) / 2, 20 + 30));
    // Insets shrink the rectangle first.
    s.leftOffset = 10, s.rightOffset = 20, s.topOffset = 4, s.bottomOffset = 6;
    EXPECT_EQ(RotatedTextOrigin(rect, s, 40, 12, 0), QPoint(20 + 35, 24 + (50 + 12) / 2));
}

TEST(RotatedText, NinetyDegreesStandsUpCentredInTheRectangle) {
    LogFont font = CrispArial(-20);
    font.escapement = 900;
    SkinTextStyle s;
    s.textColor = Color(0, 0, 255);
    QImage canvas = Canvas(100, 200, kWhite);
    {
        QPainter p(&canvas);
        DrawRotatedText(p, QStringLiteral("Vertical"), QRect(0, 0, 100, 200), font, s);
    }
    const QRect ink = Ink(canvas, qRgb(0, 0, 255));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.height(), 2 * ink.width());
    EXPECT_NEAR(ink.center().y(), 100, 3);
    EXPECT_NEAR(ink.center().x(), 50, 6);
}
