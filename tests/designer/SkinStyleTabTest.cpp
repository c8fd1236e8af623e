// Tab widgets in the test program's style: each tab in its state's picture for the side the tabs are on,
// the tabs sized from the pictures (and their captions), the state offsets, the strip behind the tabs and
// the page, the platform look without a record, and hostile records.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHoverEvent>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>

#include <memory>

#include "Resource/ResObjects/ResTabCtrl.h"
#include "SkinStyleTestSupport.h"
#include "platform/LogFontQt.h"

namespace {

using styletest::StyleFixture;

// Tab pictures are kLength along the strip and kDepth across it: top and bottom pictures are kLength x
// kDepth, left and right pictures lie on their side (kDepth along), kLength x kDepth as stored too.
constexpr int kLength = 60;
constexpr int kDepth = 20;
constexpr int kStripDepth = 26;
constexpr QSize kWidgetSize(320, 220);

// One colour per side and state (Normal, Press = selected, Disabled, Highlighted).
QColor TabColour(int side, int state) { return QColor(40 + 50 * side, 20 + 60 * state, 200 - 40 * state); }
QColor StripColour(int side, bool disabled) { return QColor(230 - 20 * side, 250, disabled ? 90 : 150); }

const QTabWidget::TabPosition kPositions[] = {QTabWidget::North, QTabWidget::South, QTabWidget::West,
                                              QTabWidget::East};

SkinTabCtrl& TabRecord(StyleFixture& f) {
    auto& t = previewtest::New<SkinTabCtrl>(f.doc, 16000);
    for (int side = 0; side < 4; ++side) {
        SkinTabSide& s = t.sides[side];
        const bool horizontal = side < 2;
        for (int state = 0; state < 4; ++state)
            s.items.images[state] = f.Solid("tab" + std::to_string(side) + std::to_string(state) + ".png", kLength,
                                            kDepth, TabColour(side, state));
        for (int d = 0; d < 2; ++d) {
            const QSize size = horizontal ? QSize(8, kStripDepth) : QSize(kStripDepth, 8);
            (d ? s.backgroundDisabled : s.backgroundNormal) =
                f.Solid("strip" + std::to_string(side) + std::to_string(d) + ".png", size.width(), size.height(),
                        StripColour(side, d));
        }
    }
    t.showText = 0;
    return t;
}

// Three tabs with empty pages, the first selected, the third disabled.
QTabWidget* NewTabs(QTabWidget::TabPosition position) {
    auto* tabs = new QTabWidget;
    tabs->setTabPosition(position);
    for (const char* title : {"General", "Images", "Text"}) tabs->addTab(new QWidget, QString::fromLatin1(title));
    tabs->setTabEnabled(2, false);
    return tabs;
}

// The centre of tab i in the tab widget's pixels.
QPoint TabCentre(QTabWidget* tabs, int i) {
    return tabs->tabBar()->mapTo(tabs, tabs->tabBar()->tabRect(i).center());
}

void HoverTab(QTabBar* bar, int i) {
    const QPointF at = bar->tabRect(i).center();
    QHoverEvent enter(QEvent::HoverEnter, at, bar->mapToGlobal(at), QPointF(-1, -1));
    QApplication::sendEvent(bar, &enter);
    QHoverEvent move(QEvent::HoverMove, at, bar->mapToGlobal(at), QPointF(-1, -1));
    QApplication::sendEvent(bar, &move);
}

class SkinStyleTabSideTest : public ::testing::TestWithParam<int> {};

TEST_P(SkinStyleTabSideTest, EachTabShowsItsStatePictureOfItsSide) {
    const int side = GetParam();
    StyleFixture f;
    TabRecord(f);
    std::unique_ptr<QTabWidget> tabs(f.Styled(NewTabs(kPositions[side]), kWidgetSize));

    // Tabs are as large as their pictures: a top or bottom tab kLength wide along the strip, a side tab
    // kLength wide across it and kDepth high along it, as its picture lies.
    EXPECT_EQ(tabs->tabBar()->tabRect(1).size(), QSize(kLength, kDepth));

    QImage image = StyleFixture::Grab(tabs.get());
    EXPECT_EQ(image.pixelColor(TabCentre(tabs.get(), 0)), TabColour(side, 1));  // selected: Press
    EXPECT_EQ(image.pixelColor(TabCentre(tabs.get(), 1)), TabColour(side, 0));
    EXPECT_EQ(image.pixelColor(TabCentre(tabs.get(), 2)), TabColour(side, 2));

    HoverTab(tabs->tabBar(), 1);
    image = StyleFixture::Grab(tabs.get());
    EXPECT_EQ(image.pixelColor(TabCentre(tabs.get(), 1)), TabColour(side, 3));
    EXPECT_EQ(image.pixelColor(TabCentre(tabs.get(), 0)), TabColour(side, 1));
}

INSTANTIATE_TEST_SUITE_P(AllSides, SkinStyleTabSideTest, ::testing::Values(0, 1, 2, 3));

TEST(SkinStyleTabTest, StripRunsBehindTheTabsAndTheDisabledStripShowsWhenDisabled) {
    StyleFixture f;
    TabRecord(f);
    std::unique_ptr<QTabWidget> tabs(f.Styled(NewTabs(QTabWidget::North), kWidgetSize));
    const QRect bar = tabs->tabBar()->geometry();
    // Beyond the last tab, two rows below the bar's top edge, and right at the widget's end.
    const QPoint beyond(kWidgetSize.width() - 3, bar.top() + 2);
    ASSERT_GT(beyond.x(), tabs->tabBar()->mapTo(tabs.get(), tabs->tabBar()->tabRect(2).topRight()).x());

    QImage image = StyleFixture::Grab(tabs.get());
    EXPECT_EQ(image.pixelColor(beyond), StripColour(0, false));
    // The page below the strip is the skin's button face.
    const QPoint page(kWidgetSize.width() / 2, bar.top() + kStripDepth + 20);
    EXPECT_EQ(image.pixelColor(page), previewtest::Q(f.doc.Env().SysColor(COLOR_BTNFACE)));

    tabs->setEnabled(false);
    image = StyleFixture::Grab(tabs.get());
    EXPECT_EQ(image.pixelColor(beyond), StripColour(0, true));
    EXPECT_EQ(image.pixelColor(TabCentre(tabs.get(), 0)), TabColour(0, 2));
}

TEST(SkinStyleTabTest, OffsetsMoveAndWidenTabs) {
    StyleFixture f;
    SkinTabCtrl& t = TabRecord(f);
    constexpr int kSink = 4, kWiden = 5;
    t.sides[0].vOffsets[0] = kSink;   // normal tabs sink towards the page
    t.sides[0].hOffsets[1] = kWiden;  // the selected tab widens at both ends
    std::unique_ptr<QTabWidget> tabs(f.Styled(NewTabs(QTabWidget::North), kWidgetSize));
    QTabBar* bar = tabs->tabBar();

    // The bar is deep enough for the sunk tabs.
    EXPECT_EQ(bar->tabRect(1).height(), kDepth + kSink);
    const QImage image = StyleFixture::Grab(tabs.get());
    const QRect normal(bar->mapTo(tabs.get(), bar->tabRect(1).topLeft()), bar->tabRect(1).size());
    const int x = normal.center().x();
    EXPECT_NE(image.pixelColor(x, normal.top() + kSink - 1), TabColour(0, 0));
    EXPECT_EQ(image.pixelColor(x, normal.top() + kSink), TabColour(0, 0));
    EXPECT_EQ(image.pixelColor(x, normal.top() + kSink + kDepth - 1), TabColour(0, 0));

    // The selected tab, drawn last, covers its neighbour's first pixels.
    EXPECT_EQ(image.pixelColor(normal.left() + kWiden - 1, normal.top() + kSink + 2), TabColour(0, 1));
    EXPECT_EQ(image.pixelColor(normal.left() + kWiden, normal.top() + kSink + 2), TabColour(0, 0));
}

TEST(SkinStyleTabTest, CaptionsUseTheRecordFontAndStateStyleAndWidenTheTab) {
    StyleFixture f;
    SkinTabCtrl& t = TabRecord(f);
    t.showText = 1;
    t.font.height = -16;
    const QColor ink(0, 0, 255);
    t.sides[0].items.styles[1].textColor = Color(0, 0, 255);
    const QString longTitle = QStringLiteral("A caption far longer than its picture");
    auto* raw = NewTabs(QTabWidget::North);
    raw->setTabText(0, longTitle);
    raw->setTabText(1, QStringLiteral("Ab"));
    std::unique_ptr<QTabWidget> tabs(f.Styled(raw, kWidgetSize + QSize(200, 0)));

    const int textWidth = QFontMetrics(vd::ToQFont(t.font)).horizontalAdvance(longTitle);
    ASSERT_GT(textWidth, kLength);
    const QRect selected = tabs->tabBar()->tabRect(0);
    EXPECT_GT(selected.width(), textWidth);
    EXPECT_EQ(tabs->tabBar()->tabRect(1).width(), kLength);  // a short caption keeps the picture's length

    const QImage image = StyleFixture::Grab(tabs.get());
    const QRect area(tabs->tabBar()->mapTo(tabs.get(), selected.topLeft()), selected.size());
    EXPECT_GT(previewtest::CountNear(image, area, ink, 40), 20);
}

TEST(SkinStyleTabTest, WithoutTabPicturesTheStandardTabsShowTheSkinsFace) {
    StyleFixture f;
    previewtest::New<SkinTabCtrl>(f.doc, 16000).showText = 0;
    std::unique_ptr<QTabWidget> tabs(f.Styled(NewTabs(QTabWidget::North), kWidgetSize));
    const QImage image = StyleFixture::Grab(tabs.get());
    EXPECT_EQ(image.pixelColor(TabCentre(tabs.get(), 1)), previewtest::Q(f.doc.Env().SysColor(COLOR_BTNFACE)));
}

TEST(SkinStyleTabTest, WithoutARecordTheTabsLookAsTheFusionStyleDrawsThem) {
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    for (QTabWidget::TabPosition position : kPositions) {
        StyleFixture f;
        std::unique_ptr<QTabWidget> skinned(f.Styled(NewTabs(position), kWidgetSize));
        std::unique_ptr<QTabWidget> plain(NewTabs(position));
        plain->setStyle(fusion.get());
        for (QWidget* child : plain->findChildren<QWidget*>()) child->setStyle(fusion.get());
        plain->resize(kWidgetSize);
        plain->setAttribute(Qt::WA_DontShowOnScreen);
        plain->show();
        EXPECT_EQ(StyleFixture::Grab(skinned.get()), StyleFixture::Grab(plain.get())) << position;
    }
}

TEST(SkinStyleTabTest, HostileRecordsNeverCrashAndKeepTabsBounded) {
    StyleFixture f;
    SkinTabCtrl& t = TabRecord(f);
    t.showText = 1;
    t.sides[0].vOffsets = {1000000000, -1000000000, 2147483647, -2147483647, 0};
    t.sides[0].hOffsets = {-2147483647, 2147483647, 1000000000, -5, 7};
    t.sides[1].items.images[0].right = 2000000000;  // a huge slice
    t.sides[2].items.images[0].right = -50;         // an inverted one
    t.sides[3].items.images[0].name = "missing.png";
    t.sides[3].items.images[0].image = nullptr;
    t.sides[0].backgroundNormal.bottom = -1000000000;
    t.sides[0].items.styles[0].leftOffset = 2000000000;
    t.sides[0].items.styles[0].topOffset = -2000000000;
    for (QTabWidget::TabPosition position : kPositions) {
        std::unique_ptr<QTabWidget> tabs(f.Styled(NewTabs(position), kWidgetSize));
        HoverTab(tabs->tabBar(), 1);
        EXPECT_FALSE(StyleFixture::Grab(tabs.get()).isNull());
        for (int i = 0; i < tabs->count(); ++i) {
            EXPECT_LE(tabs->tabBar()->tabRect(i).width(), 4096);
            EXPECT_LE(tabs->tabBar()->tabRect(i).height(), 4096);
        }
    }
}

}  // namespace
