// The status bar and progress pages: their grids (categories, captions, order, enum labels), each row
// writing its own member in one undoable step, the status bar page ignoring clicks, and the progress
// page's "Postion" row choosing the preview without touching the skin.

#include <gtest/gtest.h>

#include "PageTestSupport.h"
#include "Resource/ResObjects/ResProgressBar.h"
#include "Resource/ResObjects/ResStatusBar.h"
#include "designer/pages/ProgressProperty.h"
#include "designer/pages/StatusBarProperty.h"
#include "designer/propertygrid/PropertyValueTypes.h"

using namespace vd;

namespace {

using pagetest::Captions;
using pagetest::Chosen;
using pagetest::EnumCaptions;

// ---- status bars ----

using StatusBarPage = pagetest::PageFixture<CStatusBarProperty, 5000>;

TEST_F(StatusBarPage, GridCategoriesAndRows) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")),
              QStringList({"ItemImage", "LastItemImage", "ItemTextStyle", "ItemFont", "GripperImage"}));
    EXPECT_TRUE(row("General")->isExpanded());
    EXPECT_TRUE(row("Appearance")->isExpanded());
    EXPECT_EQ(page.PreviewSize(), QSize(600, 25));
}

TEST_F(StatusBarPage, RowsWriteTheirMembers) {
    commit("Appearance/ItemImage", QVariant::fromValue(Chosen("item.png")));
    commit("Appearance/LastItemImage", QVariant::fromValue(Chosen("last.png")));
    commit("Appearance/GripperImage", QVariant::fromValue(Chosen("grip.png")));
    SkinTextStyle style = SkinTextStyle::Fresh(session.Document().Env());
    style.horzAlign = 0;
    style.textColor = Color(1, 2, 3);
    commit("Appearance/ItemTextStyle", QVariant::fromValue(style));
    LogFont font;
    font.faceName = "Courier New";
    commit("Appearance/ItemFont", QVariant::fromValue(font));
    const SkinStatusBar& bar = record();
    EXPECT_EQ(bar.itemImage, Chosen("item.png"));
    EXPECT_EQ(bar.lastItemImage, Chosen("last.png"));
    EXPECT_EQ(bar.gripper, Chosen("grip.png")) << "GripperImage is the member stored as ScrollImage";
    EXPECT_EQ(bar.background, SkinImageBase{});
    EXPECT_EQ(bar.itemTextStyle, style);
    EXPECT_EQ(bar.font, font);
    session.UndoStack().undo();
    EXPECT_EQ(record().font, LogFont{});
}

TEST_F(StatusBarPage, AClickOnThePreviewDoesNothing) {
    page.SetPreviewRect(Rect{0, 0, 600, 25});
    const SkinStatusBar before = record();
    EXPECT_EQ(page.OnLButtonDown(QPoint(10, 10)), -1);
    EXPECT_EQ(record(), before);
    EXPECT_EQ(session.UndoStack().count(), steps);
}

// ---- progress bars ----

class ProgressPage : public pagetest::PageFixture<CProgressProperty, 6000> {
protected:
    int shownPosition() { return vd::preview::SelectorValue(page.PreviewSelectors(), "Postion", 50); }
};

TEST_F(ProgressPage, GridCategoriesRowsAndLabels) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance", "Action"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")), QStringList({"ImageProgress", "ColorProgress", "Text", "Type"}));
    EXPECT_EQ(Captions(row("Appearance/ImageProgress")), QStringList({"Background", "Foreground", "SmoothForeImage"}));
    EXPECT_EQ(Captions(row("Appearance/ColorProgress")),
              QStringList({"BackStart Color", "BackEnd Color", "BackDrawType", "ForeStartColor", "ForeEndColor",
                           "ForeDrawType", "3DHighlightColor", "3DShadowColor"}));
    EXPECT_EQ(Captions(row("Appearance/Text")),
              QStringList({"Text", "NormalColor", "HighlightColor", "BarTextStyle", "TextFont", "Show Text"}));
    EXPECT_EQ(Captions(row("Action")), QStringList({"Postion"}));
    for (const char* group : {"Appearance/ImageProgress", "Appearance/ColorProgress", "Appearance/Text"})
        EXPECT_TRUE(row(group)->isCategory()) << group;
    for (const char* category : {"General", "Appearance", "Action"}) EXPECT_TRUE(row(category)->isExpanded());

    EXPECT_EQ(EnumCaptions(row("Appearance/ColorProgress/BackDrawType")),
              QStringList({"GradientHorz=0", "GradientVert=1", "Recursive=2"}));
    EXPECT_EQ(EnumCaptions(row("Appearance/ColorProgress/ForeDrawType")),
              QStringList({"GradientH=0", "GradientV=1", "Recursive=2"}));
    EXPECT_EQ(EnumCaptions(row("Appearance/Type")), QStringList({"ImageBlock=0", "ImageSmooth=1", "Color=2"}));
    EXPECT_EQ(page.PreviewSize(), QSize(500, 300));
}

TEST_F(ProgressPage, ImageAndColourRowsWriteTheirMembers) {
    commit("Appearance/ImageProgress/Background", QVariant::fromValue(Chosen("bk.png")));
    commit("Appearance/ImageProgress/Foreground", QVariant::fromValue(Chosen("fg.png")));
    commit("Appearance/ImageProgress/SmoothForeImage", QVariant::fromValue(Chosen("smooth.png")));
    const std::pair<const char*, Color SkinProgressBar::*> colours[] = {
        {"ColorProgress/BackStart Color", &SkinProgressBar::bkStart},
        {"ColorProgress/BackEnd Color", &SkinProgressBar::bkEnd},
        {"ColorProgress/ForeStartColor", &SkinProgressBar::fgStart},
        {"ColorProgress/ForeEndColor", &SkinProgressBar::fgEnd},
        {"ColorProgress/3DHighlightColor", &SkinProgressBar::highlight3d},
        {"ColorProgress/3DShadowColor", &SkinProgressBar::shadow3d},
        {"Text/NormalColor", &SkinProgressBar::textNormal},
        {"Text/HighlightColor", &SkinProgressBar::textOver},
    };
    int n = 0;
    for (const auto& [path, member] : colours) {
        SkinProgressBar expected = record();
        ++n;  // its own statement: the two arguments below must see the same n
        const Color c(10 * n, 3, 200 - n);
        expected.*member = c;
        commit(QStringLiteral("Appearance/") + path, QVariant::fromValue(c));
        EXPECT_EQ(record(), expected) << path;
    }
    EXPECT_EQ(record().background, Chosen("bk.png"));
    EXPECT_EQ(record().foreground, Chosen("fg.png"));
    EXPECT_EQ(record().foregroundSmooth, Chosen("smooth.png"));
}

TEST_F(ProgressPage, TypeTextAndFontRowsWriteTheirMembers) {
    commit("Appearance/ColorProgress/BackDrawType", 2);
    commit("Appearance/ColorProgress/ForeDrawType", 1);
    commit("Appearance/Type", 2);
    commit("Appearance/Text/Text", QStringLiteral("%.1f percent"));
    commit("Appearance/Text/Show Text", true);
    SkinTextStyle style = SkinTextStyle::Fresh(session.Document().Env());
    style.vertAlign = 2;
    commit("Appearance/Text/BarTextStyle", QVariant::fromValue(style));
    LogFont font;
    font.weight = 700;
    commit("Appearance/Text/TextFont", QVariant::fromValue(font));
    const SkinProgressBar& p = record();
    EXPECT_EQ(p.bkDrawType, 2);
    EXPECT_EQ(p.fgDrawType, 1);
    EXPECT_EQ(p.drawType, 2);
    EXPECT_EQ(p.textFormat, "%.1f percent");
    EXPECT_EQ(p.showText, 1);
    EXPECT_EQ(p.barTextStyle, style);
    EXPECT_EQ(p.font, font);
    EXPECT_EQ(p.bkStep, 5) << "the steps have no row";
    EXPECT_EQ(p.r, 0);

    // The pattern keeps the file's 256-byte limit.
    commit("Appearance/Text/Text", QString(400, QLatin1Char('x')));
    EXPECT_EQ(record().textFormat, std::string(255, 'x'));
}

TEST_F(ProgressPage, PostionOnlyRedrawsThePreview) {
    const SkinProgressBar before = record();
    EXPECT_EQ(shownPosition(), 50);
    ASSERT_TRUE(grid.commitValue(row("Action/Postion"), 100));
    EXPECT_EQ(shownPosition(), 100);
    EXPECT_EQ(session.UndoStack().count(), steps) << "not a change of the skin";
    EXPECT_EQ(record(), before);

    // The preview follows it: at 100 the plain foreground fills the horizontal bar.
    auto draw = [&] { return drawPreview(QSize(500, 300)); };
    EXPECT_EQ(draw().pixelColor(488, 20), QColor(49, 106, 197));
    ASSERT_TRUE(grid.commitValue(row("Action/Postion"), 0));
    EXPECT_EQ(draw().pixelColor(11, 20), QColor(Qt::white));
    EXPECT_EQ(record(), before);
}

}  // namespace
