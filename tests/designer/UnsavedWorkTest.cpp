// Nothing an author did is lost behind their back: the unsaved-changes question can back out of every
// command that asks it, a value still being typed in the grid reaches the document before anything reads or
// replaces it, and application shortcuts wait while a grid editor has the keyboard.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItem>
#include <QUrl>

#include <functional>

#include "Resource/ResObjects/ResApp.h"
#include "Resource/SkinDocument.h"
#include "ScriptedDialogs.h"
#include "designer/MainFrame.h"
#include "designer/MyTreeCtrl.h"
#include "designer/ProjectArea.h"
#include "designer/PropertyArea.h"
#include "designer/propertygrid/LineTextEditor.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/PropertyItem.h"

namespace {

using Answer = DialogProvider::SaveAnswer;

class UnsavedWorkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_frame = std::make_unique<CMainFrame>(&m_dialogs, m_dir.filePath(QStringLiteral("settings.ini")));
        m_frame->resize(1000, 700);
    }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString MakePackage(const QString& name) {
        CSkinDocument doc;
        doc.Apps().NewItem();
        doc.NewItemOfType(3000);
        const QString path = Path(name);
        EXPECT_TRUE(doc.Save(path.toStdString(), ""));
        return path;
    }
    int ObjectCount() const { return m_frame->ProjectArea()->ObjectsNode()->childCount(); }
    vd::PropertyGrid* Grid() const { return m_frame->PropertyArea()->Grid(); }
    std::string NameOf(int id) const {
        const SkinResStruct* r = m_frame->Session().Document().FindItem(id);
        return r ? r->Caption : std::string("<gone>");
    }
    // Shows object id in the grid and opens the editor of its "Name" row, empty and ready for typing.
    QLineEdit* EditName(int id) {
        m_frame->ProjectArea()->SelectItemByData(id);
        m_frame->ProjectArea()->ShowProperties(id);
        vd::PropertyItem* name = Grid()->findItem(QStringLiteral("Name"));
        EXPECT_TRUE(name);
        if (!name) return nullptr;
        Grid()->setCurrentItem(name);
        Grid()->focusEditor();
        auto* editor = qobject_cast<vd::LineTextEditor*>(Grid()->activeEditor());
        EXPECT_TRUE(editor);
        return editor ? editor->lineEdit() : nullptr;
    }
    // Types text into the open name editor without confirming it.
    void Type(int id, const QString& text) {
        QLineEdit* edit = EditName(id);
        ASSERT_TRUE(edit);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        ASSERT_EQ(edit->text(), text);
        ASSERT_NE(NameOf(id), text.toStdString()) << "typing alone must not have committed";
    }
    QAction* RecentFileAction() const {
        for (QMenu* menu : m_frame->findChildren<QMenu*>())
            if (menu->title() == QStringLiteral("Recent &Files") && !menu->actions().isEmpty())
                return menu->actions().first();
        return nullptr;
    }
    bool Drop(const QString& path) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_frame.get(), &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_frame.get(), &drop);
        return drop.isAccepted();
    }

    // Every command that replaces the skin, each run once; each returns whether the skin was replaced.
    std::vector<std::pair<const char*, std::function<void()>>> Commands(const QString& other) {
        return {
            {"New", [this] { m_frame->OnFileNew(); }},
            {"Open", [this, other] {
                 m_dialogs.openNames = {other};
                 m_frame->OnFileOpen();
             }},
            {"Load Sample", [this] { m_frame->OnLoadSample(); }},
            {"recent file", [this] {
                 QAction* recent = RecentFileAction();
                 ASSERT_TRUE(recent);
                 recent->trigger();
             }},
            {"dropped skin", [this, other] { Drop(other); }},
            {"close", [this] { m_frame->close(); }},
        };
    }

    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<CMainFrame> m_frame;
};

// ---- the question ----

TEST_F(UnsavedWorkTest, CancelAndAFailedOrCancelledSaveAbortEveryCommand) {
    const QString other = MakePackage(QStringLiteral("other.rss"));
    ASSERT_TRUE(m_frame->OpenPath(other));  // puts it in the recent files
    ASSERT_TRUE(m_frame->OnFileNew());
    m_frame->show();
    const int made = m_frame->ProjectArea()->CreateObject(2000);
    ASSERT_EQ(ObjectCount(), 2);
    struct Way {
        const char* name;
        std::deque<Answer> answers;
        std::deque<QString> saveNames;
    };
    const Way ways[] = {
        {"Cancel", {Answer::Cancel}, {}},
        {"Escape (no answer)", {}, {}},
        {"Save, file dialog cancelled", {Answer::Save}, {QString()}},
        {"Save that fails", {Answer::Save}, {Path(QStringLiteral("no/such/dir/x.rss"))}},
    };
    for (const Way& way : ways) {
        for (const auto& [name, run] : Commands(other)) {
            SCOPED_TRACE(std::string(way.name) + " / " + name);
            m_dialogs.log.clear();
            m_dialogs.saveAnswers = way.answers;
            m_dialogs.saveNames = way.saveNames;
            run();
            ASSERT_FALSE(m_dialogs.log.isEmpty());
            EXPECT_TRUE(m_dialogs.log.first().startsWith(QStringLiteral("question: File Untitled.rss has been modified")));
            EXPECT_FALSE(m_dialogs.log.contains(QStringLiteral("open-dialog")));
            EXPECT_EQ(ObjectCount(), 2);
            EXPECT_EQ(NameOf(made), "SkinButton1");
            EXPECT_TRUE(m_frame->Session().IsModified());
            EXPECT_TRUE(m_frame->FilePath().isEmpty());
            EXPECT_TRUE(m_frame->isVisible());
        }
    }
}

TEST_F(UnsavedWorkTest, RealQuestionOffersThreeAnswersAndEscapeIsCancel) {
    QtDialogProvider real;
    QStringList buttons;
    QString caption;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        caption = box->windowTitle();
        for (QAbstractButton* b : box->buttons()) buttons << b->text().remove(QLatin1Char('&'));
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(real.AskSaveChanges(nullptr, QStringLiteral("File a.rss has been modified, you want to save it?"),
                                  QStringLiteral("Quarnelbrix")),
              Answer::Cancel);
    EXPECT_EQ(caption, QStringLiteral("Quarnelbrix"));
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Cancel"), QStringLiteral("Don't Save"), QStringLiteral("Save")}));
}

// ---- New after a skin without a file ----

TEST_F(UnsavedWorkTest, NewAfterLoadSampleStartsABlankSkinAskingOnlyWhenModified) {
    ASSERT_TRUE(m_frame->OnLoadSample());
    m_frame->ProjectArea()->FinishFilling();
    ASSERT_GT(ObjectCount(), 1);
    ASSERT_TRUE(m_frame->OnFileNew());
    EXPECT_TRUE(m_dialogs.log.isEmpty()) << "the sample was not changed";
    EXPECT_EQ(ObjectCount(), 1);
    EXPECT_EQ(m_frame->ProjectArea()->ObjectsNode()->child(0)->text(0), QStringLiteral("Application1"));

    ASSERT_TRUE(m_frame->OnLoadSample());
    m_frame->ProjectArea()->CreateObject(2000);
    m_dialogs.saveAnswers = {Answer::Discard};
    ASSERT_TRUE(m_frame->OnFileNew());
    EXPECT_EQ(m_dialogs.log.size(), 1);
    EXPECT_EQ(ObjectCount(), 1);
    // The blank skin itself stays as it is.
    m_dialogs.log.clear();
    EXPECT_FALSE(m_frame->OnFileNew());
    EXPECT_TRUE(m_dialogs.log.isEmpty());
}

TEST_F(UnsavedWorkTest, CopyBufferIsEmptiedWithTheSkinAndTheWindowHasTheAppIcon) {
    CProjectArea* tree = m_frame->ProjectArea();
    const int button = tree->CreateObject(2000);
    ASSERT_TRUE(tree->Copy(button));
    ASSERT_TRUE(tree->CanPaste());
    m_dialogs.saveAnswers = {Answer::Discard};
    ASSERT_TRUE(m_frame->OnFileNew());
    EXPECT_EQ(tree->CopyBuffer(), -1);
    EXPECT_FALSE(tree->CanPaste());
    // An object of the new skin under the old ID is not what was copied.
    ASSERT_EQ(tree->CreateObject(2000), button);
    EXPECT_TRUE(tree->Paste(0).empty());

    const QList<QSize> sizes = m_frame->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

// ---- a value being typed ----

TEST_F(UnsavedWorkTest, TypedValueIsSavedByCtrlSAndSaveAs) {
    const int button = m_frame->ProjectArea()->CreateObject(2000);
    Type(button, QStringLiteral("GoldButton"));
    m_dialogs.saveNames = {Path(QStringLiteral("a.rss"))};
    ASSERT_TRUE(m_frame->OnFileSave());
    EXPECT_FALSE(m_frame->Session().IsModified());
    CSkinDocument saved;
    ASSERT_EQ(saved.Open(Path(QStringLiteral("a.rss")).toStdString(), ""), vd::OpenResult::Ok);
    ASSERT_TRUE(saved.FindItem(button));
    EXPECT_EQ(saved.FindItem(button)->Caption, "GoldButton");

    Type(button, QStringLiteral("SilverButton"));
    m_dialogs.saveNames = {Path(QStringLiteral("b.rss"))};
    ASSERT_TRUE(m_frame->OnFileSaveAs());
    CSkinDocument savedAs;
    ASSERT_EQ(savedAs.Open(Path(QStringLiteral("b.rss")).toStdString(), ""), vd::OpenResult::Ok);
    EXPECT_EQ(savedAs.FindItem(button)->Caption, "SilverButton");
}

TEST_F(UnsavedWorkTest, TypedValueOfASavedSkinRaisesTheQuestionOnCloseNewAndOpen) {
    const QString other = MakePackage(QStringLiteral("other.rss"));
    const int button = m_frame->ProjectArea()->CreateObject(2000);
    m_dialogs.saveNames = {Path(QStringLiteral("mine.rss"))};
    ASSERT_TRUE(m_frame->OnFileSave());
    const QString question =
        QStringLiteral("question: File %1 has been modified, you want to save it? [Quarnelbrix]").arg(Path(QStringLiteral("mine.rss")));
    m_frame->show();

    // Closing: the typed name makes the skin modified, and Save writes it.
    Type(button, QStringLiteral("Typed1"));
    m_dialogs.log.clear();
    m_dialogs.saveAnswers = {Answer::Save};
    EXPECT_TRUE(m_frame->close());
    EXPECT_EQ(m_dialogs.log, QStringList{question});
    CSkinDocument onDisk;
    ASSERT_EQ(onDisk.Open(Path(QStringLiteral("mine.rss")).toStdString(), ""), vd::OpenResult::Ok);
    EXPECT_EQ(onDisk.FindItem(button)->Caption, "Typed1");

    // New and Open: the question comes, Cancel keeps the typed value in the document.
    m_frame->show();
    for (const auto& [name, run] : Commands(other)) {
        if (std::string(name) != "New" && std::string(name) != "Open") continue;
        SCOPED_TRACE(name);
        const QString typed = QStringLiteral("Typed_") + QString::fromLatin1(name);
        Type(button, typed);
        m_dialogs.log.clear();
        m_dialogs.saveAnswers = {Answer::Cancel};
        run();
        EXPECT_EQ(m_dialogs.log, QStringList{question});
        EXPECT_EQ(NameOf(button), typed.toStdString());
        EXPECT_TRUE(m_frame->Session().IsModified());
    }
}

TEST_F(UnsavedWorkTest, TypedValueIsCommittedBeforeUndoAndBeforeAnotherSelection) {
    const int first = m_frame->ProjectArea()->CreateObject(2000);
    const int second = m_frame->ProjectArea()->CreateObject(2000);
    const int steps = m_frame->Session().UndoStack().count();
    Type(first, QStringLiteral("Picked"));
    m_frame->ProjectArea()->SelectItemByData(second);
    m_frame->ProjectArea()->ShowProperties(second);
    EXPECT_EQ(NameOf(first), "Picked");
    EXPECT_EQ(m_frame->Session().UndoStack().count(), steps + 1);

    // Undo first takes the typed value, then undoes that very step; Redo brings it back.
    Type(second, QStringLiteral("Undone"));
    m_frame->Action(CMainFrame::ID_EDIT_UNDO)->trigger();
    EXPECT_EQ(NameOf(second), "SkinButton2");
    EXPECT_EQ(NameOf(first), "Picked");
    m_frame->Action(CMainFrame::ID_EDIT_REDO)->trigger();
    EXPECT_EQ(NameOf(second), "Undone");
}

// ---- shortcuts while an editor has the keyboard ----

TEST_F(UnsavedWorkTest, ApplicationShortcutsWaitWhileAnEditorHasTheKeyboard) {
    m_frame->show();
    m_frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    CProjectArea* tree = m_frame->ProjectArea();
    const int button = tree->CreateObject(2000);
    const int steps = m_frame->Session().UndoStack().count();
    QLineEdit* edit = EditName(button);
    ASSERT_TRUE(edit);
    edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    ASSERT_EQ(tree->SelectedId(), button);

    // Ctrl+D: the selected object stays.
    QTest::keyClick(edit, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(m_frame->Session().Document().FindItem(button));
    // Ctrl+Z undoes the typing in the editor, not a step of the skin.
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("Zed"));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(edit->text(), QStringLiteral("Zed"));
    EXPECT_EQ(m_frame->Session().UndoStack().count(), steps);
    EXPECT_TRUE(m_frame->Session().Document().FindItem(button));
    // Delete deletes characters.
    edit->setText(QStringLiteral("AB"));
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), QStringLiteral("B"));
    EXPECT_TRUE(m_frame->Session().Document().FindItem(button));

    // Ctrl+S still saves, with the typed value in the file.
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("ViaCtrlS"));
    m_dialogs.saveNames = {Path(QStringLiteral("keys.rss"))};
    QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
    CSkinDocument saved;
    ASSERT_EQ(saved.Open(Path(QStringLiteral("keys.rss")).toStdString(), ""), vd::OpenResult::Ok);
    EXPECT_EQ(saved.FindItem(button)->Caption, "ViaCtrlS");

    // Once the editor no longer has the keyboard, Ctrl+D acts again.
    tree->Tree()->setFocus();
    QTest::keyClick(tree->Tree(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_FALSE(m_frame->Session().Document().FindItem(button));
}

}  // namespace
