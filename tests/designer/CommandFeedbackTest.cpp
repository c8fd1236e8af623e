// The designer says what happened: the home page without a browser, the files Load Image left out and why,
// Paste offered only with something to paste, the password field's limit, why a file did not open, new
// objects selected and opened, and a right click that selects for the grid as well.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidgetItem>

#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinDocument.h"
#include "ScriptedDialogs.h"
#include "designer/ChildView.h"
#include "designer/MainFrame.h"
#include "designer/MyTreeCtrl.h"
#include "designer/ProjectArea.h"
#include "designer/PropertyArea.h"
#include "designer/SkinPassWordDlg.h"
#include "designer/pages/ResObjProperty.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/PropertyItem.h"

namespace {

class CommandFeedbackTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_frame = std::make_unique<CMainFrame>(&m_dialogs, m_dir.filePath(QStringLiteral("settings.ini")));
        m_frame->resize(1000, 700);
        m_tree = m_frame->ProjectArea();
    }
    QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QStringList Warnings() const { return m_dialogs.log.filter(QStringLiteral("warning: ")); }
    QAction* Paste() const { return m_frame->Action(CMainFrame::ID_EDIT_PASTE); }
    // Whether Paste can be chosen in the Edit menu, on the toolbar and in the tree's menu of item id.
    std::array<bool, 3> PasteEnabledEverywhere(int id) const {
        bool inEditMenu = false;
        for (QAction* top : m_frame->menuBar()->actions())
            if (top->menu() && top->menu()->actions().contains(Paste())) inEditMenu = Paste()->isEnabled();
        QToolBar* bar = m_frame->findChild<QToolBar*>();
        QWidget* button = bar ? bar->widgetForAction(Paste()) : nullptr;
        std::unique_ptr<QMenu> menu(m_tree->CreateContextMenu(m_tree->ItemForId(id)));
        bool inTreeMenu = false;
        for (QAction* a : menu->actions())
            if (a->text() == QStringLiteral("&Paste")) inTreeMenu = a->isEnabled();
        return {inEditMenu, button && button->isEnabled(), inTreeMenu};
    }

    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<CMainFrame> m_frame;
    CProjectArea* m_tree = nullptr;
};

TEST_F(CommandFeedbackTest, HomePageSaysSoWhenNoBrowserStarts) {
    m_dialogs.openUrlResult = false;
    EXPECT_FALSE(m_frame->OnHomePage());
    ASSERT_EQ(m_dialogs.urls.size(), 1);
    const QStringList infos = m_dialogs.log.filter(QStringLiteral("info: "));
    ASSERT_EQ(infos.size(), 1);
    EXPECT_TRUE(infos[0].contains(m_dialogs.urls[0]));  // the address, so it can be typed elsewhere
    EXPECT_TRUE(infos[0].contains(QStringLiteral("browser")));

    m_dialogs.log.clear();
    m_dialogs.openUrlResult = true;
    EXPECT_TRUE(m_frame->OnHomePage());
    EXPECT_TRUE(m_dialogs.log.isEmpty());
}

TEST_F(CommandFeedbackTest, LoadImageListsEachSkippedFileWithItsReasonInOneMessage) {
    QImage img(4, 3, QImage::Format_RGB32);
    img.fill(Qt::blue);
    ASSERT_TRUE(img.save(Path("good.bmp"), "BMP"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("other")));
    ASSERT_TRUE(img.save(Path("other/good.bmp"), "BMP"));
    QFile junk(Path("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is text, not a picture");
    junk.close();

    m_dialogs.openLists = {{Path("good.bmp"), Path("junk.bmp"), Path("missing.png"), Path("other/good.bmp")}};
    m_tree->LoadImagesInteractive();
    ASSERT_EQ(m_tree->ImageNode()->childCount(), 1);
    const QStringList warnings = Warnings();
    ASSERT_EQ(warnings.size(), 1);
    const QStringList lines = warnings[0].split(QLatin1Char('\n'));
    // A heading, then one line per skipped file in the order chosen; the loaded file is not listed.
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith(QDir::toNativeSeparators(Path("junk.bmp")) + QStringLiteral(": ")));
    EXPECT_TRUE(lines[2].startsWith(QDir::toNativeSeparators(Path("missing.png")) + QStringLiteral(": ")));
    EXPECT_TRUE(lines[3].startsWith(QDir::toNativeSeparators(Path("other/good.bmp")) + QStringLiteral(": ")));
    EXPECT_TRUE(lines[3].contains(QStringLiteral("already has a picture named good.bmp")));
    for (int i = 1; i < 4; ++i) EXPECT_GT(lines[i].section(QStringLiteral(": "), 1).size(), 5) << lines[i].toStdString();
    EXPECT_NE(lines[1].section(QStringLiteral(": "), 1), lines[2].section(QStringLiteral(": "), 1));

    // Dropped files are told about the same way; nothing is said when every file loads.
    m_dialogs.log.clear();
    EXPECT_TRUE(m_tree->LoadImages({Path("good.bmp")}).empty());
    ASSERT_EQ(Warnings().size(), 1);
    EXPECT_TRUE(Warnings()[0].contains(QStringLiteral("already has a picture")));
    m_dialogs.log.clear();
    ASSERT_TRUE(img.save(Path("fresh.png"), "PNG"));
    EXPECT_EQ(m_tree->LoadImages({Path("fresh.png")}).size(), 1u);
    EXPECT_TRUE(Warnings().isEmpty());
}

TEST_F(CommandFeedbackTest, AFileNameTheSkinCannotStoreIsLoadedUnderAStorableNameAndSaid) {
    QImage img(2, 2, QImage::Format_RGB32);
    img.fill(Qt::red);
    // A line break in a file name would become a line of the configuration: the picture is renamed.
    ASSERT_TRUE(img.save(Path("a\nb.bmp"), "BMP"));
    ASSERT_TRUE(img.save(Path("plain.bmp"), "BMP"));
    const std::vector<int> made = m_tree->LoadImages({Path("a\nb.bmp"), Path("plain.bmp")});
    ASSERT_EQ(made.size(), 2u);
    const CResPicture& pictures = m_frame->Session().Document().Pictures();
    const Picture* renamed = pictures.FindPicture(made[0]);
    ASSERT_TRUE(renamed);
    EXPECT_EQ(CResPicture::NameProblem(renamed->name), nullptr);
    EXPECT_EQ(renamed->name.find('\n'), std::string::npos);
    ASSERT_GT(renamed->name.size(), 4u);
    EXPECT_EQ(renamed->name.substr(renamed->name.size() - 4), ".bmp");
    ASSERT_TRUE(pictures.FindPicture(made[1]));
    EXPECT_EQ(pictures.FindPicture(made[1])->name, "plain.bmp");
    // One message names the file, its line break shown escaped, and the name it was loaded under.
    const QStringList warnings = Warnings();
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("a\\nb.bmp: ") + QString::fromStdString(renamed->name)))
        << warnings[0].toStdString();
    EXPECT_FALSE(warnings[0].contains(QStringLiteral("not loaded")));
}

TEST_F(CommandFeedbackTest, PasteIsOfferedEverywhereOnlyWithSomethingToPaste) {
    const int button = m_tree->CreateObject(2000);
    ASSERT_TRUE(button);
    EXPECT_EQ(PasteEnabledEverywhere(button), (std::array<bool, 3>{false, false, false}));
    ASSERT_TRUE(m_tree->Copy(button));
    EXPECT_EQ(PasteEnabledEverywhere(button), (std::array<bool, 3>{true, true, true}));
    // The copied object deleted: nothing left to paste; undoing the delete brings Paste back.
    const int frame = m_tree->CreateObject(3000);
    ASSERT_TRUE(m_tree->DeleteObject(button));
    EXPECT_EQ(PasteEnabledEverywhere(frame), (std::array<bool, 3>{false, false, false}));
    m_frame->Session().UndoStack().undo();
    EXPECT_EQ(PasteEnabledEverywhere(frame), (std::array<bool, 3>{true, true, true}));
}

TEST(PasswordField, SaysItTakesAtMostSevenCharacters) {
    CSkinPassWordDlg dialog;
    EXPECT_TRUE(dialog.Edit()->placeholderText().contains(QStringLiteral("7")));
    EXPECT_EQ(dialog.Edit()->maxLength(), 7);
    dialog.Edit()->setText(QStringLiteral("abcdefgh"));
    EXPECT_EQ(dialog.Password(), QStringLiteral("abcdefg"));
}

TEST_F(CommandFeedbackTest, OpenFailureKeepsItsMessageAndNamesFileAndReasonOnTheSecondLine) {
    QFile junk(Path("junk.rss"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("certainly not a skin package, just words");
    junk.close();
    struct Case {
        const char* name;
        const char* message;
        const char* reasonWord;
    };
    const Case cases[] = {{"junk.rss", "Unknown file format!", "not a skin package"},
                          {"missing.rss", "The skin file could not be read!", "does not exist"}};
    for (const Case& c : cases) {
        m_dialogs.log.clear();
        EXPECT_FALSE(m_frame->OpenPath(Path(c.name)));
        ASSERT_EQ(Warnings().size(), 1) << c.name;
        const QString shown = Warnings()[0].mid(QStringLiteral("warning: ").size());
        const QStringList lines = shown.section(QStringLiteral(" ["), 0, 0).split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 2) << c.name;
        EXPECT_EQ(lines[0], QString::fromLatin1(c.message));
        EXPECT_TRUE(lines[1].startsWith(QDir::toNativeSeparators(Path(c.name)) + QStringLiteral(": "))) << c.name;
        EXPECT_TRUE(lines[1].contains(QString::fromLatin1(c.reasonWord))) << lines[1].toStdString();
        EXPECT_TRUE(shown.endsWith(QStringLiteral("[Quarnelbrix]")));
    }
}

TEST_F(CommandFeedbackTest, NewObjectsAreSelectedAndOpenFromTheMenuAndTheTree) {
    // The Object menu's command for frames.
    QAction* frameCommand = nullptr;
    for (QAction* top : m_frame->menuBar()->actions())
        if (top->menu())
            for (QAction* a : top->menu()->actions())
                if (a->text() == QStringLiteral("SkinFrameWnd")) frameCommand = a;
    ASSERT_TRUE(frameCommand);
    frameCommand->trigger();
    const int frame = m_tree->SelectedId();
    ASSERT_GE(frame, 3000);
    ASSERT_LT(frame, 3500);
    EXPECT_EQ(m_tree->OpenId(), frame);
    EXPECT_EQ(m_tree->ShownId(), frame);
    ASSERT_TRUE(m_frame->View()->Page());
    EXPECT_EQ(m_frame->View()->Page()->CurrentId(), frame);
    EXPECT_TRUE(m_tree->ItemForId(frame)->font(0).bold());

    // Owned from the tree's menu: the new caption button, not its frame, is what is selected and open.
    const int captionButton = m_tree->CreateOwned(3500, frame);
    ASSERT_TRUE(captionButton);
    EXPECT_EQ(m_tree->SelectedId(), captionButton);
    EXPECT_EQ(m_tree->OpenId(), captionButton);
    EXPECT_EQ(m_frame->View()->Page()->CurrentId(), captionButton);
    EXPECT_FALSE(m_tree->ItemForId(frame)->font(0).bold());
}

TEST_F(CommandFeedbackTest, RightClickSelectsTheItemForTheGridAsWell) {
    const int button = m_tree->CreateObject(2000);
    const int frame = m_tree->CreateObject(3000);
    ASSERT_EQ(m_tree->ShownId(), frame);
    std::unique_ptr<QMenu> menu(m_tree->ContextMenuFor(m_tree->ItemForId(button)));
    ASSERT_TRUE(menu);
    EXPECT_EQ(m_tree->SelectedId(), button);
    EXPECT_EQ(m_tree->ShownId(), button);
    vd::PropertyItem* name = m_frame->PropertyArea()->Grid()->findItem(QStringLiteral("Name"));
    ASSERT_TRUE(name);
    EXPECT_EQ(name->value().toString(), QStringLiteral("SkinButton1"));
    // The view keeps what is open: a right click is not a double click.
    EXPECT_EQ(m_tree->OpenId(), frame);
    // A fixed node has no object: the grid keeps what it shows.
    std::unique_ptr<QMenu> objects(m_tree->ContextMenuFor(m_tree->ObjectsNode()));
    EXPECT_EQ(m_tree->ShownId(), button);
}

}  // namespace
