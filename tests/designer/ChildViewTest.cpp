// The design view: open and close sizes, a grip drag through real mouse events that changes the preview
// only, the preview staying on the shown object, the grip toggle, and an offscreen rendering of the whole
// main window.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItem>

#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResDialog.h"
#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/SkinDocument.h"
#include "ScriptedDialogs.h"
#include "designer/ChildView.h"
#include "designer/MainFrame.h"
#include "designer/ProjectArea.h"
#include "designer/PropertyArea.h"
#include "designer/pages/ResObjProperty.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/undo/EditObjectCommand.h"
#include "designer/propertygrid/PropertyItem.h"

namespace {

class ChildViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_frame = std::make_unique<CMainFrame>(&m_dialogs, m_dir.filePath(QStringLiteral("settings.ini")));
        m_frame->resize(1200, 800);
        m_frame->show();
    }
    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<CMainFrame> m_frame;
};

// Drags the right grip of the open preview by dx through real mouse events.
void DragRightGrip(CChildView* view, int dx) {
    const Rect rc = view->Page()->PreviewRect();
    const QPoint grip(rc.right, (rc.top + rc.bottom) / 2);
    QWidget* vp = view->viewport();
    QTest::mouseMove(vp, grip);
    QTest::mousePress(vp, Qt::LeftButton, Qt::NoModifier, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(dx, 0)), vp->mapToGlobal(QPointF(grip + QPoint(dx, 0))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(vp, &move);
    QTest::mouseRelease(vp, Qt::LeftButton, Qt::NoModifier, grip + QPoint(dx, 0));
}

TEST_F(ChildViewTest, DraggingTheRightGripChangesThePreviewOnly) {
    CProjectArea* tree = m_frame->ProjectArea();
    // A tool window keeps its preview size in its record (a button's belongs to the page).
    const int window = tree->CreateObject(18000);
    tree->OpenObject(window);
    QCoreApplication::processEvents();  // the shown window settles its layout first
    CChildView* view = m_frame->View();
    CResObjProperty* page = view->Page();
    ASSERT_TRUE(page);
    ASSERT_EQ(page->PreviewSize(), QSize(300, 200));
    const Rect rc = page->PreviewRect();
    const QPoint grip(rc.right, (rc.top + rc.bottom) / 2);
    QWidget* vp = view->viewport();
    QTest::mouseMove(vp, grip);
    QTest::mousePress(vp, Qt::LeftButton, Qt::NoModifier, grip);
    EXPECT_TRUE(view->IsDragging());
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(10, 0)), vp->mapToGlobal(QPointF(grip + QPoint(10, 0))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(vp, &move);
    QTest::mouseRelease(vp, Qt::LeftButton, Qt::NoModifier, grip + QPoint(10, 0));
    EXPECT_FALSE(view->IsDragging());
    auto* record = static_cast<SkinToolWindow*>(m_frame->Session().Document().FindItem(window));
    EXPECT_EQ(page->PreviewRect().Width(), 320);
    EXPECT_EQ(record->previewWidth, 300) << "a drag writes no record";
    EXPECT_EQ(view->ScrollSize(), QSize(324, 204));
    m_frame->Session().MarkSaved();
    const int steps = m_frame->Session().UndoStack().count();
    DragRightGrip(view, 10);
    EXPECT_EQ(page->PreviewRect().Width(), 340);
    EXPECT_EQ(m_frame->Session().UndoStack().count(), steps);
    EXPECT_FALSE(m_frame->Session().IsModified());
    // Another edit of the object keeps the dragged size.
    vd::PropertyGrid* grid = m_frame->PropertyArea()->Grid();
    ASSERT_TRUE(grid->commitValue(grid->findItem(QStringLiteral("Name")), QStringLiteral("Renamed")));
    EXPECT_EQ(page->PreviewRect().Width(), 340);
}

// An undoable change of a dialog's stored preview size, as any command that rewrites the record makes one.
void SetStoredSize(SkinSession& session, int id, QSize size) {
    ASSERT_TRUE(EditObjectCommand::Push(session, id, QStringLiteral("Change size"), [size](SkinResStruct& r) {
        auto& dialog = static_cast<SkinDialog&>(r);
        dialog.previewWidth = size.width();
        dialog.previewHeight = size.height();
    }));
}

TEST_F(ChildViewTest, ANewStoredSizeReopensThePreviewAndItsUndoGoesBack) {
    CProjectArea* tree = m_frame->ProjectArea();
    const int bar = tree->CreateObject(24000);  // a dialog previews at its stored size
    tree->OpenObject(bar);
    QCoreApplication::processEvents();
    CChildView* view = m_frame->View();
    CResObjProperty* page = view->Page();
    ASSERT_EQ(page->PreviewRect().Width(), 300);
    DragRightGrip(view, 10);
    ASSERT_EQ(page->PreviewRect().Width(), 320);
    SetStoredSize(m_frame->Session(), bar, QSize(250, 150));
    EXPECT_EQ(page->PreviewRect().Width(), 250);
    EXPECT_EQ(page->PreviewRect().Height(), 150);
    m_frame->Session().UndoStack().undo();
    EXPECT_EQ(page->PreviewRect().Width(), 300);  // the view follows the undo
}

TEST_F(ChildViewTest, EachKindOpensAtItsOwnPreviewSize) {
    struct Case {
        int typeBase;
        QSize size;
    };
    const Case cases[] = {
        {3000, QSize(500, 350)},   // frames: the page's fixed size, not the stored 600 x 460
        {2000, QSize(100, 30)},    // buttons: likewise, not the stored 200 x 50
        {18000, QSize(300, 200)},  // tool windows: the stored size
        {5000, QSize(600, 25)},    // status bars: the stored size
        {26000, QSize(200, 200)},  // free frames without a background: the stored size
    };
    CProjectArea* tree = m_frame->ProjectArea();
    for (const Case& c : cases) {
        const int id = tree->CreateObject(c.typeBase);
        tree->OpenObject(id);
        CResObjProperty* page = m_frame->View()->Page();
        ASSERT_TRUE(page) << c.typeBase;
        const Rect rc = page->PreviewRect();
        EXPECT_EQ(QSize(rc.Width(), rc.Height()), c.size) << c.typeBase;
    }
}

TEST_F(ChildViewTest, AClickOnAnotherObjectOfTheKindLeavesThePreviewOnTheShownOne) {
    CProjectArea* tree = m_frame->ProjectArea();
    const int shown = tree->CreateObject(24000);
    const int other = tree->CreateObject(24000);
    vd::PropertyGrid* grid = m_frame->PropertyArea()->Grid();
    tree->ShowProperties(other);
    ASSERT_TRUE(grid->commitValue(grid->findItem(QStringLiteral("Name")), QStringLiteral("Other")));
    tree->OpenObject(shown);
    QCoreApplication::processEvents();
    CChildView* view = m_frame->View();
    CResObjProperty* page = view->Page();
    const QImage before = view->Render();
    tree->ShowProperties(other);
    EXPECT_EQ(grid->findItem(QStringLiteral("Name"))->value().toString(), QStringLiteral("Other"));
    EXPECT_EQ(page->CurrentId(), shown);
    EXPECT_EQ(page->ShownId(), shown);
    EXPECT_EQ(view->Render(), before) << "the view still shows the open object";

    auto* a = static_cast<SkinDialog*>(m_frame->Session().Document().FindItem(shown));
    auto* b = static_cast<SkinDialog*>(m_frame->Session().Document().FindItem(other));
    const int steps = m_frame->Session().UndoStack().count();
    DragRightGrip(view, 10);
    EXPECT_EQ(page->PreviewRect().Width(), 320);
    EXPECT_EQ(a->previewWidth, 300);
    EXPECT_EQ(b->previewWidth, 300);
    EXPECT_EQ(m_frame->Session().UndoStack().count(), steps);
    // A change of the other object's stored size leaves the shown preview alone.
    SetStoredSize(m_frame->Session(), other, QSize(120, 90));
    EXPECT_EQ(b->previewWidth, 120);
    EXPECT_EQ(a->previewWidth, 300);
    EXPECT_EQ(page->PreviewRect().Width(), 320);

    // Opening the other object moves the view to it, at its own size; closing returns the page to the grid's.
    tree->OpenObject(other);
    EXPECT_EQ(page->ShownId(), other);
    EXPECT_EQ(page->PreviewRect().Width(), 120);
    view->SetPage(nullptr);
    EXPECT_EQ(page->ShownId(), 0);
    EXPECT_EQ(page->CurrentId(), other);
}

TEST_F(ChildViewTest, ADraggedFrameKeepsItsSizeWhenAnotherFrameIsClicked) {
    CProjectArea* tree = m_frame->ProjectArea();
    const int shown = tree->CreateObject(3000);
    const int other = tree->CreateObject(3000);
    tree->OpenObject(shown);
    QCoreApplication::processEvents();
    CChildView* view = m_frame->View();
    CResObjProperty* page = view->Page();
    DragRightGrip(view, 10);
    ASSERT_EQ(page->PreviewRect().Width(), 520);
    tree->ShowProperties(other);
    EXPECT_EQ(page->CurrentId(), shown);
    // An edit of the shown frame does not reopen it at the size of the clicked one.
    tree->ShowProperties(shown);
    vd::PropertyGrid* grid = m_frame->PropertyArea()->Grid();
    ASSERT_TRUE(grid->commitValue(grid->findItem(QStringLiteral("Caption")), QStringLiteral("Main")));
    tree->ShowProperties(other);
    ASSERT_TRUE(grid->commitValue(grid->findItem(QStringLiteral("Caption")), QStringLiteral("Second")));
    EXPECT_EQ(page->PreviewRect().Width(), 520);
    EXPECT_EQ(m_frame->Session().Document().FindItem(shown)->Caption, "Main");
    EXPECT_EQ(m_frame->Session().Document().FindItem(other)->Caption, "Second");
    // Opening the other frame gives it the page's size, not the dragged one.
    tree->OpenObject(other);
    EXPECT_EQ(page->PreviewRect().Width(), 500);
}

TEST_F(ChildViewTest, ReleaseOutsideTheViewEndsTheDragAndShrinkingScrollsHome) {
    CProjectArea* tree = m_frame->ProjectArea();
    const int button = tree->CreateObject(2000);
    tree->OpenObject(button);
    QCoreApplication::processEvents();
    CChildView* view = m_frame->View();
    const Rect rc = view->Page()->PreviewRect();
    const QPoint grip(rc.right, (rc.top + rc.bottom) / 2);
    QWidget* vp = view->viewport();
    QTest::mouseMove(vp, grip);
    QTest::mousePress(vp, Qt::LeftButton, Qt::NoModifier, grip);
    ASSERT_TRUE(view->IsDragging());
    // The viewport holds the mouse while the button is down, so the release reaches it from anywhere.
    QTest::mouseRelease(vp, Qt::LeftButton, Qt::NoModifier, QPoint(-40, vp->height() + 40));
    EXPECT_FALSE(view->IsDragging());

    // A window smaller than the preview scrolls; shrinking it again returns to the origin.
    view->resize(60, 40);
    QCoreApplication::processEvents();
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    ASSERT_GT(view->horizontalScrollBar()->value(), 0);
    view->resize(50, 30);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->horizontalScrollBar()->value(), 0);
}

TEST_F(ChildViewTest, ClosingGivesAnEmptyFiveHundredSquareAndGripsToggle) {
    CChildView* view = m_frame->View();
    view->SetPage(nullptr);
    EXPECT_EQ(view->ScrollSize(), QSize(500, 500));
    // With nothing open, a resize leaves a 100 x 100 range and the view shows only the button face.
    view->resize(view->width() - 10, view->height() - 10);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->ScrollSize(), QSize(100, 100));
    const QImage empty = view->Render();
    EXPECT_EQ(empty.pixelColor(empty.width() / 2, empty.height() / 2), QColor(240, 240, 240));
    const int frame = m_frame->ProjectArea()->CreateObject(3000);
    m_frame->ProjectArea()->OpenObject(frame);
    const Rect rc = view->Page()->PreviewRect();
    QImage with = view->Render();
    EXPECT_EQ(with.pixelColor(rc.left, rc.top), QColor(255, 0, 0));
    m_frame->Action(CMainFrame::ID_SHOW_GRIPS)->trigger();
    EXPECT_FALSE(view->ShowGrips());
    QImage without = view->Render();
    EXPECT_NE(without.pixelColor(rc.left, rc.top), QColor(255, 0, 0));
}

// A skin to show off: an application, a frame with two caption buttons and two buttons, and a picture.
void BuildShowcase(CProjectArea* tree) {
    tree->CreateObject(17000);
    const int frame = tree->CreateObject(3000);
    tree->CreateOwned(3500, frame);
    tree->CreateOwned(3500, frame);
    tree->CreateOwned(2000, frame);
    tree->CreateObject(2000);
    tree->CreateObject(12000);
    tree->CreateObject(18000);
    tree->CreateObject(24000);
    tree->CreateObject(5000);
    tree->ItemForId(frame)->setExpanded(true);
    tree->SelectItemByData(frame);
    tree->OpenObject(frame);
}

TEST_F(ChildViewTest, ActionRowsRedrawTheOpenPreviewAndWriteNothing) {
    CProjectArea* tree = m_frame->ProjectArea();
    const int bar = tree->CreateObject(7000);  // a scroll bar: a list, two numbers and a slider
    tree->OpenObject(bar);
    QCoreApplication::processEvents();
    CChildView* view = m_frame->View();
    vd::PropertyGrid* grid = m_frame->PropertyArea()->Grid();
    const int steps = m_frame->Session().UndoStack().count();
    QImage before = view->Render();
    // Highlighted, not Disabled: a disabled bar has no thumb for the numbers to move.
    const std::pair<const char*, int> rows[] = {{"Action/State", 2}, {"Action/Max", 10}, {"Action/PageSize", 5},
                                                {"Action/Pos", 4}};
    for (const auto& [path, value] : rows) {
        vd::PropertyItem* item = grid->findItem(QString::fromLatin1(path).section(QLatin1Char('/'), 1));
        ASSERT_TRUE(item) << path;
        ASSERT_TRUE(grid->commitValue(item, value)) << path;
        const QImage after = view->Render();
        EXPECT_NE(after, before) << path << " redraws the preview";
        before = after;
    }
    EXPECT_EQ(m_frame->Session().UndoStack().count(), steps) << "the rows belong to the page, not the skin";
}

TEST_F(ChildViewTest, MainWindowRendersOffscreen) {
    bool sample = m_frame->OnLoadSample();
    CProjectArea* tree = m_frame->ProjectArea();
    tree->FinishFilling();
    if (!sample) {
        BuildShowcase(tree);
    } else {
        // The sample's frame, or its first object of the kind VORNADESK_SCREENSHOT_KIND names (a type base).
        const int kind = qEnvironmentVariableIntValue("VORNADESK_SCREENSHOT_KIND");
        int shown = 0;
        m_frame->Session().Document().ForEachItem([&](CResourceBase&, SkinResStruct& item) {
            const bool wanted = kind > 0 ? item.ID >= kind && item.ID < kind + 1000 : item.ID >= 3000 && item.ID < 3500;
            if (!shown && wanted) shown = item.ID;
        });
        ASSERT_NE(shown, 0);
        if (QTreeWidgetItem* item = tree->ItemForId(shown)) item->setExpanded(true);
        tree->SelectItemByData(shown);
        tree->OpenObject(shown);
    }
    QCoreApplication::processEvents();
    const QImage shot = m_frame->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), m_frame->size() * m_frame->devicePixelRatio());
    const QString out = qEnvironmentVariable("VORNADESK_SCREENSHOT");
    if (!out.isEmpty()) {
        EXPECT_TRUE(shot.save(out));
    }
}

}  // namespace
