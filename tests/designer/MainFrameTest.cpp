// The main window: start-up state, title rules, change tracking and the save question, the password prompts
// of Open, Save and Save As, recent files and the panes.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

#include "Resource/ResObjects/ResApp.h"
#include "Resource/SkinDocument.h"
#include "ScriptedDialogs.h"
#include "designer/HelpWindow.h"
#include "designer/MainFrame.h"
#include "designer/MyTreeCtrl.h"
#include "designer/ProjectArea.h"
#include "designer/PropertyArea.h"

namespace {

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_frame = std::make_unique<CMainFrame>(&m_dialogs, m_dir.filePath(QStringLiteral("settings.ini")));
        m_frame->resize(1000, 700);
    }
    QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    // A package on disk with one application and one frame, protected by `password`.
    QString MakePackage(const char* name, const std::string& password) {
        CSkinDocument doc;
        doc.Apps().NewItem();
        doc.NewItemOfType(3000);
        const QString path = Path(name);
        std::string error;
        EXPECT_TRUE(doc.Save(path.toStdString(), password, true, &error)) << error;
        return path;
    }
    int ObjectCount() const { return m_frame->ProjectArea()->ObjectsNode()->childCount(); }

    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<CMainFrame> m_frame;
};

const QString kModifiedUntitled =
    QStringLiteral("question: File Untitled.rss has been modified, you want to save it? [Quarnelbrix]");

TEST_F(MainFrameTest, StartsUntitledWithPanesAndOneApplication) {
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Tessmark - Untitled.rss"));
    EXPECT_EQ(m_frame->ProjectPane()->windowTitle(), QStringLiteral("Skin Objects"));
    EXPECT_EQ(m_frame->PropertyPane()->windowTitle(), QStringLiteral("Properties"));
    EXPECT_EQ(m_frame->dockWidgetArea(m_frame->ProjectPane()), Qt::LeftDockWidgetArea);
    EXPECT_EQ(m_frame->dockWidgetArea(m_frame->PropertyPane()), Qt::RightDockWidgetArea);
    CProjectArea* tree = m_frame->ProjectArea();
    EXPECT_EQ(tree->SkinNode()->text(0), QStringLiteral("Skin"));
    EXPECT_EQ(tree->ObjectsNode()->text(0), QStringLiteral("Objects"));
    EXPECT_EQ(tree->ImageNode()->text(0), QStringLiteral("Image"));
    ASSERT_EQ(ObjectCount(), 1);
    EXPECT_EQ(tree->ObjectsNode()->child(0)->text(0), QStringLiteral("Application1"));
    EXPECT_FALSE(m_frame->Session().IsModified());
    EXPECT_TRUE(m_frame->FilePath().isEmpty());
}

TEST_F(MainFrameTest, NewOnAFreshSkinDoesNothing) {
    EXPECT_FALSE(m_frame->OnFileNew());
    EXPECT_TRUE(m_dialogs.log.isEmpty());
    EXPECT_EQ(ObjectCount(), 1);
}

TEST_F(MainFrameTest, QuestionOnlyWithUnsavedChangesCancelKeepsAndDontSaveDiscards) {
    m_frame->ProjectArea()->CreateObject(2000);
    ASSERT_TRUE(m_frame->Session().IsModified());
    m_dialogs.saveAnswers = {DialogProvider::SaveAnswer::Cancel};
    EXPECT_FALSE(m_frame->OnFileNew());
    EXPECT_EQ(m_dialogs.log, QStringList{kModifiedUntitled});
    EXPECT_EQ(ObjectCount(), 2) << "Cancel backs out of New";
    EXPECT_TRUE(m_frame->Session().IsModified());
    m_dialogs.log.clear();
    m_dialogs.saveAnswers = {DialogProvider::SaveAnswer::Discard};
    EXPECT_TRUE(m_frame->OnFileNew());
    EXPECT_EQ(m_dialogs.log, QStringList{kModifiedUntitled});
    EXPECT_EQ(ObjectCount(), 1);
    EXPECT_FALSE(m_frame->Session().IsModified());

    // Undoing back to the saved state counts as unmodified: no question.
    m_frame->ProjectArea()->CreateObject(2000);
    m_frame->Session().UndoStack().undo();
    m_dialogs.log.clear();
    m_dialogs.openNames = {QString()};
    EXPECT_FALSE(m_frame->OnFileOpen());
    EXPECT_EQ(m_dialogs.log, QStringList{QStringLiteral("open-dialog")});
}

TEST_F(MainFrameTest, SaveSavesBeforeGoingOnAndAFailedSaveStopsTheCommand) {
    m_frame->ProjectArea()->CreateObject(2000);
    m_dialogs.saveAnswers = {DialogProvider::SaveAnswer::Save};
    m_dialogs.saveNames = {QString()};  // Save As cancelled: nothing is lost
    EXPECT_FALSE(m_frame->OnFileNew());
    EXPECT_EQ(ObjectCount(), 2);
    m_dialogs.saveAnswers = {DialogProvider::SaveAnswer::Save};
    m_dialogs.saveNames = {Path("kept.rss")};
    EXPECT_TRUE(m_frame->OnFileNew());
    EXPECT_TRUE(QFileInfo::exists(Path("kept.rss")));
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Tessmark - Untitled.rss"));
}

TEST_F(MainFrameTest, OpenAsksForThePasswordUpToFourTimes) {
    const QString path = MakePackage("locked.rss", "abc");
    m_dialogs.openNames = {path};
    m_dialogs.passwords = {"x", "y", "z", "w"};
    EXPECT_FALSE(m_frame->OnFileOpen());
    const QString wrong = QStringLiteral("warning: Wrong Password! [Tessmark]");
    const QString prompt = QStringLiteral("password-prompt");
    EXPECT_EQ(m_dialogs.log, (QStringList{QStringLiteral("open-dialog"), prompt, wrong, prompt, wrong, prompt, wrong,
                                          prompt, wrong}));
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Tessmark - Untitled.rss"));
}

TEST_F(MainFrameTest, OpenWithTheRightPasswordOnTheSecondPrompt) {
    const QString path = MakePackage("locked.rss", "abc");
    m_dialogs.openNames = {path};
    m_dialogs.passwords = {"nope", "abc"};
    ASSERT_TRUE(m_frame->OnFileOpen());
    EXPECT_EQ(m_dialogs.log, (QStringList{QStringLiteral("open-dialog"), QStringLiteral("password-prompt"),
                                          QStringLiteral("warning: Wrong Password! [Tessmark]"),
                                          QStringLiteral("password-prompt")}));
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Tessmark - ") + path);
    EXPECT_EQ(m_frame->Session().Document().Password(), "abc");
    // Each prompt offers what was typed at the one before.
    EXPECT_EQ(m_dialogs.offeredPasswords, (QStringList{QString(), QStringLiteral("nope")}));
    m_frame->ProjectArea()->FinishFilling();
    EXPECT_EQ(ObjectCount(), 2);
    EXPECT_EQ(m_frame->RecentFiles(), QStringList{path});
}

TEST_F(MainFrameTest, UnknownFormatIsReportedAndTheSkinKept) {
    QFile junk(Path("junk.rss"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a skin at all, not even close");
    junk.close();
    m_frame->ProjectArea()->CreateObject(2000);
    m_dialogs.saveAnswers = {DialogProvider::SaveAnswer::Discard};
    EXPECT_FALSE(m_frame->OpenWithQuestion(Path("junk.rss")));
    // The message keeps its first line; the second names the file and the reason.
    EXPECT_TRUE(m_dialogs.log.last().startsWith(QStringLiteral("warning: Unknown file format!\n") +
                                                QDir::toNativeSeparators(Path("junk.rss")) + QStringLiteral(": ")))
        << m_dialogs.log.last().toStdString();
    EXPECT_TRUE(m_dialogs.log.last().endsWith(QStringLiteral(" [Quarnelbrix]")));
    EXPECT_EQ(ObjectCount(), 2);
}

TEST_F(MainFrameTest, SaveAsThenSaveUsesTheFileAndUpdatesTheTitle) {
    m_frame->ProjectArea()->CreateObject(3000);
    m_dialogs.saveNames = {Path("a.rss")};
    ASSERT_TRUE(m_frame->OnFileSave());  // no file yet: Save asks where
    EXPECT_EQ(m_dialogs.log, QStringList{QStringLiteral("save-dialog: Untitled.rss")});
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Tessmark - ") + Path("a.rss"));
    EXPECT_FALSE(m_frame->Session().IsModified());
    m_frame->ProjectArea()->CreateObject(2000);
    m_dialogs.log.clear();
    ASSERT_TRUE(m_frame->OnFileSave());  // the program knows the file: no dialog
    EXPECT_TRUE(m_dialogs.log.isEmpty());
    CSkinDocument reopened;
    ASSERT_EQ(reopened.Open(Path("a.rss").toStdString(), ""), vd::OpenResult::Ok);
    EXPECT_EQ(reopened.ItemCount(), 3u);
}

TEST_F(MainFrameTest, SaveFailureIsReportedAndNothingMarkedSaved) {
    m_frame->ProjectArea()->CreateObject(2000);
    m_dialogs.saveNames = {Path("no/such/dir/a.rss")};
    EXPECT_FALSE(m_frame->OnFileSaveAs());
    ASSERT_FALSE(m_dialogs.log.isEmpty());
    EXPECT_TRUE(m_dialogs.log.last().startsWith(QStringLiteral("warning: Save quarnelbrix Fail!")));
    EXPECT_TRUE(m_frame->Session().IsModified());
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Tessmark - Untitled.rss"));
}

TEST_F(MainFrameTest, TestSkinNeedsAFileAndRecentFilesKeepEight) {
    EXPECT_FALSE(m_frame->OnTestSkin());
    EXPECT_EQ(m_dialogs.log.last(), QStringLiteral("info: Please Save First! [Tessmark]"));
    for (int i = 0; i < 10; ++i) {
        m_frame->ProjectArea()->CreateObject(2000);
        m_dialogs.saveNames = {Path(QStringLiteral("s%1.rss").arg(i).toLatin1().constData())};
        ASSERT_TRUE(m_frame->OnFileSaveAs());
    }
    const QStringList recent = m_frame->RecentFiles();
    ASSERT_EQ(recent.size(), 8);
    EXPECT_EQ(recent.first(), Path("s9.rss"));
    EXPECT_EQ(recent.last(), Path("s2.rss"));
}

TEST_F(MainFrameTest, LoadSampleLeavesNoFileToTest) {
    const QString skin = MakePackage("tested.rss", "");
    ASSERT_TRUE(m_frame->OpenPath(skin));
    ASSERT_TRUE(m_frame->OnLoadSample());
    // The sample is not the file opened before it, so there is nothing on disk to test.
    EXPECT_TRUE(m_frame->FilePath().isEmpty());
    EXPECT_FALSE(m_frame->OnTestSkin());
    EXPECT_EQ(m_dialogs.log.last(), QStringLiteral("info: Please Save First! [Tessmark]"));
    EXPECT_TRUE(m_dialogs.started.isEmpty());
}

TEST_F(MainFrameTest, SortButtonsCheckTheActiveOrderOnly) {
    CPropertyArea* area = m_frame->PropertyArea();
    QAction* byCategory = area->SortByCategoryAction();
    QAction* alphabetical = area->SortAlphabeticallyAction();
    EXPECT_TRUE(byCategory->isChecked());
    EXPECT_FALSE(alphabetical->isChecked());
    for (int i = 0; i < 2; ++i) {  // pressing the pressed button keeps it pressed
        alphabetical->trigger();
        EXPECT_FALSE(byCategory->isChecked());
        EXPECT_TRUE(alphabetical->isChecked());
    }
    byCategory->trigger();
    EXPECT_TRUE(byCategory->isChecked());
    EXPECT_FALSE(alphabetical->isChecked());
}

TEST_F(MainFrameTest, ShowProjectHidesAndShowsItsPane) {
    m_frame->show();
    QAction* project = m_frame->Action(CMainFrame::ID_SHOW_PROJECT);
    ASSERT_TRUE(project);
    EXPECT_TRUE(project->isChecked());
    project->trigger();
    EXPECT_FALSE(m_frame->ProjectPane()->isVisible());
    EXPECT_FALSE(project->isChecked());
    project->trigger();
    EXPECT_TRUE(m_frame->ProjectPane()->isVisible());
}

// Sends a drop of `paths` to `target` as the window system would.
bool Drop(QWidget* target, const QStringList& paths) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

TEST_F(MainFrameTest, DroppedSkinOpensAndDroppedImagesLoad) {
    const QString skin = MakePackage("dropped.rss", "");
    const QString text = Path("notes.txt");
    QFile(text).open(QIODevice::WriteOnly);
    EXPECT_FALSE(Drop(m_frame.get(), {text}));  // nothing the window can open
    ASSERT_TRUE(Drop(m_frame.get(), {text, skin}));
    EXPECT_EQ(m_frame->FilePath(), skin);
    EXPECT_TRUE(m_dialogs.log.isEmpty());  // unmodified: no question

    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(Path("red.png")));
    ASSERT_TRUE(red.save(Path("blue.bmp")));
    QWidget* treeViewport = m_frame->ProjectArea()->Tree()->viewport();
    ASSERT_TRUE(Drop(treeViewport, {Path("red.png"), Path("blue.bmp")}));
    EXPECT_EQ(m_frame->ProjectArea()->ImageNode()->childCount(), 2);
    EXPECT_EQ(m_frame->Session().UndoStack().count(), 1);  // one step for the batch

    // A skin dropped on the tree is no picture: the window takes it, asking first about the new pictures.
    m_dialogs.saveAnswers = {DialogProvider::SaveAnswer::Discard};
    ASSERT_TRUE(Drop(treeViewport, {skin}));
    EXPECT_EQ(m_dialogs.log.size(), 1);
    EXPECT_TRUE(m_dialogs.log.value(0).startsWith(QLatin1String("question: File ")));
    EXPECT_EQ(m_frame->ProjectArea()->ImageNode()->childCount(), 0);
}

TEST_F(MainFrameTest, CommandLinePathOpensTheSkin) {
    const QString skin = MakePackage("argument.rss", "");
    EXPECT_FALSE(m_frame->OpenFromArguments({QStringLiteral("vornadesk")}));
    EXPECT_TRUE(m_frame->FilePath().isEmpty());
    EXPECT_TRUE(m_frame->OpenFromArguments({QStringLiteral("vornadesk"), skin}));
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Tessmark - ") + skin);
    EXPECT_FALSE(m_frame->OpenFromArguments({QStringLiteral("vornadesk"), Path("missing.rss")}));
    EXPECT_EQ(m_frame->FilePath(), skin);  // a failed open keeps the skin
}

TEST_F(MainFrameTest, LayoutIsSavedAtCloseAndRestoredAtStart) {
    m_frame->show();
    m_frame->PropertyPane()->hide();
    ASSERT_TRUE(m_frame->close());
    m_frame.reset();
    CMainFrame again(&m_dialogs, Path("settings.ini"));
    again.show();
    EXPECT_FALSE(again.PropertyPane()->isVisible());
    EXPECT_TRUE(again.ProjectPane()->isVisible());
    EXPECT_FALSE(again.Action(CMainFrame::ID_SHOW_PROPERTY)->isChecked());
}

TEST_F(MainFrameTest, ToolbarOrderIconsAndHelp) {
    auto* bar = m_frame->findChild<QToolBar*>(QStringLiteral("Standard"));
    ASSERT_TRUE(bar);
    QList<int> order;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) {
            order << 0;
            continue;
        }
        order << m_frame->Actions().key(a, -1);
        EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
    }
    using F = CMainFrame;
    EXPECT_EQ(order, (QList<int>{F::ID_FILE_NEW, 0, F::ID_LOAD_SAMPLE, F::ID_FILE_OPEN, F::ID_FILE_SAVE, 0,
                                 F::ID_EDIT_COPY, F::ID_EDIT_PASTE, F::ID_EDIT_DELETE, 0, F::ID_LOAD_IMAGE, 0,
                                 F::ID_SHOW_GRIPS, 0, F::ID_HELP_TOPICS}));

    // The guide is copied beside every executable of the build, this test's included.
    // It opens in the designer's help window, not through a browser.
    ASSERT_TRUE(m_frame->OnHelpTopics());
    EXPECT_TRUE(m_dialogs.urls.isEmpty());
    HelpWindow* help = m_frame->findChild<HelpWindow*>();
    ASSERT_TRUE(help);
    EXPECT_TRUE(QFileInfo::exists(help->Browser()->source().toLocalFile()));
    EXPECT_TRUE(help->Browser()->source().toString().endsWith(QLatin1String("docs/help/index.html")));
    ASSERT_TRUE(m_frame->OnHomePage());
    ASSERT_EQ(m_dialogs.urls.size(), 1);
    EXPECT_TRUE(m_dialogs.urls[0].startsWith(QLatin1String("https://")));
    m_frame->Action(CMainFrame::ID_APP_ABOUT)->trigger();
    EXPECT_EQ(m_dialogs.log.last(), QStringLiteral("about-box"));
}

TEST_F(MainFrameTest, ShortcutsAreUnique) {
    QSet<QString> seen;
    for (int id : {CMainFrame::ID_FILE_NEW, CMainFrame::ID_FILE_OPEN, CMainFrame::ID_FILE_CLOSE, CMainFrame::ID_FILE_SAVE,
                   CMainFrame::ID_FILE_SAVE_AS, CMainFrame::ID_LOAD_IMAGE, CMainFrame::ID_EDIT_CUT,
                   CMainFrame::ID_EDIT_COPY, CMainFrame::ID_EDIT_PASTE, CMainFrame::ID_EDIT_DELETE,
                   CMainFrame::ID_EDIT_UNDO, CMainFrame::ID_EDIT_REDO}) {
        QAction* a = m_frame->Action(id);
        ASSERT_TRUE(a) << id;
        const QString keys = a->shortcut().toString();
        if (keys.isEmpty()) continue;
        EXPECT_FALSE(seen.contains(keys)) << keys.toStdString();
        seen.insert(keys);
    }
    EXPECT_EQ(m_frame->Action(CMainFrame::ID_EDIT_UNDO)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(m_frame->Action(CMainFrame::ID_EDIT_REDO)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
}

}  // namespace
