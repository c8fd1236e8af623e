// The Problems pane: it follows edits, undo and deletions on the next turn of the event loop, shows itself
// when findings appear and hides when the last one goes, counts them in the status bar, leads from a
// finding to its object and grid row, and File > "Remove Unused Pictures" removes them in one undo step.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QDockWidget>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <set>

#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/SkinCheck.h"
#include "Resource/SkinDocument.h"
#include "../preview/PreviewTestSupport.h"
#include "ScriptedDialogs.h"
#include "designer/MainFrame.h"
#include "designer/ObjectKinds.h"
#include "designer/ProblemsPane.h"
#include "designer/ProjectArea.h"
#include "designer/PropertyArea.h"
#include "designer/propertygrid/ImageItem.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/PropertyItem.h"
#include "designer/undo/EditObjectCommand.h"
#include "designer/undo/RemoveObjectCommand.h"
#include "designer/undo/RemovePicturesCommand.h"

// Findings print as the command line shows them.
void PrintTo(const CheckFinding& f, std::ostream* out) { *out << f.code << " | " << FormatFinding(f); }

namespace {

class ProblemsPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_frame = std::make_unique<CMainFrame>(&m_dialogs, m_dir.filePath(QStringLiteral("settings.ini")));
        m_frame->resize(1000, 700);
        Settle();
    }

    // Lets the pane run the check the last changes asked for.
    void Settle() { QCoreApplication::processEvents(); }

    SkinSession& Session() { return m_frame->Session(); }
    CSkinDocument& Doc() { return Session().Document(); }
    ProblemsPane& Pane() { return *m_frame->Problems(); }
    QString CountShown() const { return m_frame->findChild<QLabel*>(QStringLiteral("ProblemsCount"))->text(); }
    bool PaneShown() const { return !m_frame->ProblemsDock()->isHidden(); }

    int NewFrame(const std::string& caption) {
        const int id = m_frame->ProjectArea()->CreateObject(3000);
        EditObjectCommand::Push(Session(), id, QStringLiteral("Rename"),
                                [caption](SkinResStruct& r) { r.Caption = caption; });
        return id;
    }
    // Points one of the frame's images at a picture name through an undoable edit, as the grid does (the
    // slice stays the new reference's 0,0,20,20).
    void NameImage(int frameId, SkinImageBase SkinFrame::*member, const std::string& name) {
        const auto image = Doc().PictureImageByName(name);
        ASSERT_TRUE(EditObjectCommand::Push(Session(), frameId, QStringLiteral("Change image"),
                                            [member, name, image](SkinResStruct& r) {
                                                (static_cast<SkinFrame&>(r).*member).name = name;
                                                (static_cast<SkinFrame&>(r).*member).image = image;
                                            }));
    }
    // w x h PNG files loaded as the user loads them, each with its own bytes; big enough for the slice a
    // new reference has.
    std::vector<int> LoadPictures(const QStringList& names, int w = 24, int h = 20) {
        QStringList paths;
        for (const QString& name : names) {
            QImage image(w, h, QImage::Format_ARGB32);
            image.fill(QColor(10 * paths.size(), 100, 200));
            paths << m_dir.filePath(name);
            EXPECT_TRUE(image.save(paths.back(), "PNG"));
        }
        return m_frame->ProjectArea()->LoadImages(paths);
    }
    std::vector<std::string> PictureNames() const {
        std::vector<std::string> names;
        const CResPicture& pictures = m_frame->Session().Document().Pictures();
        for (size_t i = 0; i < pictures.Count(); ++i) names.push_back(pictures.At(i)->name);
        return names;
    }
    static CheckFinding Missing(int id, const std::string& frame, const std::string& key, const std::string& picture) {
        return {CheckSeverity::Error, "missing-picture", "Frames", id, frame, key,
                "picture '" + picture + "' is not in the skin"};
    }

    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<CMainFrame> m_frame;
};

TEST_F(ProblemsPaneTest, StartsCleanHiddenAndSilent) {
    EXPECT_TRUE(Pane().Findings().empty());
    EXPECT_FALSE(PaneShown());
    EXPECT_EQ(CountShown(), QString());
    EXPECT_EQ(m_frame->ProblemsDock()->windowTitle(), QStringLiteral("Problems"));
    EXPECT_EQ(m_frame->dockWidgetArea(m_frame->ProblemsDock()), m_frame->dockWidgetArea(m_frame->ProjectPane()));
    QAction* remove = m_frame->Action(CMainFrame::ID_REMOVE_UNUSED_PICTURES);
    ASSERT_NE(remove, nullptr);
    EXPECT_EQ(remove->text(), QStringLiteral("Remove Unused Pictures"));
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_EQ(remove->statusTip(), QStringLiteral("The skin has no pictures."));
}

TEST_F(ProblemsPaneTest, FollowsAnEditOnTheNextTurnAndItsUndo) {
    const int frame = NewFrame("Amber");
    Settle();
    ASSERT_TRUE(Pane().Findings().empty());
    QSignalSpy changed(&Pane(), &ProblemsPane::findingsChanged);

    // Two faults in one turn: one check, after the turn.
    NameImage(frame, &SkinFrame::activeTop, "gone.png");
    NameImage(frame, &SkinFrame::inactiveLeft, "lost.png");
    EXPECT_TRUE(Pane().IsCheckPending());
    EXPECT_TRUE(Pane().Findings().empty());
    Settle();
    EXPECT_EQ(changed.count(), 1);
    // In the document's order: the left borders come before the top ones.
    const std::vector<CheckFinding> expected = {Missing(frame, "Amber", "InactiveLeft", "lost.png"),
                                                Missing(frame, "Amber", "ActiveTop", "gone.png")};
    EXPECT_EQ(Pane().Findings(), expected);
    ASSERT_EQ(Pane().List()->topLevelItemCount(), 2);
    const QTreeWidgetItem* first = Pane().List()->topLevelItem(0);
    EXPECT_EQ(first->text(0), QStringLiteral("Frames/Amber"));
    EXPECT_EQ(first->text(1), QStringLiteral("InactiveLeft"));
    EXPECT_EQ(first->text(2), QStringLiteral("picture 'lost.png' is not in the skin"));
    EXPECT_FALSE(first->icon(0).isNull());
    EXPECT_TRUE(PaneShown());
    EXPECT_EQ(CountShown(), QStringLiteral("2 errors"));
    previewtest::SaveIfAsked(m_frame->grab().toImage(), QStringLiteral("problems-pane"));

    Session().Undo();
    Settle();
    EXPECT_EQ(Pane().Findings(), std::vector<CheckFinding>{expected[1]});
    EXPECT_EQ(CountShown(), QStringLiteral("1 error"));
    Session().Undo();
    Settle();
    EXPECT_TRUE(Pane().Findings().empty());
    EXPECT_EQ(Pane().List()->topLevelItemCount(), 0);
    EXPECT_FALSE(PaneShown());
    EXPECT_EQ(CountShown(), QString());
}

TEST_F(ProblemsPaneTest, FollowsDeletions) {
    const int frame = NewFrame("Amber");
    const int button = m_frame->ProjectArea()->CreateOwned(3500, frame);
    const std::string buttonName = Doc().FindItem(button)->Caption;
    Settle();
    ASSERT_TRUE(Pane().Findings().empty());

    // The frame goes and its caption button stays: the button's owner is gone.
    Session().UndoStack().push(new RemoveObjectCommand(Session(), frame, QStringLiteral("Delete")));
    Settle();
    const CheckFinding orphan{CheckSeverity::Error, "missing-owner", "SysButtons", button, buttonName,
                              "OwnerFrameID", "owner frame " + std::to_string(frame) + " does not exist"};
    EXPECT_EQ(Pane().Findings(), std::vector<CheckFinding>{orphan});
    Session().Undo();
    Settle();
    EXPECT_TRUE(Pane().Findings().empty());

    // Deleting from the tree takes the frame's caption buttons with it: nothing is left behind.
    ASSERT_TRUE(m_frame->ProjectArea()->DeleteObject(frame));
    Settle();
    EXPECT_TRUE(Pane().Findings().empty());
    Session().Undo();

    // Unloading a picture in use leaves its reference naming nothing.
    const std::vector<int> pictures = LoadPictures({QStringLiteral("top.png")});
    ASSERT_EQ(pictures.size(), 1u);
    NameImage(frame, &SkinFrame::activeTop, "top.png");
    Settle();
    ASSERT_TRUE(Pane().Findings().empty());
    ASSERT_TRUE(m_frame->ProjectArea()->DeleteObject(pictures[0]));
    Settle();
    EXPECT_EQ(Pane().Findings(), std::vector<CheckFinding>{Missing(frame, "Amber", "ActiveTop", "top.png")});
}

TEST_F(ProblemsPaneTest, DoubleClickOpensTheObjectAndSelectsItsRow) {
    const int other = NewFrame("Other");
    const int frame = NewFrame("Amber");
    NameImage(frame, &SkinFrame::activeTop, "gone.png");
    m_frame->show();
    Settle();
    m_frame->ProjectArea()->OpenObject(other);
    m_frame->PropertyPane()->hide();
    ASSERT_EQ(Pane().Findings().size(), 1u);

    QTreeWidget* list = Pane().List();
    const QRect rect = list->visualItemRect(list->topLevelItem(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());

    EXPECT_EQ(m_frame->ProjectArea()->SelectedId(), frame);
    EXPECT_EQ(m_frame->ProjectArea()->OpenId(), frame);
    EXPECT_FALSE(m_frame->PropertyPane()->isHidden());
    vd::PropertyGrid* grid = m_frame->PropertyArea()->Grid();
    vd::PropertyItem* row = grid->currentItem();
    ASSERT_NE(row, nullptr);
    // The "ActiveTop" row under Frame.Normal / Top, opened for the author.
    EXPECT_EQ(row->caption(), QStringLiteral("ActiveTop"));
    ASSERT_NE(row->parent(), nullptr);
    EXPECT_EQ(row->parent()->caption(), QStringLiteral("Top"));
    EXPECT_EQ(row->parent()->parent()->caption(), QStringLiteral("Frame.Normal"));
    EXPECT_TRUE(row->parent()->isExpanded());
    EXPECT_TRUE(grid->isDisplayed(row));
}

TEST_F(ProblemsPaneTest, FindingWithoutARowSelectsTheObjectOnly) {
    const int frame = NewFrame("Amber");
    const int button = m_frame->ProjectArea()->CreateOwned(3500, frame);
    Session().UndoStack().push(new RemoveObjectCommand(Session(), frame, QStringLiteral("Delete")));
    Settle();
    ASSERT_EQ(Pane().Findings().size(), 1u);
    // The caption button's page has no row for its owner's ID.
    EXPECT_TRUE(Pane().GoTo(Pane().Findings()[0]));
    EXPECT_EQ(m_frame->ProjectArea()->SelectedId(), button);
    EXPECT_EQ(m_frame->ProjectArea()->OpenId(), button);
    EXPECT_EQ(m_frame->PropertyArea()->Grid()->currentItem(), nullptr);

    // A finding about an object that is no longer there, or about the skin as a whole, goes nowhere.
    CheckFinding gone = Pane().Findings()[0];
    gone.id = frame;
    EXPECT_FALSE(Pane().GoTo(gone));
    gone.id = 0;
    EXPECT_FALSE(Pane().GoTo(gone));
    EXPECT_EQ(m_frame->ProjectArea()->SelectedId(), button);
}

TEST_F(ProblemsPaneTest, RowForTellsAFontFromANameUnderOneKey) {
    const int frame = NewFrame("Amber");
    m_frame->ProjectArea()->ShowProperties(frame);
    const vd::PropertyGrid& grid = *m_frame->PropertyArea()->Grid();
    // A frame stores its name, caption font and caption text style all under "Caption".
    CheckFinding finding{CheckSeverity::Warning, "missing-font", "Frames", frame, "Amber", "Caption", "font"};
    vd::PropertyItem* font = ProblemsPane::RowFor(grid, finding);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->caption(), QStringLiteral("Caption Font"));
    finding.code = "duplicate-name";
    vd::PropertyItem* name = ProblemsPane::RowFor(grid, finding);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->caption(), QStringLiteral("Caption"));
    EXPECT_EQ(name->kind(), vd::PropertyItem::TextKind);
    finding.key = "NoSuchKey";
    EXPECT_EQ(ProblemsPane::RowFor(grid, finding), nullptr);
    finding.key.clear();
    EXPECT_EQ(ProblemsPane::RowFor(grid, finding), nullptr);
    // A frame has several fonts, each under a key: a font finding under another key names none of them.
    finding.code = "missing-font";
    finding.key = "FontName";
    EXPECT_EQ(ProblemsPane::RowFor(grid, finding), nullptr);
}

TEST_F(ProblemsPaneTest, RowForFindsAFontStoredWithoutAKey) {
    // A caption button keeps its one font directly under its own prefix; the check names it by its face.
    const int frame = NewFrame("Amber");
    const int button = m_frame->ProjectArea()->CreateOwned(3500, frame);
    m_frame->ProjectArea()->ShowProperties(button);
    const vd::PropertyGrid& grid = *m_frame->PropertyArea()->Grid();
    CheckFinding finding{CheckSeverity::Warning, "missing-font", "SysButtons", button, "b", "FontName", "font"};
    vd::PropertyItem* font = ProblemsPane::RowFor(grid, finding);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->caption(), QStringLiteral("Font"));
    EXPECT_EQ(font->parent()->caption(), QStringLiteral("Appearance"));
    finding.code = "duplicate-name";
    EXPECT_EQ(ProblemsPane::RowFor(grid, finding), nullptr);
}

// Every picture row of every page can be reached from a finding: it knows its key, and no two picture rows
// of one page share one.
TEST_F(ProblemsPaneTest, EveryPictureRowKnowsItsKey) {
    const vd::PropertyGrid& grid = *m_frame->PropertyArea()->Grid();
    std::function<void(const vd::PropertyItem*, std::vector<const vd::PropertyItem*>&)> collect =
        [&](const vd::PropertyItem* item, std::vector<const vd::PropertyItem*>& out) {
            if (item->kind() == vd::ImageItem::kKind) out.push_back(item);
            for (int i = 0; i < item->childCount(); ++i) collect(item->child(i), out);
        };
    int pagesWithPictures = 0;
    for (const ObjectMenuEntry& entry : ObjectMenuEntries()) {
        const int id = m_frame->ProjectArea()->CreateObject(entry.typeBase);
        ASSERT_NE(id, 0) << entry.text;
        m_frame->ProjectArea()->ShowProperties(id);
        std::vector<const vd::PropertyItem*> rows;
        for (int i = 0; i < grid.topLevelItemCount(); ++i) collect(grid.topLevelItem(i), rows);
        pagesWithPictures += rows.empty() ? 0 : 1;
        std::set<QString> keys;
        for (const vd::PropertyItem* row : rows) {
            EXPECT_FALSE(row->key().isEmpty()) << entry.text << ": " << row->caption().toStdString();
            EXPECT_TRUE(keys.insert(row->key()).second) << entry.text << ": " << row->key().toStdString();
            EXPECT_EQ(grid.findItemsByKey(row->key()).front(), row) << entry.text << ": " << row->key().toStdString();
        }
    }
    EXPECT_GT(pagesWithPictures, 20);
}

TEST_F(ProblemsPaneTest, CountsEachSeverity) {
    using F = std::vector<CheckFinding>;
    const CheckFinding e{CheckSeverity::Error}, w{CheckSeverity::Warning}, n{CheckSeverity::Note};
    EXPECT_EQ(ProblemsPane::CountText(F{}), QString());
    EXPECT_EQ(ProblemsPane::CountText(F{e}), QStringLiteral("1 error"));
    EXPECT_EQ(ProblemsPane::CountText(F{w, w}), QStringLiteral("2 warnings"));
    EXPECT_EQ(ProblemsPane::CountText(F{n, e, w, e}), QStringLiteral("2 errors, 1 warning, 1 note"));
    EXPECT_EQ(ProblemsPane::CountText(F{n, n, n}), QStringLiteral("3 notes"));

    // In the status bar: two missing pictures, two frames of one name and a picture nobody uses.
    const int first = NewFrame("Twin");
    const int second = NewFrame("Twin");
    NameImage(first, &SkinFrame::activeTop, "a.png");
    NameImage(second, &SkinFrame::activeTop, "b.png");
    LoadPictures({QStringLiteral("spare.png")});
    Settle();
    EXPECT_EQ(CountShown(), QStringLiteral("2 errors, 1 warning, 1 note"));
}

TEST_F(ProblemsPaneTest, ShowsWhenFindingsAppearAndStaysClosedOnceTheUserClosedIt) {
    const int frame = NewFrame("Amber");
    NameImage(frame, &SkinFrame::activeTop, "gone.png");
    m_frame->show();  // the pane's toggle follows what the user sees
    Settle();
    EXPECT_TRUE(PaneShown());
    QAction* toggle = m_frame->Action(CMainFrame::ID_SHOW_PROBLEMS);
    ASSERT_NE(toggle, nullptr);
    EXPECT_TRUE(toggle->isChecked());

    m_frame->ProblemsDock()->close();
    EXPECT_FALSE(toggle->isChecked());
    NameImage(frame, &SkinFrame::inactiveTop, "lost.png");
    Settle();
    EXPECT_EQ(Pane().Findings().size(), 2u);
    EXPECT_FALSE(PaneShown());
    EXPECT_EQ(CountShown(), QStringLiteral("2 errors"));

    // Clean again, then a new fault: the pane comes back.
    Session().Undo();
    Session().Undo();
    Settle();
    EXPECT_FALSE(PaneShown());
    NameImage(frame, &SkinFrame::activeBottom, "gone.png");
    Settle();
    EXPECT_TRUE(PaneShown());
    toggle->trigger();
    EXPECT_FALSE(PaneShown());
    toggle->trigger();
    EXPECT_TRUE(PaneShown());
}

TEST_F(ProblemsPaneTest, RemoveUnusedPicturesIsOneUndoStep) {
    const int frame = NewFrame("Amber");
    const std::vector<int> ids =
        LoadPictures({QStringLiteral("a.png"), QStringLiteral("used.png"), QStringLiteral("c.png")});
    ASSERT_EQ(ids.size(), 3u);
    NameImage(frame, &SkinFrame::activeTop, "used.png");
    Settle();
    QAction* remove = m_frame->Action(CMainFrame::ID_REMOVE_UNUSED_PICTURES);
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_EQ(remove->statusTip(),
              QStringLiteral("Remove the 2 pictures no object uses, in one step; Undo brings them back."));
    const CResPicture& pictures = Doc().Pictures();
    const std::vector<std::string> before = PictureNames();
    std::vector<std::vector<uint8_t>> bytes;
    for (size_t i = 0; i < pictures.Count(); ++i) bytes.push_back(*pictures.At(i)->data);
    const int steps = Session().UndoStack().count();

    remove->trigger();
    EXPECT_EQ(Session().UndoStack().count(), steps + 1);
    EXPECT_EQ(PictureNames(), std::vector<std::string>{"used.png"});
    EXPECT_EQ(m_frame->statusBar()->currentMessage(), QStringLiteral("Removed 2 unused pictures."));
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_EQ(remove->statusTip(), QStringLiteral("Every picture of the skin is used by an object."));
    EXPECT_EQ(m_frame->ProjectArea()->ItemForId(ids[0]), nullptr);
    EXPECT_EQ(m_frame->ProjectArea()->ItemForId(ids[2]), nullptr);
    Settle();
    EXPECT_TRUE(Pane().Findings().empty());

    Session().Undo();
    EXPECT_EQ(PictureNames(), before);
    for (size_t i = 0; i < pictures.Count(); ++i) {
        EXPECT_EQ(pictures.At(i)->ID, ids[i]);
        EXPECT_EQ(*pictures.At(i)->data, bytes[i]);
        ASSERT_NE(pictures.At(i)->image, nullptr);
    }
    EXPECT_NE(m_frame->ProjectArea()->ItemForId(ids[0]), nullptr);
    Settle();
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_EQ(CountShown(), QStringLiteral("2 notes"));
    Session().Redo();
    EXPECT_EQ(PictureNames(), std::vector<std::string>{"used.png"});
}

TEST_F(ProblemsPaneTest, RemovingPicturesAsksNothingAndSaysWhenThereIsNothing) {
    LoadPictures({QStringLiteral("only.png")});
    Settle();
    EXPECT_EQ(Pane().RemoveUnusedPictures(), 1);
    EXPECT_EQ(m_frame->statusBar()->currentMessage(), QStringLiteral("Removed 1 unused picture."));
    const int steps = Session().UndoStack().count();
    EXPECT_EQ(Pane().RemoveUnusedPictures(), 0);
    EXPECT_EQ(Session().UndoStack().count(), steps);
    EXPECT_EQ(m_frame->statusBar()->currentMessage(), QStringLiteral("There are no unused pictures to remove."));
    EXPECT_TRUE(m_dialogs.log.isEmpty());
}

TEST_F(ProblemsPaneTest, RemovePicturesCommandChecksNamesAndResolvesReferences) {
    const int frame = NewFrame("Amber");
    const std::vector<int> ids = LoadPictures({QStringLiteral("top.png"), QStringLiteral("side.png")});
    NameImage(frame, &SkinFrame::activeTop, "top.png");
    auto topImage = [&] { return static_cast<SkinFrame*>(Doc().FindItem(frame))->activeTop.image; };
    const auto held = topImage();
    ASSERT_NE(held, nullptr);

    // A target whose name is not the picture's is left alone (another picture may share the ID); one named
    // twice is removed once.
    EXPECT_EQ(RemovePicturesCommand::Push(Session(), {{ids[1], "other.png"}}, QStringLiteral("Remove")), 0);
    EXPECT_EQ(RemovePicturesCommand::Push(Session(), {{ids[0], "top.png"}, {ids[0], "top.png"}, {ids[1], "side.png"}},
                                          QStringLiteral("Remove")),
              2);
    EXPECT_TRUE(PictureNames().empty());
    // Even a picture in use may be removed this way: its reference then shows nothing, until undo.
    EXPECT_EQ(topImage(), nullptr);
    Session().Undo();
    EXPECT_EQ(PictureNames(), (std::vector<std::string>{"top.png", "side.png"}));
    EXPECT_EQ(topImage(), held);
}

}  // namespace
