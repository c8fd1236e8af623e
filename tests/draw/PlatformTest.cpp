// The Windows stand-ins: system colours and metrics, LOGFONT to QFont, edges, frame controls and arrows.
// Frame controls are checked at the pixels where the classic look puts each system colour.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include "DrawTestSupport.h"
#include "platform/ArrowGlyphs.h"
#include "platform/FrameControls.h"
#include "platform/FrameEdges.h"
#include "platform/LogFontQt.h"
#include "platform/SystemColors.h"

using namespace drawtest;
using namespace vd;

namespace {

constexpr QRgb kBackground = 0xFF123456;
constexpr QRgb kHighlight = 0xFFFFFFFF, kLight = 0xFFE3E3E3, kFace = 0xFFF0F0F0, kShadow = 0xFFA0A0A0,
               kDark = 0xFF696969, kFrame = 0xFF646464, kBlack = 0xFF000000;

QImage Control(QSize size, uint32_t type, uint32_t state, const SystemEnvironment& env = SystemEnvironment::Default()) {
    QImage canvas = Canvas(size.width(), size.height(), kBackground);
    QPainter p(&canvas);
    QRect r(QPoint(0, 0), size);
    EXPECT_TRUE(DrawFrameControl(p, r, type, state, env));
    return canvas;
}

struct Sample {
    int x, y;
    QRgb color;
};

void ExpectPixels(const QImage& image, std::initializer_list<Sample> samples, const char* what) {
    for (const Sample& s : samples)
        EXPECT_EQ(Hex(Raw(image, s.x, s.y)), Hex(s.color)) << what << " at " << s.x << "," << s.y;
}

}  // namespace

TEST(SystemColors, ComeFromTheEnvironmentTable) {
    EXPECT_EQ(SysColor(COLOR_BTNFACE), QColor(240, 240, 240));
    EXPECT_EQ(SysColor(COLOR_HIGHLIGHT), QColor(0, 120, 215));
    EXPECT_EQ(SysColor(COLOR_INFOBK), QColor(255, 255, 225));
    EXPECT_EQ(SystemMetric(SM_CXHSCROLL), 17);
    EXPECT_EQ(SystemMetric(SM_CYVSCROLL), 17);
    SystemEnvironment other = SystemEnvironment::Default();
    other.colors[COLOR_BTNFACE] = Color(1, 2, 3);
    EXPECT_EQ(SysColor(COLOR_BTNFACE, other), QColor(1, 2, 3));
    EXPECT_EQ(FromQRect(ToQRect(Rect{3, 4, 10, 6})), (Rect{3, 4, 10, 6}));
    EXPECT_EQ(ToQRect(Rect{3, 4, 10, 6}).width(), 7);
}

TEST(LogFontToQFont, FaceSizeAndStyle) {
    LogFont lf;  // Arial, -12, 400
    QFont f = ToQFont(lf);
    EXPECT_EQ(QFontInfo(f).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(f.pixelSize(), 12);
    EXPECT_EQ(f.weight(), QFont::Normal);
    EXPECT_FALSE(f.italic() || f.underline() || f.strikeOut());

    lf.height = 16;  // a cell height: ascent + descent
    const QFontMetrics fm(ToQFont(lf));
    EXPECT_NEAR(fm.ascent() + fm.descent(), 16, 1);
    EXPECT_LT(ToQFont(lf).pixelSize(), 16);

    lf.weight = 700, lf.italic = 1, lf.underline = 1, lf.strikeOut = 1, lf.escapement = 900;
    lf.quality = NONANTIALIASED_QUALITY;
    f = ToQFont(lf);
    EXPECT_EQ(f.weight(), QFont::Bold);
    EXPECT_TRUE(f.italic() && f.underline() && f.strikeOut());
    EXPECT_TRUE(f.styleStrategy() & QFont::NoAntialias);
    EXPECT_DOUBLE_EQ(EscapementDegrees(lf), 90.0);

    lf.faceName = "Times New Roman";
    EXPECT_EQ(QFontInfo(ToQFont(lf)).family(), QStringLiteral("Liberation Serif"));
    lf.faceName = "Courier New";
    EXPECT_EQ(QFontInfo(ToQFont(lf)).family(), QStringLiteral("Liberation Mono"));
    lf.weight = 0;
    EXPECT_EQ(ToQFont(lf).weight(), QFont::Normal);
}

TEST(Edges, Draw3dRectOwnsTheCornersLikeMfc) {
    QImage canvas = Canvas(9, 8, kBackground);
    {
        QPainter p(&canvas);
        Draw3dRect(p, QRect(2, 2, 5, 4), Qt::red, Qt::blue);
    }
    const QRgb red = 0xFFFF0000, blue = 0xFF0000FF;
    ExpectPixels(canvas,
                 {{2, 2, red}, {5, 2, red}, {6, 2, blue}, {2, 4, red}, {2, 5, blue}, {6, 5, blue}, {4, 5, blue},
                  {4, 3, kBackground}, {1, 1, kBackground}, {7, 6, kBackground}},
                 "3d rect");
}

TEST(Edges, EtchedEdgeAdjustsAndFillsTheMiddle) {
    QImage canvas = Canvas(10, 10, kBackground);
    QRect r(0, 0, 10, 10);
    {
        QPainter p(&canvas);
        DrawEdge(p, r, EDGE_ETCHED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    }
    EXPECT_EQ(r, QRect(2, 2, 6, 6));
    ExpectPixels(canvas, {{0, 0, kShadow}, {1, 1, kHighlight}, {9, 9, kHighlight}, {8, 8, kShadow}, {5, 5, kFace}},
                 "etched");

    QImage raised = Canvas(6, 6, kBackground);
    {
        QPainter p(&raised);
        DrawRaisedFrame(p, QRect(0, 0, 6, 6));
    }
    ExpectPixels(raised, {{0, 0, kLight}, {1, 1, kHighlight}, {5, 5, kDark}, {4, 4, kShadow}, {2, 2, kBackground}},
                 "raised frame");

    QImage sides = Canvas(10, 10, kBackground);
    QRect s(0, 0, 10, 10);
    {
        QPainter p(&sides);
        DrawEdge(p, s, EDGE_SUNKEN, BF_TOP | BF_LEFT | BF_ADJUST);
        DrawEtchedLine(p, QPoint(4, 6), 3, Qt::Horizontal);
    }
    EXPECT_EQ(s, QRect(2, 2, 8, 8));
    ExpectPixels(sides,
                 {{0, 0, kShadow}, {1, 1, kDark}, {9, 5, kBackground}, {5, 9, kBackground}, {4, 6, kShadow},
                  {6, 7, kHighlight}, {7, 6, kBackground}},
                 "sunken top-left");
}

TEST(FrameControls, PushButtonLooks) {
    const QSize size(20, 10);
    const QImage plain = Control(size, DFC_BUTTON, DFCS_BUTTONPUSH);
    ExpectPixels(plain,
                 {{0, 0, kHighlight}, {18, 0, kHighlight}, {19, 0, kDark}, {0, 9, kDark}, {1, 1, kLight},
                  {18, 8, kShadow}, {10, 5, kFace}},
                 "plain");
    ExpectPixels(Control(size, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED),
                 {{0, 0, kDark}, {1, 1, kShadow}, {19, 9, kHighlight}, {18, 8, kLight}, {10, 5, kFace}}, "pushed");
    ExpectPixels(Control(size, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_DEFAULTBUTTON),
                 {{0, 0, kFrame}, {19, 9, kFrame}, {1, 1, kHighlight}, {18, 8, kDark}}, "default");
    ExpectPixels(Control(size, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_DEFAULTBUTTON | DFCS_PUSHED),
                 {{0, 0, kFrame}, {1, 1, kShadow}, {18, 8, kShadow}, {2, 2, kFace}}, "default pushed");
    // The classic look draws inactive and hot buttons like plain ones; their captions differ.
    EXPECT_EQ(Control(size, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_INACTIVE), plain);
    EXPECT_EQ(Control(size, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_HOT), plain);

    SystemEnvironment other = SystemEnvironment::Default();
    other.colors[COLOR_BTNFACE] = Color(1, 2, 3);
    EXPECT_EQ(Raw(Control(size, DFC_BUTTON, DFCS_BUTTONPUSH, other), 10, 5), qRgb(1, 2, 3));

    QImage canvas = Canvas(20, 10, kBackground);
    QPainter p(&canvas);
    QRect r(0, 0, 20, 10);
    DrawFrameControl(p, r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
    EXPECT_EQ(r, QRect(2, 2, 16, 6));
    EXPECT_FALSE(DrawFrameControl(p, r, DFC_CAPTION, 0));
}

TEST(FrameControls, CheckBoxLooks) {
    const QSize size(14, 14);
    const std::initializer_list<Sample> edges = {
        {0, 0, kShadow}, {1, 1, kDark}, {13, 13, kHighlight}, {12, 12, kLight}, {13, 0, kHighlight}};
    const QImage unchecked = Control(size, DFC_BUTTON, DFCS_BUTTONCHECK);
    ExpectPixels(unchecked, edges, "unchecked");
    ExpectPixels(unchecked, {{2, 2, kHighlight}, {6, 6, kHighlight}, {3, 5, kHighlight}}, "unchecked inside");
    ExpectPixels(Control(size, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED),
                 {{3, 5, kBlack}, {6, 6, kBlack}, {9, 3, kBlack}, {2, 2, kHighlight}, {9, 8, kHighlight}}, "checked");
    ExpectPixels(Control(size, DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED),
                 {{6, 6, kShadow}, {2, 2, kHighlight}, {3, 2, kFace}}, "three-state");
    ExpectPixels(Control(size, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE),
                 {{6, 6, kShadow}, {2, 2, kFace}}, "inactive");
    ExpectPixels(Control(size, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_PUSHED), {{6, 6, kFace}, {1, 1, kDark}}, "pushed");
    EXPECT_EQ(Control(size, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_HOT),
              Control(size, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED));
}

TEST(FrameControls, RadioButtonLooks) {
    const QSize size(13, 13);
    ExpectPixels(Control(size, DFC_BUTTON, DFCS_BUTTONRADIO),
                 {{6, 6, kHighlight}, {0, 6, kShadow}, {12, 6, kHighlight}, {1, 6, kDark}, {0, 0, kBackground}},
                 "radio");
    ExpectPixels(Control(size, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED), {{6, 6, kBlack}, {3, 6, kHighlight}},
                 "radio checked");
    ExpectPixels(Control(size, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_INACTIVE),
                 {{6, 6, kShadow}, {3, 6, kFace}}, "radio inactive");
}

TEST(FrameControls, ScrollArrowsPointTheirWayAndPressDownRight) {
    const QSize size(17, 17);  // SM_CXHSCROLL
    struct Case {
        uint32_t state;
        QRect ink;
        QPoint wide, tip, besideTip;
    };
    for (const Case& c : {Case{DFCS_SCROLLDOWN, {5, 6, 7, 4}, {5, 6}, {8, 9}, {7, 9}},
                          Case{DFCS_SCROLLUP, {5, 6, 7, 4}, {5, 9}, {8, 6}, {7, 6}},
                          Case{DFCS_SCROLLLEFT, {6, 5, 4, 7}, {9, 5}, {6, 8}, {6, 7}},
                          Case{DFCS_SCROLLRIGHT, {6, 5, 4, 7}, {6, 5}, {9, 8}, {9, 7}}}) {
        const QImage image = Control(size, DFC_SCROLL, c.state);
        EXPECT_EQ(Ink(image, kBlack), c.ink) << c.state;
        EXPECT_EQ(Raw(image, c.wide.x(), c.wide.y()), kBlack) << c.state;
        EXPECT_EQ(Raw(image, c.tip.x(), c.tip.y()), kBlack) << c.state;
        EXPECT_EQ(Raw(image, c.besideTip.x(), c.besideTip.y()), kFace) << c.state;
        ExpectPixels(image, {{0, 0, kLight}, {1, 1, kHighlight}, {16, 16, kDark}, {15, 15, kShadow}}, "arrow edge");
    }
    const QImage pushed = Control(size, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED);
    EXPECT_EQ(Ink(pushed, kBlack), QRect(6, 7, 7, 4));
    ExpectPixels(pushed, {{0, 0, kShadow}, {16, 16, kShadow}, {1, 1, kFace}}, "pushed arrow");
    const QImage inactive = Control(size, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE);
    EXPECT_TRUE(Ink(inactive, kBlack).isEmpty());
    EXPECT_EQ(Ink(inactive.copy(2, 2, 13, 13), kShadow).translated(2, 2), QRect(5, 6, 7, 4));  // inside the edge
    EXPECT_EQ(Raw(inactive, 12, 7), kHighlight);
    EXPECT_EQ(Control(size, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_HOT), Control(size, DFC_SCROLL, DFCS_SCROLLDOWN));
}

TEST(ArrowGlyphs, MarlettArrowsSitWhereAlignedText) {
    QImage canvas = Canvas(30, 20, kBackground);
    QPainter p(&canvas);
    QRect down, right;
    EXPECT_TRUE(DrawMarlettArrow(p, QRect(0, 0, 30, 20), '6', 12, Qt::black, 0x2 | 0x4, &down));
    EXPECT_EQ(down, QRect(20, 8, 7, 4));
    EXPECT_TRUE(DrawMarlettArrow(p, QRect(0, 0, 30, 20), '8', 12, Qt::black, 0x1, &right));
    EXPECT_EQ(right, QRect(9 + 4, 0 + 2, 4, 7));  // centred cell at x 9, top-aligned at y 0
    EXPECT_FALSE(DrawMarlettArrow(p, QRect(0, 0, 30, 20), 'x', 12, Qt::black, 0));
    p.end();
    EXPECT_EQ(Raw(canvas, 20, 8), kBlack);
    EXPECT_EQ(Raw(canvas, 20, 11), kBackground);
    EXPECT_EQ(Raw(canvas, 13, 2), kBlack);
    EXPECT_EQ(Raw(canvas, 16, 5), kBlack);
    EXPECT_EQ(PointTenthsToPixels(90, 96), 12);
}
