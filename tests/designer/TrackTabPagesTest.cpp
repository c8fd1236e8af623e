// The trackbar and tab-control pages: their grids (categories in order, the captions as a skin author
// reads them, "ImageHighLighted" and the "Offset%s" groups included), every picture, style and offset row
// writing the record entry its label names (Highlighted 3, Disabled 2) in one undoable step, and the
// "Postion" and "Orientation" rows changing the preview and nothing else.

#include <gtest/gtest.h>

#include <QImage>

#include <array>
#include <map>

#include "PageTestSupport.h"
#include "designer/pages/TabCtrlProperty.h"
#include "designer/pages/TrackbarProperty.h"
#include "designer/propertygrid/PropertyValueTypes.h"
#include "designer/propertygrid/SliderItem.h"
#include "designer/undo/AddObjectsCommand.h"

using namespace vd;

namespace {

using pagetest::Captions;
using pagetest::Chosen;
using pagetest::EnumCaptions;

// ---- trackbars ----

using TrackbarPage = pagetest::PageFixture<CTrackbarProperty, 14000>;

const QStringList kThumbGroups = {"ThumbHorzImage", "ThumbVertImage", "ThumbUpImage",
                                  "ThumbDownImage", "ThumbLeftImage", "ThumbRightImage"};

TEST_F(TrackbarPage, GridCategoriesRowsAndOrder) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance", "Action"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")), QStringList({"HorzChannel", "VertChannel"}) + kThumbGroups +
                                               QStringList({"ShowFocus"}));
    for (const char* channel : {"Appearance/HorzChannel", "Appearance/VertChannel"})
        EXPECT_EQ(Captions(row(channel)), QStringList({"Normal", "Disabled"})) << channel;
    for (const QString& thumb : kThumbGroups) {
        EXPECT_TRUE(row("Appearance/" + thumb)->isCategory());
        EXPECT_EQ(Captions(row("Appearance/" + thumb)),
                  QStringList({"ImageNormal", "ImagePressed", "ImageHighLighted", "ImageDisabled", "ImageDefault"}));
    }
    EXPECT_EQ(Captions(row("Action")), QStringList({"Postion"}));
    EXPECT_EQ(row("Action/Postion")->kind(), SliderItem::Kind);
    EXPECT_EQ(row("Action/Postion")->value().toInt(), 50);
    EXPECT_EQ(page.PreviewSize(), QSize(400, 250));
}

TEST_F(TrackbarPage, EveryPictureRowWritesTheEntryItsLabelNames) {
    const std::map<QString, size_t> index = {
        {"ImageNormal", 0}, {"ImagePressed", 1}, {"ImageHighLighted", 3}, {"ImageDisabled", 2}, {"ImageDefault", 4}};
    const std::array<SkinStateImageSet<5> SkinTrackbar::*, 6> members = {
        &SkinTrackbar::thumbHorz, &SkinTrackbar::thumbVert, &SkinTrackbar::thumbUp,
        &SkinTrackbar::thumbDown, &SkinTrackbar::thumbLeft, &SkinTrackbar::thumbRight};
    int rows = 0;
    for (size_t t = 0; t < members.size(); ++t)
        for (const auto& [label, i] : index) {
            const std::string name = kThumbGroups[static_cast<int>(t)].toStdString() + label.toStdString() + ".png";
            SkinTrackbar expected = record();
            (expected.*members[t]).images[i] = Chosen(name);
            commit("Appearance/" + kThumbGroups[static_cast<int>(t)] + "/" + label, QVariant::fromValue(Chosen(name)));
            EXPECT_EQ(record(), expected) << name;
            ++rows;
        }
    SkinTrackbar expected = record();
    commit("Appearance/HorzChannel/Normal", QVariant::fromValue(Chosen("hn.png")));
    commit("Appearance/HorzChannel/Disabled", QVariant::fromValue(Chosen("hd.png")));
    commit("Appearance/VertChannel/Normal", QVariant::fromValue(Chosen("vn.png")));
    commit("Appearance/VertChannel/Disabled", QVariant::fromValue(Chosen("vd.png")));
    commit("Appearance/ShowFocus", true);
    expected.horzChannel = {Chosen("hn.png"), Chosen("hd.png")};
    expected.vertChannel = {Chosen("vn.png"), Chosen("vd.png")};
    expected.showFocus = 1;
    EXPECT_EQ(record(), expected);
    EXPECT_EQ(session.UndoStack().count(), steps + rows + 5);
}

TEST_F(TrackbarPage, PostionChangesOnlyThePreview) {
    const SkinTrackbar before = record();
    const QImage middle = drawPreview(QSize(400, 250));
    ASSERT_TRUE(grid.commitValue(row("Action/Postion"), 0));
    EXPECT_EQ(page.PreviewSelectors().at("Postion"), 0);
    EXPECT_NE(drawPreview(QSize(400, 250)), middle);
    EXPECT_EQ(session.UndoStack().count(), steps);
    EXPECT_EQ(record(), before);
    const int other = AddObjectsCommand::PushNew(session, 14000);
    ASSERT_TRUE(page.SelectObject(other));
    EXPECT_EQ(row("Action/Postion")->value().toInt(), 0);
}

// ---- tab controls ----

class TabCtrlPage : public pagetest::PageFixture<CTabCtrlProperty, 16000> {
protected:
    // The rows of one side under "Appearance": items, background, then the five offset groups.
    static constexpr int kRowsPerSide = 7;
    PropertyItem* sideRow(int side, int i) { return row("Appearance")->child(side * kRowsPerSide + i); }
};

const QStringList kOffsetGroups = {"OffsetNormal", "OffsetPressed", "OffsetDISABLE", "OffsetHighlighted",
                                   "OffsetDEFAULT"};

TEST_F(TabCtrlPage, GridCategoriesRowsAndOrder) {
    // The orientation is chosen right below the appearance header, before its long list of rows.
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance", "Action"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    QStringList appearance;
    const std::array<std::pair<const char*, const char*>, 4> sides = {
        {{"ItemTop", "TopBkImage"}, {"ItemBottom", "BottomBkImage"}, {"ItemLeft", "LeftBkImage"},
         {"ItemRight", "RightBkImage"}}};
    for (const auto& [items, background] : sides) appearance << items << background << kOffsetGroups;
    appearance << "TextFont" << "ShowText";
    EXPECT_EQ(Captions(row("Appearance")), appearance);
    for (int side = 0; side < 4; ++side) {
        PropertyItem* items = sideRow(side, 0);
        EXPECT_EQ(Captions(items), QStringList({"Normal", "Press", "Highlighted", "Disabled", "Default"}));
        for (int s = 0; s < items->childCount(); ++s)
            EXPECT_EQ(Captions(items->child(s)), QStringList({"Image", "TextStyle"}));
        EXPECT_EQ(Captions(sideRow(side, 1)), QStringList({"Normal", "Disabled"}));
        for (int s = 0; s < 5; ++s) EXPECT_EQ(Captions(sideRow(side, 2 + s)), QStringList({"HorzOffset", "VertOffset"}));
    }
    EXPECT_EQ(Captions(row("Action")), QStringList({"Orientation"}));
    EXPECT_EQ(EnumCaptions(row("Action/Orientation")),
              QStringList({"ItemTop=0", "ItemBottom=1", "ItemLeft=2", "ItemRight=3"}));
    EXPECT_EQ(page.PreviewSize(), QSize(450, 300));
}

TEST_F(TabCtrlPage, ItemRowsWriteTheStateTheirGroupNames) {
    const std::map<int, size_t> index = {{0, 0}, {1, 1}, {2, 3}, {3, 2}, {4, 4}};  // row order -> state index
    for (int side = 0; side < 4; ++side)
        for (const auto& [position, i] : index) {
            PropertyItem* group = sideRow(side, 0)->child(position);
            const std::string name = std::to_string(side) + group->caption().toStdString() + ".png";
            SkinTextStyle style = SkinTextStyle::Fresh(session.Document().Env());
            style.textColor = Color(side * 50, static_cast<int>(i) * 40, 3);
            SkinTabCtrl expected = record();
            expected.sides[static_cast<size_t>(side)].items.images[i] = Chosen(name);
            expected.sides[static_cast<size_t>(side)].items.styles[i] = style;
            const int before = session.UndoStack().count();
            ASSERT_TRUE(grid.commitValue(group->child(0), QVariant::fromValue(Chosen(name))));
            ASSERT_TRUE(grid.commitValue(group->child(1), QVariant::fromValue(style)));
            EXPECT_EQ(session.UndoStack().count(), before + 2);
            EXPECT_EQ(record(), expected) << name;
        }
}

TEST_F(TabCtrlPage, BackgroundOffsetFontAndTextRowsWriteTheirMembers) {
    for (int side = 0; side < 4; ++side) {
        const size_t s = static_cast<size_t>(side);
        SkinTabCtrl expected = record();
        ASSERT_TRUE(grid.commitValue(sideRow(side, 1)->child(0), QVariant::fromValue(Chosen("bn.png"))));
        ASSERT_TRUE(grid.commitValue(sideRow(side, 1)->child(1), QVariant::fromValue(Chosen("bd.png"))));
        expected.sides[s].backgroundNormal = Chosen("bn.png");
        expected.sides[s].backgroundDisabled = Chosen("bd.png");
        for (int state = 0; state < 5; ++state) {
            ASSERT_TRUE(grid.commitValue(sideRow(side, 2 + state)->child(0), 10 * side + state + 1));
            ASSERT_TRUE(grid.commitValue(sideRow(side, 2 + state)->child(1), -(10 * side + state + 1)));
            expected.sides[s].hOffsets[static_cast<size_t>(state)] = 10 * side + state + 1;
            expected.sides[s].vOffsets[static_cast<size_t>(state)] = -(10 * side + state + 1);
        }
        EXPECT_EQ(record(), expected) << side;
    }
    SkinTabCtrl expected = record();
    LogFont font;
    font.faceName = "Courier New";
    font.height = -13;
    commit("Appearance/TextFont", QVariant::fromValue(font));
    commit("Appearance/ShowText", false);
    expected.font = font;
    expected.showText = 0;
    EXPECT_EQ(record(), expected);
    EXPECT_EQ(session.UndoStack().count(), steps + 4 * 12 + 2);
}

TEST_F(TabCtrlPage, PressedOffsetsMoveTheSelectedTab) {
    // Tabs drawn in the standard look: the selected one is the second, 68 pixels long from x 78.
    record().showText = 0;
    const QImage before = drawPreview(QSize(450, 300));
    PropertyItem* pressed = row("Appearance/OffsetPressed");
    ASSERT_NE(pressed, nullptr);
    ASSERT_TRUE(grid.commitValue(pressed->child(0), 6));
    ASSERT_TRUE(grid.commitValue(pressed->child(1), 4));
    EXPECT_EQ(record().sides[0].hOffsets[1], 6);
    EXPECT_EQ(record().sides[0].vOffsets[1], 4);
    const QImage after = drawPreview(QSize(450, 300));
    // Drawn two pixels larger all round as the standard selected tab: x 76 .. 147, y 8 .. 33 at first;
    // widened six pixels at both ends and moved four down it spans x 70 .. 153, y 12 .. 37, so its dark
    // right edge moves from x 147 to x 153 and its top edge from y 8 to y 12.
    const Color dk = session.Document().Env().colors[COLOR_3DDKSHADOW];
    const QColor dark(dk.r, dk.g, dk.b);
    EXPECT_EQ(before.pixelColor(147, 20), dark);
    EXPECT_NE(after.pixelColor(147, 20), dark);
    EXPECT_NE(before.pixelColor(153, 20), dark);
    EXPECT_EQ(after.pixelColor(153, 20), dark);
    EXPECT_EQ(after.pixelColor(110, 12), before.pixelColor(110, 8));
    EXPECT_NE(after.pixelColor(110, 8), before.pixelColor(110, 8));
    EXPECT_EQ(before.pixelColor(300, 20), after.pixelColor(300, 20));
}

TEST_F(TabCtrlPage, OrientationChangesOnlyThePreview) {
    const SkinTabCtrl before = record();
    const QImage top = drawPreview(QSize(450, 300));
    ASSERT_TRUE(grid.commitValue(row("Action/Orientation"), 2));
    EXPECT_EQ(page.PreviewSelectors().at("Orientation"), 2);
    EXPECT_NE(drawPreview(QSize(450, 300)), top);
    EXPECT_EQ(session.UndoStack().count(), steps);
    EXPECT_EQ(record(), before);
}

}  // namespace
