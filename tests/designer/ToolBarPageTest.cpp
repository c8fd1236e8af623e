// The toolbar page: its grid (categories, captions and order), each row writing its own member in one
// undoable step (the state groups by the arrays' order Normal, Press, Disabled, Highlighted, Selected),
// the preview size 450 x the toolbar's preview height, and a click on the preview doing nothing.

#include <gtest/gtest.h>

#include "PageTestSupport.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "designer/pages/ToolBarProperty.h"
#include "designer/propertygrid/PropertyValueTypes.h"

using namespace vd;

namespace {

using pagetest::Captions;
using pagetest::Chosen;

using ToolBarPage = pagetest::PageFixture<CToolBarProperty, 4000>;

}  // namespace

TEST_F(ToolBarPage, GridCategoriesAndRows) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")),
              QStringList({"Background Color", "Background Image", "Transparent", "Separator Image", "Gripper Image",
                           "Normal", "Pressed", "Highlighted", "Disabled", "Default", "Command Images"}));
    for (const char* group : {"Separator Image", "Gripper Image"}) {
        EXPECT_TRUE(row(QStringLiteral("Appearance/") + group)->isCategory()) << group;
        EXPECT_EQ(Captions(row(QStringLiteral("Appearance/") + group)), QStringList({"Vert Image", "Horz Image"}));
    }
    for (const char* state : {"Normal", "Pressed", "Highlighted", "Disabled", "Default"}) {
        EXPECT_TRUE(row(QStringLiteral("Appearance/") + state)->isCategory()) << state;
        EXPECT_EQ(Captions(row(QStringLiteral("Appearance/") + state)), QStringList({"Image", "TextStyle"})) << state;
    }
    for (const char* category : {"General", "Appearance"}) EXPECT_TRUE(row(category)->isExpanded()) << category;
}

TEST_F(ToolBarPage, EachStateGroupEditsItsOwnEntry) {
    // "Default" is the Selected state.
    expectStateGroupsEditTheirEntries(&SkinToolBar::buttonImages, &SkinToolBar::buttonStyles);
    EXPECT_EQ(session.UndoStack().count(), steps + 10);
}

TEST_F(ToolBarPage, BackgroundTransparentSeparatorAndGripperRowsWriteTheirMembers) {
    const SkinToolBar before = record();
    commit("Appearance/Background Color", QVariant::fromValue(Color(12, 34, 56)));
    commit("Appearance/Background Image", QVariant::fromValue(Chosen("bk.png")));
    commit("Appearance/Transparent", true);
    commit("Appearance/Separator Image/Vert Image", QVariant::fromValue(Chosen("sv.png")));
    commit("Appearance/Separator Image/Horz Image", QVariant::fromValue(Chosen("sh.png")));
    commit("Appearance/Gripper Image/Vert Image", QVariant::fromValue(Chosen("gv.png")));
    commit("Appearance/Gripper Image/Horz Image", QVariant::fromValue(Chosen("gh.png")));
    SkinToolBar expected = before;
    expected.backgroundColor = Color(12, 34, 56);
    expected.background = Chosen("bk.png");
    expected.transparentBk = 1;
    expected.separator = Chosen("sv.png");
    expected.separatorHorz = Chosen("sh.png");
    expected.gripper = Chosen("gv.png");
    expected.gripperHorz = Chosen("gh.png");
    EXPECT_EQ(record(), expected);

    session.UndoStack().undo();  // the horizontal gripper only
    expected.gripperHorz = before.gripperHorz;
    EXPECT_EQ(record(), expected);
    while (session.UndoStack().index() > steps) session.UndoStack().undo();
    EXPECT_EQ(record(), before);
}

TEST_F(ToolBarPage, ThePreviewIs450WideAtTheToolBarsPreviewHeight) {
    EXPECT_EQ(page.PreviewSize(), QSize(450, 80));
    record().previewHeight = 64;
    ASSERT_TRUE(page.SelectObject(id));
    EXPECT_EQ(page.PreviewSize(), QSize(450, 64));
}

TEST_F(ToolBarPage, PressingTheMouseOnThePreviewDoesNothing) {
    page.SetPreviewRect(Rect{0, 0, 450, 80});
    const SkinToolBar before = record();
    EXPECT_EQ(page.OnLButtonDown(QPoint(20, 20)), -1);
    EXPECT_EQ(record(), before);
    EXPECT_EQ(session.UndoStack().count(), steps);
}

// ---- the per-command check images

class ToolBarCommandImages : public pagetest::CheckImageRowFixture<CToolBarProperty, 4000> {
protected:
    ToolBarCommandImages() : CheckImageRowFixture("Appearance/Command Images") {}
};

TEST_F(ToolBarCommandImages, OkWritesEveryCommandInOneStepSavedAsItemsAndUndoRestores) {
    const std::string before = session.Document().SaveConfigText();
    CheckImageMap chosen;
    chosen[40001] = pagetest::Entry(40001, "Tick.png", "Box.png", 0);
    chosen[40007] = pagetest::Entry(40007, "Box.png", "", 0);
    dialogs.checkImages.push_back(chosen);
    Press();
    EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("command-images: 0")}) << "the toolbar's editor, not the menus'";
    ASSERT_EQ(dialogs.offeredPictureNames.size(), 1);
    EXPECT_EQ(dialogs.offeredPictureNames[0], QStringList({"Tick.png", "Box.png"}));
    EXPECT_EQ(record().commands, chosen);
    EXPECT_EQ(session.UndoStack().count(), steps + 1);
    EXPECT_EQ(item->displayText(), QStringLiteral("2 items: 40001, 40007"));
    // The pictures are resolved from the chosen names, grey copies included.
    const CheckImageEntry& first = record().commands.at(40001);
    EXPECT_EQ(first.check, session.Document().PictureImageByName("Tick.png"));
    EXPECT_NE(first.checkGrey, nullptr);

    const std::string text = session.Document().SaveConfigText();
    for (const char* line : {"1Item1ID=40001", "1Item1CheckImage=Tick.png", "1Item1UnCheckImage=Box.png",
                             "1Item2ID=40007", "1Item2CheckImage=Box.png"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(text.find("DoubleRow"), std::string::npos) << "toolbars store no two-row flag";

    session.UndoStack().undo();
    EXPECT_TRUE(record().commands.empty());
    EXPECT_EQ(session.Document().SaveConfigText(), before);
    EXPECT_EQ(item->displayText(), QStringLiteral("(无)"));
}

TEST_F(ToolBarCommandImages, CancelWritesNothingAndTheEditorStartsFromTheEntries) {
    CheckImageMap first;
    first[9] = pagetest::Entry(9, "Tick.png", "", 0);
    dialogs.checkImages.push_back(first);
    Press();
    dialogs.checkImages.push_back(std::nullopt);
    Press();
    EXPECT_EQ(dialogs.log.last(), QStringLiteral("command-images: 1"));
    EXPECT_EQ(record().commands, first);
    EXPECT_EQ(session.UndoStack().count(), steps + 1);
}
