// Undo commands: every change to the document is one step that undoes and redoes exactly, and the
// modified state follows the undo stack's clean state.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResourceBase.h"
#include "designer/SkinSession.h"
#include "designer/undo/AddObjectsCommand.h"
#include "designer/undo/EditObjectCommand.h"
#include "designer/undo/RemoveObjectCommand.h"
#include "designer/undo/SetPasswordCommand.h"
#include "designer/undo/UndoIds.h"

namespace {

std::string Text(SkinSession& s) { return s.Document().SaveConfigText(); }

TEST(UndoCommands, CreateUndoRedoKeepsTheSameIdAndTracksModification) {
    SkinSession session;
    QSignalSpy modified(&session, &SkinSession::modifiedChanged);
    const int id = AddObjectsCommand::PushNew(session, 2000);
    EXPECT_EQ(id, 2001);
    EXPECT_TRUE(session.IsModified());
    EXPECT_EQ(session.Document().Buttons().Count(), 1u);
    session.UndoStack().undo();
    EXPECT_EQ(session.Document().Buttons().Count(), 0u);
    EXPECT_FALSE(session.IsModified());
    session.UndoStack().redo();
    ASSERT_EQ(session.Document().Buttons().Count(), 1u);
    EXPECT_EQ(session.Document().Buttons().At(0)->ID, 2001);
    EXPECT_EQ(modified.count(), 3);
    // A new object after an undone creation does not reuse the ID.
    session.UndoStack().undo();
    EXPECT_EQ(AddObjectsCommand::PushNew(session, 2000), 2002);
}

TEST(UndoCommands, EditSwapsWholeRecordsAndMergesByIdentifier) {
    SkinSession session;
    const int id = AddObjectsCommand::PushNew(session, 3000);
    const std::string before = Text(session);
    auto* frame = static_cast<SkinFrame*>(session.Document().FindItem(id));
    EXPECT_TRUE(EditObjectCommand::Push(session, id, "edit", [](SkinResStruct& r) {
        static_cast<SkinFrame&>(r).topMargin = 30;
    }, kMergeGridEdit));
    EXPECT_TRUE(EditObjectCommand::Push(session, id, "edit", [](SkinResStruct& r) {
        static_cast<SkinFrame&>(r).topMargin = 31;
    }, kMergeGridEdit));
    EXPECT_EQ(frame->topMargin, 31);
    EXPECT_EQ(session.UndoStack().count(), 2);  // create + one merged edit
    session.UndoStack().undo();
    EXPECT_EQ(frame->topMargin, 20);  // the same record, overwritten in place
    EXPECT_EQ(Text(session), before);
    session.UndoStack().redo();
    EXPECT_EQ(frame->topMargin, 31);
    // Without a merge identifier each edit is its own step; an edit that changes nothing is no step.
    EditObjectCommand::Push(session, id, "a", [](SkinResStruct& r) { static_cast<SkinFrame&>(r).leftMargin = 1; });
    EditObjectCommand::Push(session, id, "b", [](SkinResStruct& r) { static_cast<SkinFrame&>(r).leftMargin = 2; });
    EXPECT_FALSE(EditObjectCommand::Push(session, id, "c", [](SkinResStruct&) {}));
    EXPECT_EQ(session.UndoStack().count(), 4);
    EXPECT_FALSE(EditObjectCommand::Push(session, 3999, "none", [](SkinResStruct&) {}));
}

TEST(UndoCommands, RemovePutsTheObjectBackAtItsPlace) {
    SkinSession session;
    for (int i = 0; i < 3; ++i) AddObjectsCommand::PushNew(session, 2000);
    session.UndoStack().push(new RemoveObjectCommand(session, 2002, "delete"));
    EXPECT_EQ(session.Document().Buttons().Count(), 2u);
    EXPECT_EQ(session.Document().FindItem(2002), nullptr);
    session.UndoStack().undo();
    ASSERT_EQ(session.Document().Buttons().Count(), 3u);
    EXPECT_EQ(session.Document().Buttons().At(1)->ID, 2002);
    EXPECT_EQ(session.Document().Buttons().At(1)->Caption, "SkinButton2");
}

TEST(UndoCommands, PasteOfDuplicatesIsOneStep) {
    SkinSession session;
    const int frame = AddObjectsCommand::PushNew(session, 3000);
    CResourceBase& frames = *session.Document().FindCollection(frame);
    std::vector<std::unique_ptr<SkinResStruct>> copies;
    SkinResStruct* copy = frames.Duplicate(frame);
    copies.push_back(frames.TakeItem(copy->ID));
    session.UndoStack().push(new AddObjectsCommand(session, std::move(copies), "paste"));
    EXPECT_EQ(frames.Count(), 2u);
    session.UndoStack().undo();
    EXPECT_EQ(frames.Count(), 1u);
    session.UndoStack().redo();
    EXPECT_EQ(frames.Find(3002)->Caption, "Frame2");
}

TEST(UndoCommands, ChangeSignalsNameTheObject) {
    SkinSession session;
    QSignalSpy changes(&session, &SkinSession::changed);
    const int id = AddObjectsCommand::PushNew(session, 7000);
    session.UndoStack().undo();
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes[0][0].value<DocumentChange>().kind, DocumentChange::ObjectAdded);
    EXPECT_EQ(changes[1][0].value<DocumentChange>().kind, DocumentChange::ObjectRemoved);
    EXPECT_EQ(changes[1][0].value<DocumentChange>().id, id);
}

TEST(UndoCommands, PasswordAndReplacingTheDocument) {
    SkinSession session;
    session.UndoStack().push(new SetPasswordCommand(session, "abcdefghi"));
    EXPECT_EQ(session.Document().Password(), "abcdefg");
    session.UndoStack().undo();
    EXPECT_EQ(session.Document().Password(), "");
    session.UndoStack().redo();
    EXPECT_TRUE(session.IsModified());
    session.Replace(std::make_unique<CSkinDocument>());
    EXPECT_FALSE(session.IsModified());
    EXPECT_EQ(session.UndoStack().count(), 0);
    EXPECT_EQ(session.Document().Password(), "");
    session.MarkSaved();
    AddObjectsCommand::PushNew(session, 2000);
    session.MarkSaved();
    EXPECT_FALSE(session.IsModified());
    session.UndoStack().undo();
    EXPECT_TRUE(session.IsModified());  // undoing past the save point modifies the skin again
}

}  // namespace
