// The tab-control preview: the four sample tabs laid along the strip of the chosen side, each as long as
// its own item picture, moved and widened by its state's offsets, the selected tab drawn last over its
// neighbours; the strip background; the standard tabs and page without pictures; the captions only with
// "ShowText". With VORNADESK_PREVIEW_PNG_DIR set, the rendered previews are also saved there for a look.

#include <gtest/gtest.h>

#include <array>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResTabCtrl.h"
#include "preview/PreviewKind.h"
#include "preview/TabCtrlPreview.h"

using namespace previewtest;
using vd::preview::RenderPreview;
using vd::preview::SelectorValues;

namespace {

// The tab pictures by state (Normal, Press, Disabled, Highlighted): width x height and colour.
constexpr std::array<QSize, 4> kTabSize = {QSize(50, 20), QSize(60, 24), QSize(40, 20), QSize(45, 20)};
const std::array<QColor, 4> kTabColour = {QColor(200, 30, 30), QColor(30, 200, 30), QColor(30, 30, 200),
                                          QColor(200, 200, 30)};
const QColor kBackground(150, 90, 20);

struct TabCtrlFixture : ::testing::Test {
    CSkinDocument doc{OtherMachine()};
    SkinTabCtrl* tabs = &New<SkinTabCtrl>(doc, 16000);

    QImage Render(int orientation) { return RenderPreview(doc, *tabs, SelectorValues{{"Orientation", orientation}}); }

    // The same pictures on every side, without captions so the pictures' colours stay whole.
    void AddPictures() {
        tabs->showText = 0;
        for (SkinTabSide& side : tabs->sides)
            for (size_t s = 0; s < 4; ++s)
                side.items.images[s] = AddPicture(doc, "tab" + std::to_string(s) + ".png",
                                                  Solid(kTabSize[s].width(), kTabSize[s].height(), kTabColour[s]));
    }
};

TEST_F(TabCtrlFixture, OpensAtItsPageSizeWithTheFourOrientations) {
    const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(16000);
    ASSERT_NE(kind, nullptr);
    EXPECT_STREQ(kind->tag, "tabctrl");
    EXPECT_EQ(kind->size(doc, *tabs), QSize(450, 300));
    ASSERT_EQ(kind->selectors.size(), 1u);
    const vd::preview::SelectorInfo& s = kind->selectors[0];
    EXPECT_STREQ(s.caption, "Orientation");
    EXPECT_EQ(s.initial, 0);
    EXPECT_EQ(s.Parse("ItemTop"), 0);
    EXPECT_EQ(s.Parse("ItemBottom"), 1);
    EXPECT_EQ(s.Parse("ItemLeft"), 2);
    EXPECT_EQ(s.Parse("ItemRight"), 3);
}

TEST_F(TabCtrlFixture, TopTabsFollowEachOtherAtTheirOwnWidths) {
    AddPictures();
    const QImage image = Render(0);
    SaveIfAsked(image, QStringLiteral("tabctrl-top"));
    // Inside the 10-pixel inset: x 10, 60, 120, 160, each from y 10 down at its own height.
    const int starts[] = {10, 60, 120, 160};
    for (int s = 0; s < 4; ++s) {
        const QRect expected(starts[s], 10, kTabSize[s].width(), kTabSize[s].height());
        EXPECT_EQ(vd::preview::TabSampleRect(*tabs, 0, s, QSize(450, 300)), expected) << s;
        EXPECT_EQ(Count(image, QRect(0, 0, 450, 300), kTabColour[s]), expected.width() * expected.height()) << s;
        EXPECT_EQ(At(image, expected.topLeft()), kTabColour[s]) << s;
        EXPECT_EQ(At(image, expected.bottomRight()), kTabColour[s]) << s;
    }
}

TEST_F(TabCtrlFixture, PressedOffsetsMoveTheSelectedTabOverItsNeighbours) {
    AddPictures();
    tabs->sides[0].hOffsets[1] = 5;
    tabs->sides[0].vOffsets[1] = 3;
    const QImage image = Render(0);
    SaveIfAsked(image, QStringLiteral("tabctrl-pressed-offsets"));
    // From x 60 - 5 to 60 + 60 + 5 - 1 = 124, and 3 pixels down: y 13 .. 36.
    const QRect selected(55, 13, 70, 24);
    EXPECT_EQ(vd::preview::TabSampleRect(*tabs, 0, 1, QSize(450, 300)), selected);
    EXPECT_EQ(Count(image, QRect(0, 0, 450, 300), kTabColour[1]), 70 * 24);
    // It covers the normal tab's last five columns and the disabled tab's first five.
    EXPECT_EQ(At(image, 54, 15), kTabColour[0]);
    EXPECT_EQ(At(image, 55, 15), kTabColour[1]);
    EXPECT_EQ(At(image, 56, 12), kTabColour[0]);
    EXPECT_EQ(At(image, 124, 15), kTabColour[1]);
    EXPECT_EQ(At(image, 125, 15), kTabColour[2]);
    EXPECT_EQ(Count(image, QRect(0, 0, 450, 300), kTabColour[0]), 50 * 20 - 5 * 17);
    EXPECT_EQ(Count(image, QRect(0, 0, 450, 300), kTabColour[2]), 40 * 20 - 5 * 17);
}

TEST_F(TabCtrlFixture, OtherTabsWidenToTheStartOnly) {
    AddPictures();
    tabs->sides[0].hOffsets[3] = 7;
    tabs->sides[0].vOffsets[3] = -2;
    tabs->sides[0].hOffsets[2] = 4;
    tabs->sides[0].hOffsets[0] = 4;
    EXPECT_EQ(vd::preview::TabSampleRect(*tabs, 0, 3, QSize(450, 300)), QRect(160 - 7, 8, 45 + 7, 20));
    EXPECT_EQ(vd::preview::TabSampleRect(*tabs, 0, 2, QSize(450, 300)), QRect(120 - 4, 10, 40 + 4, 20));
    // Drawn in state order, the highlighted tab covers the disabled tab's end.
    const QImage image = Render(0);
    EXPECT_EQ(At(image, 155, 15), kTabColour[3]);
    EXPECT_EQ(At(image, 152, 15), kTabColour[2]);
    // The disabled tab's widening lies under the selected tab, drawn last; the first tab's reaches out of
    // the strip's start into the inset.
    EXPECT_EQ(At(image, 116, 15), kTabColour[1]);
    EXPECT_EQ(At(image, 6, 15), kTabColour[0]);
    EXPECT_EQ(At(image, 5, 15), Q(doc.Env().colors[COLOR_BTNFACE]));
    // A widening that eats the whole tab leaves nothing of it.
    tabs->sides[0].hOffsets[2] = -40;
    EXPECT_TRUE(vd::preview::TabSampleRect(*tabs, 0, 2, QSize(450, 300)).isEmpty());
}

TEST_F(TabCtrlFixture, EverySideLaysItsTabsAlongItsOwnEdge) {
    AddPictures();
    for (SkinTabSide& side : tabs->sides) side.vOffsets[0] = 2;
    // Bottom: along x, at the bottom edge (y 290 exclusive), the offset moving them up towards the page.
    // Left and right: along y, each tab as long as its picture is high and as thick as it is wide.
    const int along[] = {10, 60, 120, 160};
    const int down[] = {10, 30, 54, 74};
    for (int s = 0; s < 4; ++s) {
        const int w = kTabSize[s].width(), h = kTabSize[s].height(), shift = s == 0 ? 2 : 0;
        EXPECT_EQ(vd::preview::TabSampleRect(*tabs, 1, s, QSize(450, 300)), QRect(along[s], 290 - h - shift, w, h)) << s;
        EXPECT_EQ(vd::preview::TabSampleRect(*tabs, 2, s, QSize(450, 300)), QRect(10 + shift, down[s], w, h)) << s;
        EXPECT_EQ(vd::preview::TabSampleRect(*tabs, 3, s, QSize(450, 300)), QRect(440 - w - shift, down[s], w, h)) << s;
    }
    for (int orientation = 1; orientation < 4; ++orientation) {
        const QImage image = Render(orientation);
        SaveIfAsked(image, QStringLiteral("tabctrl-%1").arg(orientation));
        for (int s = 0; s < 4; ++s) {
            const QRect r = vd::preview::TabSampleRect(*tabs, orientation, s, QSize(450, 300));
            EXPECT_EQ(Count(image, QRect(0, 0, 450, 300), kTabColour[s]), r.width() * r.height()) << orientation;
            EXPECT_EQ(At(image, r.center()), kTabColour[s]) << orientation << " " << s;
        }
    }
}

TEST_F(TabCtrlFixture, BackgroundRunsAlongTheStripAtItsOwnThickness) {
    AddPictures();
    tabs->sides[0].backgroundNormal = AddPicture(doc, "bk.png", Solid(10, 8, kBackground));
    tabs->sides[0].backgroundDisabled = AddPicture(doc, "bkoff.png", Solid(10, 8, Qt::black));
    tabs->sides[3].backgroundNormal = AddPicture(doc, "rbk.png", Solid(6, 10, kBackground));
    const QImage top = Render(0);
    EXPECT_EQ(At(top, 300, 10), kBackground);
    EXPECT_EQ(At(top, 439, 17), kBackground);
    EXPECT_EQ(At(top, 300, 18), Q(doc.Env().colors[COLOR_BTNFACE]));
    EXPECT_EQ(At(top, 440, 12), Q(doc.Env().colors[COLOR_BTNFACE]));
    EXPECT_EQ(Count(top, QRect(0, 0, 450, 300), Qt::black), 0);
    const QImage right = Render(3);
    EXPECT_EQ(At(right, 434, 200), kBackground);
    EXPECT_EQ(At(right, 439, 289), kBackground);
    EXPECT_EQ(At(right, 433, 200), Q(doc.Env().colors[COLOR_BTNFACE]));
}

TEST_F(TabCtrlFixture, AStateWithoutItsPictureShowsTheNormalOne) {
    AddPictures();
    tabs->sides[0].items.images[1] = SkinImageBase();
    EXPECT_EQ(vd::preview::TabSampleRect(*tabs, 0, 1, QSize(450, 300)), QRect(60, 10, 50, 20));
    EXPECT_EQ(vd::preview::TabSampleRect(*tabs, 0, 2, QSize(450, 300)), QRect(110, 10, 40, 20));
    const QImage image = Render(0);
    EXPECT_EQ(Count(image, QRect(0, 0, 450, 300), kTabColour[0]), 2 * 50 * 20);
    EXPECT_EQ(Count(image, QRect(0, 0, 450, 300), kTabColour[1]), 0);
}

TEST_F(TabCtrlFixture, CaptionsOnlyWithShowTextInEachStatesStyle) {
    AddPictures();
    const std::array<QColor, 4> ink = {QColor(255, 255, 255), QColor(0, 0, 0), QColor(255, 128, 0),
                                       QColor(0, 255, 255)};
    for (size_t s = 0; s < 4; ++s) tabs->sides[0].items.styles[s].textColor = Color(ink[s].red(), ink[s].green(), ink[s].blue());
    const QImage plain = Render(0);
    tabs->showText = 1;
    const QImage captioned = Render(0);
    SaveIfAsked(captioned, QStringLiteral("tabctrl-captions"));
    for (int s = 0; s < 4; ++s) {
        const QRect r = vd::preview::TabSampleRect(*tabs, 0, s, QSize(450, 300));
        EXPECT_EQ(CountNear(plain, r, ink[s], 40), 0) << s;
        EXPECT_GT(CountNear(captioned, r, ink[s], 40), 5) << s;
    }
}

TEST_F(TabCtrlFixture, CaptionsStayInsideTheirTabsOnEverySide) {
    AddPictures();
    tabs->showText = 1;
    const QColor ink(255, 128, 0);
    for (SkinTabSide& side : tabs->sides)
        for (SkinTextStyle& style : side.items.styles) style.textColor = Color(ink.red(), ink.green(), ink.blue());
    for (int orientation = 0; orientation < 4; ++orientation) {
        const QImage image = Render(orientation);
        SaveIfAsked(image, QStringLiteral("tabctrl-captions-%1").arg(orientation));
        int inside = 0;
        for (int s = 0; s < 4; ++s) {
            const QRect r = vd::preview::TabSampleRect(*tabs, orientation, s, QSize(450, 300));
            const int here = CountNear(image, r, ink, 40);
            EXPECT_GT(here, 5) << orientation << " " << s;
            inside += here;
        }
        // "Highlighted" and "DISABLE" are wider than their 45- and 40-pixel tabs: what does not fit is cut.
        EXPECT_EQ(CountNear(image, QRect(0, 0, 450, 300), ink, 40), inside) << orientation;
    }
}

// The bounding box of the pixels near `ink` inside area.
QRect InkBox(const QImage& image, const QRect& area, QColor ink) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (CountNear(image, QRect(x, y, 1, 1), ink, 40)) box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(TabCtrlFixture, SideCaptionsRunAlongTallTabsAndStayUprightInWideOnes) {
    const QColor ink(255, 128, 0);
    for (SkinTabSide& side : tabs->sides) side.items.styles[0].textColor = Color(ink.red(), ink.green(), ink.blue());
    for (int orientation : {2, 3}) {
        // Standard tabs on the sides are 22 wide and 80 tall: "Normal" runs along them.
        const QImage standard = Render(orientation);
        const QRect along = InkBox(standard, vd::preview::TabSampleRect(*tabs, orientation, 0, QSize(450, 300)), ink);
        EXPECT_GT(along.height(), along.width()) << orientation;
        // Pictures 50 wide and 20 tall: the caption stays upright.
        AddPictures();
        tabs->showText = 1;
        const QImage pictured = Render(orientation);
        const QRect upright = InkBox(pictured, vd::preview::TabSampleRect(*tabs, orientation, 0, QSize(450, 300)), ink);
        EXPECT_GT(upright.width(), upright.height()) << orientation;
        for (SkinTabSide& side : tabs->sides) side.items.images = {};
    }
}

TEST_F(TabCtrlFixture, WithoutPicturesStandardTabsOnARaisedPage) {
    const SystemEnvironment& env = doc.Env();
    const QColor face = Q(env.colors[COLOR_BTNFACE]), dark = Q(env.colors[COLOR_3DDKSHADOW]);
    tabs->showText = 0;
    for (int orientation = 0; orientation < 4; ++orientation) {
        const QImage image = Render(orientation);
        SaveIfAsked(image, QStringLiteral("tabctrl-standard-%1").arg(orientation));
        // Four 68 x 22 tabs (22 x 68 on the left and right) one after the other.
        for (int s = 0; s < 4; ++s) {
            const QRect r = vd::preview::TabSampleRect(*tabs, orientation, s, QSize(450, 300));
            const bool horizontal = orientation < 2;
            EXPECT_EQ(r.size(), horizontal ? QSize(68, 22) : QSize(22, 68)) << orientation;
            EXPECT_EQ(horizontal ? r.left() : r.top(), 10 + 68 * s) << orientation;
            EXPECT_EQ(At(image, r.center()), face) << orientation;
        }
        // All four fit along the page, on the sides too: 10 + 4 * 68 = 282 < 290.
        EXPECT_LE(vd::preview::TabSampleRect(*tabs, orientation, 3, QSize(450, 300)).bottom(), 289) << orientation;
    }
    const QImage top = Render(0);
    // The page below the tabs, y 32 .. 289, with its dark outer edge at the right and bottom, and the
    // last tab's right edge (x 281) dark too. The selected tab (x 78 .. 145) stands out two pixels all
    // round: its dark right edge at x 147, its face over the page's top edge at y 32 and 33.
    const QColor light = Q(env.colors[COLOR_3DLIGHT]);
    EXPECT_EQ(At(top, 200, 289), dark);
    EXPECT_EQ(At(top, 439, 200), dark);
    EXPECT_EQ(At(top, 281, 20), dark);
    EXPECT_EQ(At(top, 147, 20), dark);
    EXPECT_EQ(At(top, 76, 20), light);
    EXPECT_EQ(At(top, 110, 33), face);
    EXPECT_EQ(At(top, 110, 8), light);
    EXPECT_NE(At(top, 180, 31), dark);
    // With captions, each tab shows its state's name in its text colour.
    tabs->showText = 1;
    tabs->sides[0].items.styles[2].textColor = Color(255, 255, 0);
    const QImage captioned = Render(0);
    EXPECT_GT(CountNear(captioned, vd::preview::TabSampleRect(*tabs, 0, 2, QSize(450, 300)), QColor(255, 255, 0), 40), 5);
}

TEST_F(TabCtrlFixture, OrientationOutOfRangeShowsTheTopSide) {
    AddPictures();
    tabs->sides[0].backgroundNormal = AddPicture(doc, "bk.png", Solid(10, 8, kBackground));
    EXPECT_EQ(Render(7), Render(0));
    EXPECT_EQ(Render(-1), Render(0));
    EXPECT_TRUE(vd::preview::TabSampleRect(*tabs, 4, 0, QSize(450, 300)).isEmpty());
    EXPECT_TRUE(vd::preview::TabSampleRect(*tabs, 0, 4, QSize(450, 300)).isEmpty());
}

}  // namespace
