// Old default names: only a whole old default name (the old text followed by digits) takes today's form,
// every other name is the author's; a rename on open marks the skin modified as one undoable step.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "Resource/SkinDocument.h"
#include "ScriptedDialogs.h"
#include "designer/LegacyNames.h"
#include "designer/MainFrame.h"
#include "designer/ProjectArea.h"

namespace {

struct NameCase {
    int typeBase;
    const char* stored;
    const char* shown;
};

TEST(LegacyNames, OnlyWholeOldDefaultNamesAreRenamed) {
    const NameCase cases[] = {
        // renamed
        {2000, "Button12", "SkinButton12"},
        {3000, "Frame3", "SkinFrameWnd3"},
        {3500, "SysButton2", "SkinCaptionButton2"},
        {18000, "ToolWindow1", "MiniFrameWnd1"},
        {26000, "FreeFrame1", "SkinShapeWnd1"},
        {19000, "Client4", "SkinMDIClient4"},
        {2000, "Button0", "SkinButton0"},
        // the author's own names
        {2000, "GoldButton", "GoldButton"},
        {3000, "MainFrame", "MainFrame"},
        {3000, "Frame", "Frame"},
        {2000, "Button1a", "Button1a"},
        {2000, "Button 1", "Button 1"},
        {2000, "button1", "button1"},
        {3000, "Frame3Main", "Frame3Main"},
        {3500, "MySysButton2", "MySysButton2"},
        {19000, "SkinMDIClient", "SkinMDIClient"},
        {2000, "SkinButton3", "SkinButton3"},
        // an old default name of another kind is not this kind's
        {3000, "Button3", "Button3"},
        {2000, "Frame3", "Frame3"},
        // past the lengths that were never renamed
        {3000, "Frame12345678", "Frame12345678"},
        {2000, "Button12345", "Button12345"},
        {2000, "Button1234", "SkinButton1234"},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(ModernDefaultName(c.typeBase, c.stored), c.shown) << c.typeBase << " " << c.stored;
}

TEST(LegacyNames, RenameOnOpenMarksModifiedAndUndoGivesTheFileNames) {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    CMainFrame frame(&dialogs, dir.filePath(QStringLiteral("settings.ini")));
    CSkinDocument doc;
    SkinResStruct* gold = doc.NewItemOfType(2000);
    gold->Caption = "GoldButton";
    SkinResStruct* main = doc.NewItemOfType(3000);
    main->Caption = "MainFrame";
    SkinResStruct* old = doc.NewItemOfType(2000);
    old->Caption = "Button12";
    const QString path = dir.filePath(QStringLiteral("old.rss"));
    ASSERT_TRUE(doc.Save(path.toStdString(), ""));

    ASSERT_TRUE(frame.OpenPath(path));
    const CSkinDocument& open = frame.Session().Document();
    EXPECT_EQ(open.FindItem(gold->ID)->Caption, "GoldButton");
    EXPECT_EQ(open.FindItem(main->ID)->Caption, "MainFrame");
    EXPECT_EQ(open.FindItem(old->ID)->Caption, "SkinButton12");
    EXPECT_TRUE(frame.Session().IsModified());
    EXPECT_EQ(frame.Session().UndoStack().count(), 1);
    frame.ProjectArea()->FinishFilling();
    EXPECT_TRUE(frame.ProjectArea()->ItemForId(old->ID));
    frame.Session().UndoStack().undo();
    EXPECT_EQ(open.FindItem(old->ID)->Caption, "Button12");
    EXPECT_FALSE(frame.Session().IsModified());

    // A skin without old names opens unmodified, with nothing to undo.
    CSkinDocument modern;
    modern.NewItemOfType(2000)->Caption = "GoldButton";
    const QString modernPath = dir.filePath(QStringLiteral("modern.rss"));
    ASSERT_TRUE(modern.Save(modernPath.toStdString(), ""));
    ASSERT_TRUE(frame.OpenPath(modernPath));
    EXPECT_FALSE(frame.Session().IsModified());
    EXPECT_EQ(frame.Session().UndoStack().count(), 0);
}

}  // namespace
