// The control bar, rebar, group box and static pages: their grids (categories, captions, order, the draw
// types each offers), every row writing its own member in one undoable step, the preview sizes the pages
// open objects with, and a static created under a frame: its starting place on the frame, its tree item
// under the frame's, and its owner kept through save and reopen.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTreeWidgetItem>

#include <memory>
#include <tuple>

#include "PageTestSupport.h"
#include "Resource/ResObjects/ResControlBar.h"
#include "Resource/ResObjects/ResGroupBox.h"
#include "Resource/ResObjects/ResStatic.h"
#include "ScriptedDialogs.h"
#include "designer/MainFrame.h"
#include "designer/ProjectArea.h"
#include "designer/pages/ControlBarProp.h"
#include "designer/pages/GroupBoxProp.h"
#include "designer/pages/ReBarProperty.h"
#include "designer/pages/StaticProp.h"
#include "designer/propertygrid/PropertyValueTypes.h"

using namespace vd;

namespace {

using pagetest::Captions;
using pagetest::Chosen;
using pagetest::EnumCaptions;

const QStringList kBarRows = {"BkStartColor", "BkEndColor", "DrawType", "RecurStep",
                              "BackImage", "3DHighlightColor", "3DShadowColor"};

// ---- control bars and rebars ----

template <class Page, int Base>
class BarPage : public pagetest::PageFixture<Page, Base> {
protected:
    // Every row but the gripper's, each written in one undoable step; undoing all of them restores the bar,
    // redoing them brings the edits back.
    void ExpectBarRowsWriteTheirMembers() {
        using R = typename Page::Record;
        const R before = this->record();
        R expected = before;
        const std::pair<const char*, Color SkinControlBar::*> colours[] = {
            {"BkStartColor", &SkinControlBar::start},
            {"BkEndColor", &SkinControlBar::end},
            {"3DHighlightColor", &SkinControlBar::highlight},
            {"3DShadowColor", &SkinControlBar::shadow},
        };
        int n = 0;
        for (const auto& [caption, member] : colours) {
            ++n;
            const Color c(20 * n, 7, 250 - n);
            expected.*member = c;
            this->commit(QStringLiteral("Appearance/") + caption, QVariant::fromValue(c));
        }
        this->commit("Appearance/DrawType", 2);
        this->commit("Appearance/RecurStep", 9);
        this->commit("Appearance/BackImage", QVariant::fromValue(Chosen("bar.png")));
        expected.drawType = 2;
        expected.step = 9;
        expected.background = Chosen("bar.png");
        EXPECT_EQ(this->record(), expected);
        for (int i = 0; i < 7; ++i) this->session.UndoStack().undo();
        EXPECT_EQ(this->record(), before);
        for (int i = 0; i < 7; ++i) this->session.UndoStack().redo();
        EXPECT_EQ(this->record(), expected);
    }
};

using ControlBarPage = BarPage<CControlBarProp, 20000>;
using ReBarPage = BarPage<CReBarProperty, 21000>;

TEST_F(ControlBarPage, GridOffersAllFourDrawTypes) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")), kBarRows);
    EXPECT_EQ(EnumCaptions(row("Appearance/DrawType")),
              QStringList({"GradientHorz=0", "GradientVert=1", "Recursive=2", "Fastness=3"}));
    for (const char* category : {"General", "Appearance"}) EXPECT_TRUE(row(category)->isExpanded()) << category;
}

TEST_F(ControlBarPage, RowsWriteTheirMembersAndThePreviewTakesTheStoredSize) {
    ExpectBarRowsWriteTheirMembers();
    commit("Appearance/DrawType", 3);
    EXPECT_EQ(record().drawType, 3);
    EXPECT_EQ(page.PreviewSize(), QSize(300, 50));
    record().previewWidth = 410;
    EXPECT_EQ(page.PreviewSize(), QSize(410, 50));
}

TEST_F(ReBarPage, GridHasNoFastnessAndAddsTheGripper) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")), QStringList(kBarRows) << "Gripper");
    EXPECT_EQ(EnumCaptions(row("Appearance/DrawType")),
              QStringList({"GradientHorz=0", "GradientVert=1", "Recursive=2"}));
}

TEST_F(ReBarPage, RowsWriteTheirMembersTheGripperIncluded) {
    ExpectBarRowsWriteTheirMembers();
    SkinReBar expected = record();
    expected.gripper = Chosen("grip.png", 6, 20);
    commit("Appearance/Gripper", QVariant::fromValue(Chosen("grip.png", 6, 20)));
    EXPECT_EQ(record(), expected);
    EXPECT_EQ(page.PreviewSize(), QSize(300, 50));
}

// ---- group boxes ----

using GroupBoxPage = pagetest::PageFixture<CGroupBoxProp, 22000>;

TEST_F(GroupBoxPage, GridHasGroupBoxAndTextStylePairsAndTheFont) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")), QStringList({"Group", "Box", "TextStyle", "Font"}));
    for (const char* group : {"Group", "Box", "TextStyle"}) {
        EXPECT_TRUE(row(QStringLiteral("Appearance/") + group)->isCategory()) << group;
        EXPECT_EQ(Captions(row(QStringLiteral("Appearance/") + group)), QStringList({"Normal", "Disabled"})) << group;
    }
    EXPECT_EQ(page.PreviewSize(), QSize(500, 150));
}

TEST_F(GroupBoxPage, RowsWriteTheirEntries) {
    const SkinGroupBox before = record();
    SkinGroupBox expected = before;
    const char* states[] = {"Normal", "Disabled"};
    for (size_t i = 0; i < 2; ++i) {
        const QString state = QString::fromLatin1(states[i]);
        const std::string g = "group" + std::to_string(i) + ".png", b = "box" + std::to_string(i) + ".png";
        commit(QStringLiteral("Appearance/Group/") + state, QVariant::fromValue(Chosen(g)));
        commit(QStringLiteral("Appearance/Box/") + state, QVariant::fromValue(Chosen(b)));
        SkinTextStyle style = SkinTextStyle::Fresh(session.Document().Env());
        style.textColor = Color(static_cast<int>(i) * 100 + 10, 2, 3);
        commit(QStringLiteral("Appearance/TextStyle/") + state, QVariant::fromValue(style));
        expected.group[i] = Chosen(g);
        expected.box[i] = Chosen(b);
        expected.textStyles[i] = style;
        EXPECT_EQ(record(), expected) << states[i];
    }
    LogFont font;
    font.weight = 700;
    commit("Appearance/Font", QVariant::fromValue(font));
    expected.font = font;
    EXPECT_EQ(record(), expected);
    for (int i = 0; i < 7; ++i) session.UndoStack().undo();
    EXPECT_EQ(record(), before);
}

// ---- statics ----

using StaticPage = pagetest::PageFixture<CStaticProp, 23000>;

TEST_F(StaticPage, GridHasNoRowForPlacementOrOwner) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")), QStringList({"Transparent", "BackImage", "BackColor", "TextStyle", "Font"}));
    for (const char* group : {"BackImage", "BackColor", "TextStyle"}) {
        EXPECT_TRUE(row(QStringLiteral("Appearance/") + group)->isCategory()) << group;
        EXPECT_EQ(Captions(row(QStringLiteral("Appearance/") + group)), QStringList({"Normal", "Disabled"})) << group;
    }
    EXPECT_EQ(page.PreviewSize(), QSize(200, 100)) << "whatever the record stores";
}

TEST_F(StaticPage, RowsWriteTheirEntries) {
    const SkinStatic before = record();
    SkinStatic expected = before;
    commit("Appearance/Transparent", false);
    expected.transparent = 0;
    EXPECT_EQ(record(), expected);
    const char* states[] = {"Normal", "Disabled"};
    for (size_t i = 0; i < 2; ++i) {
        const QString state = QString::fromLatin1(states[i]);
        const std::string name = "bk" + std::to_string(i) + ".png";
        commit(QStringLiteral("Appearance/BackImage/") + state, QVariant::fromValue(Chosen(name)));
        const Color c(static_cast<int>(i) * 90 + 5, 44, 66);
        commit(QStringLiteral("Appearance/BackColor/") + state, QVariant::fromValue(c));
        SkinTextStyle style = SkinTextStyle::Fresh(session.Document().Env());
        style.horzAlign = static_cast<int>(i) * 2;
        commit(QStringLiteral("Appearance/TextStyle/") + state, QVariant::fromValue(style));
        expected.backgrounds[i] = Chosen(name);
        expected.backgroundColors[i] = c;
        expected.textStyles[i] = style;
        EXPECT_EQ(record(), expected) << states[i];
    }
    LogFont font;
    font.italic = 1;
    commit("Appearance/Font", QVariant::fromValue(font));
    expected.font = font;
    EXPECT_EQ(record(), expected);
    EXPECT_EQ(record().placement, before.placement);
    EXPECT_EQ(record().ownerFrameId, before.ownerFrameId);
}

// A static made under a frame's tree item: anchored at the frame's top right, 10 in, 40 x 40; shown under
// the frame; and still the frame's after the skin is saved and opened again.
TEST(StaticUnderFrame, KeepsItsPlaceAndOwnerThroughSaveAndOpen) {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    auto frame = std::make_unique<CMainFrame>(&dialogs, dir.filePath(QStringLiteral("settings.ini")));
    CProjectArea* tree = frame->ProjectArea();
    const int owner = tree->CreateObject(3000);
    const int other = tree->CreateObject(3000);
    ASSERT_TRUE(owner && other);
    const int id = tree->CreateOwned(23000, owner);
    ASSERT_TRUE(id);

    auto* made = dynamic_cast<SkinStatic*>(frame->Session().Document().FindItem(id));
    ASSERT_TRUE(made);
    EXPECT_EQ(made->ownerFrameId, owner);
    const SkinPositionBase& h = made->placement.horz;
    const SkinPositionBase& v = made->placement.vert;
    EXPECT_EQ(std::make_tuple(h.alignType, h.spaceType, h.farOffset, h.sizeValue, h.ignore),
              std::make_tuple(2, 3, 10, 40, 0));
    EXPECT_EQ(std::make_tuple(v.alignType, v.spaceType, v.nearOffset, v.sizeValue, v.ignore),
              std::make_tuple(0, 3, 0, 40, 0));
    ASSERT_TRUE(tree->ItemForId(id));
    EXPECT_EQ(tree->ItemForId(id)->parent(), tree->ItemForId(owner));
    const SkinStatic saved = *made;

    const QString path = dir.filePath(QStringLiteral("statics.rss"));
    ASSERT_TRUE(frame->Session().Document().Save(path.toStdString(), ""));
    auto reopened = std::make_unique<CMainFrame>(&dialogs, dir.filePath(QStringLiteral("settings2.ini")));
    ASSERT_TRUE(reopened->OpenPath(path));
    CProjectArea* tree2 = reopened->ProjectArea();
    tree2->FinishFilling();
    auto* loaded = dynamic_cast<SkinStatic*>(reopened->Session().Document().FindItem(id));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->ownerFrameId, owner);
    EXPECT_EQ(loaded->placement, saved.placement);
    ASSERT_TRUE(tree2->ItemForId(id) && tree2->ItemForId(owner));
    EXPECT_EQ(tree2->ItemForId(id)->parent(), tree2->ItemForId(owner));
    EXPECT_NE(tree2->ItemForId(id)->parent(), tree2->ItemForId(other));
}

}  // namespace
