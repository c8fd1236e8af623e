// The scroll-bar and header pages: their grids (categories, captions in order, sub-categories, the
// scroll bar's "Action" rows), every picture row writing the record index its label names (Normal 0,
// Press/Pressed 1, Hot/Highlighted 3, Disabled 2) in one undoable step, the number, style and font rows
// writing their members, and the scroll bar's Max, PageSize and Pos changing the preview and nothing else.

#include <gtest/gtest.h>

#include <QImage>

#include <map>

#include "PageTestSupport.h"
#include "designer/pages/HeaderProperty.h"
#include "designer/pages/ScrollBarProperty.h"
#include "designer/propertygrid/NumberItem.h"
#include "designer/propertygrid/PropertyValueTypes.h"
#include "designer/propertygrid/SliderItem.h"
#include "designer/undo/AddObjectsCommand.h"

using namespace vd;

namespace {

using pagetest::Captions;
using pagetest::Chosen;
using pagetest::EnumCaptions;

// Labels written out as a skin author reads them in the grid: prefix + suffix for each state.
QStringList Labels(const QStringList& prefixes, const QStringList& suffixes) {
    QStringList out;
    for (const QString& p : prefixes)
        for (const QString& s : suffixes) out << p + s;
    return out;
}

// ---- scroll bars ----

class ScrollBarPage : public pagetest::PageFixture<CScrollBarProperty, 7000> {
protected:
    QImage preview() { return drawPreview(QSize(300, 200)); }
};

const QStringList kScrollSuffixes = {"Normal", "Press", "Hot", "Disabled"};

TEST_F(ScrollBarPage, GridCategoriesRowsAndOrder) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance", "Action"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")),
              QStringList({"HorzScrollBar", "VertScrollBar", "DeadNormal", "DeadDisabled", "BorderImg", "HorzHeight",
                           "HorzArrowWidth", "VertWidth", "VertArrowHeight"}));
    EXPECT_EQ(Captions(row("Appearance/HorzScrollBar")),
              Labels({"BackImg", "BarImg", "Thumb", "leftBtn", "leftArrow", "rightBtn", "rightArrow"}, kScrollSuffixes));
    EXPECT_EQ(Captions(row("Appearance/VertScrollBar")),
              Labels({"BackImg", "BarImg", "Thumb", "upBtn", "upArrow", "downBtn", "downArrow"}, kScrollSuffixes));
    EXPECT_EQ(Captions(row("Appearance/HorzScrollBar")).first(), QStringLiteral("BackImgNormal"));
    for (const char* sub : {"Appearance/HorzScrollBar", "Appearance/VertScrollBar"}) {
        EXPECT_TRUE(row(sub)->isCategory()) << sub;
        EXPECT_FALSE(row(sub)->isExpanded()) << sub;
    }
    for (const char* category : {"General", "Appearance", "Action"}) EXPECT_TRUE(row(category)->isExpanded());

    EXPECT_EQ(Captions(row("Action")), QStringList({"State", "Max", "PageSize", "Pos"}));
    EXPECT_EQ(EnumCaptions(row("Action/State")), QStringList({"Normal=0", "Pressed=1", "Highlighted=2", "Disabled=3"}));
    EXPECT_EQ(row("Action/Pos")->kind(), SliderItem::Kind);
    for (const char* number : {"Action/Max", "Action/PageSize"}) {
        ASSERT_EQ(row(number)->kind(), PropertyItem::NumberKind) << number;
        EXPECT_EQ(static_cast<NumberItem*>(row(number))->minimum(), 0);
        EXPECT_EQ(static_cast<NumberItem*>(row(number))->maximum(), 1000000);
    }
    EXPECT_EQ(row("Action/Max")->value().toInt(), 140);
    EXPECT_EQ(row("Action/PageSize")->value().toInt(), 40);
    EXPECT_EQ(row("Action/Pos")->value().toInt(), 10);
    EXPECT_EQ(page.PreviewSize(), QSize(300, 200));
}

TEST_F(ScrollBarPage, EveryPictureRowWritesTheIndexItsLabelNames) {
    using States = SkinScrollBar::States;
    const std::map<QString, size_t> index = {{"Normal", 0}, {"Press", 1}, {"Hot", 3}, {"Disabled", 2}};
    const std::pair<const char*, std::map<QString, States SkinScrollBar::*>> bars[] = {
        {"HorzScrollBar",
         {{"BackImg", &SkinScrollBar::hBk}, {"BarImg", &SkinScrollBar::hBar}, {"Thumb", &SkinScrollBar::hThumb},
          {"leftBtn", &SkinScrollBar::leftBtn}, {"leftArrow", &SkinScrollBar::leftArrow},
          {"rightBtn", &SkinScrollBar::rightBtn}, {"rightArrow", &SkinScrollBar::rightArrow}}},
        {"VertScrollBar",
         {{"BackImg", &SkinScrollBar::vBk}, {"BarImg", &SkinScrollBar::vBar}, {"Thumb", &SkinScrollBar::vThumb},
          {"upBtn", &SkinScrollBar::upBtn}, {"upArrow", &SkinScrollBar::upArrow},
          {"downBtn", &SkinScrollBar::downBtn}, {"downArrow", &SkinScrollBar::downArrow}}}};
    int rows = 0;
    for (const auto& [sub, members] : bars)
        for (const auto& [prefix, member] : members)
            for (const auto& [suffix, i] : index) {
                const QString label = prefix + suffix;
                const std::string name = std::string(sub) + label.toStdString() + ".png";
                SkinScrollBar expected = record();
                (expected.*member)[i] = Chosen(name);
                commit(QStringLiteral("Appearance/%1/%2").arg(sub, label), QVariant::fromValue(Chosen(name)));
                EXPECT_EQ(record(), expected) << sub << "/" << label.toStdString();
                ++rows;
            }
    EXPECT_EQ(rows, 56);
    EXPECT_EQ(session.UndoStack().count(), steps + 56);
}

TEST_F(ScrollBarPage, CornerBorderAndNumberRowsWriteTheirMembers) {
    SkinScrollBar expected = record();
    const int oldArrowHeight = record().vBtnHeight;
    commit("Appearance/DeadNormal", QVariant::fromValue(Chosen("dn.png")));
    commit("Appearance/DeadDisabled", QVariant::fromValue(Chosen("ddis.png")));
    commit("Appearance/BorderImg", QVariant::fromValue(Chosen("bi.png")));
    commit("Appearance/HorzHeight", 21);
    commit("Appearance/HorzArrowWidth", 22);
    commit("Appearance/VertWidth", 23);
    commit("Appearance/VertArrowHeight", 24);
    expected.deadCorner[0] = Chosen("dn.png");
    expected.deadCorner[1] = Chosen("ddis.png");
    expected.border = Chosen("bi.png");
    expected.hHeight = 21;
    expected.hBtnWidth = 22;
    expected.vWidth = 23;
    expected.vBtnHeight = 24;
    EXPECT_EQ(record(), expected);
    session.UndoStack().undo();
    EXPECT_EQ(record().vBtnHeight, oldArrowHeight);
    EXPECT_EQ(record().vWidth, 23);
}

TEST_F(ScrollBarPage, MaxPageSizeAndPosChangeOnlyThePreview) {
    const SkinScrollBar before = record();
    const QImage first = preview();
    ASSERT_TRUE(grid.commitValue(row("Action/Pos"), 100));
    const QImage moved = preview();
    EXPECT_NE(moved, first);
    ASSERT_TRUE(grid.commitValue(row("Action/Max"), 500));
    ASSERT_TRUE(grid.commitValue(row("Action/PageSize"), 250));
    ASSERT_TRUE(grid.commitValue(row("Action/State"), 3));
    const vd::preview::SelectorValues chosen = page.PreviewSelectors();
    EXPECT_EQ(chosen.at("Pos"), 100);
    EXPECT_EQ(chosen.at("Max"), 500);
    EXPECT_EQ(chosen.at("PageSize"), 250);
    EXPECT_EQ(chosen.at("State"), 3);
    EXPECT_NE(preview(), moved);
    EXPECT_EQ(session.UndoStack().count(), steps) << "not a change of the skin";
    EXPECT_EQ(record(), before);
    // The page's values, not the object's: another scroll bar is previewed with them too.
    const int other = AddObjectsCommand::PushNew(session, 7000);
    ASSERT_TRUE(page.SelectObject(other));
    EXPECT_EQ(row("Action/Max")->value().toInt(), 500);
}

// ---- headers ----

using HeaderPage = pagetest::PageFixture<CHeaderProperty, 8000>;

const QStringList kHeaderStates = {"Normal", "Pressed", "Highlighted", "Disabled"};

TEST_F(HeaderPage, GridCategoriesRowsAndOrder) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")), QStringList({"BackImage", "ItemImage", "UpArrow", "DownArrow", "ItemFont"}));
    QStringList items;
    for (const QString& s : kHeaderStates) items << QStringLiteral("ItemImage") + s << QStringLiteral("TextStyle") + s;
    EXPECT_EQ(Captions(row("Appearance/ItemImage")), items);
    EXPECT_EQ(Captions(row("Appearance/UpArrow")), Labels({"UpArrow"}, kHeaderStates));
    EXPECT_EQ(Captions(row("Appearance/DownArrow")), Labels({"DownArrow"}, kHeaderStates));
    for (const char* category : {"General", "Appearance"}) EXPECT_TRUE(row(category)->isExpanded());
    EXPECT_EQ(page.PreviewSize(), QSize(record().previewWidth, record().previewHeight));
}

TEST_F(HeaderPage, EveryRowWritesTheIndexItsLabelNames) {
    const std::map<QString, size_t> index = {{"Normal", 0}, {"Pressed", 1}, {"Highlighted", 3}, {"Disabled", 2}};
    for (const auto& [state, i] : index) {
        SkinHeader expected = record();
        const std::string s = state.toStdString();
        commit("Appearance/ItemImage/ItemImage" + state, QVariant::fromValue(Chosen("item" + s + ".png")));
        commit("Appearance/UpArrow/UpArrow" + state, QVariant::fromValue(Chosen("up" + s + ".png")));
        commit("Appearance/DownArrow/DownArrow" + state, QVariant::fromValue(Chosen("down" + s + ".png")));
        SkinTextStyle style = SkinTextStyle::Fresh(session.Document().Env());
        style.textColor = Color(static_cast<int>(i) * 50, 7, 9);
        style.horzAlign = 0;
        commit("Appearance/ItemImage/TextStyle" + state, QVariant::fromValue(style));
        expected.itemImages[i] = Chosen("item" + s + ".png");
        expected.upArrows[i] = Chosen("up" + s + ".png");
        expected.downArrows[i] = Chosen("down" + s + ".png");
        expected.itemStyles[i] = style;
        EXPECT_EQ(record(), expected) << s;
    }
    SkinHeader expected = record();
    commit("Appearance/BackImage", QVariant::fromValue(Chosen("bk.png")));
    LogFont font;
    font.faceName = "Courier New";
    font.height = -15;
    commit("Appearance/ItemFont", QVariant::fromValue(font));
    expected.background = Chosen("bk.png");
    expected.font = font;
    EXPECT_EQ(record(), expected);
}

}  // namespace
