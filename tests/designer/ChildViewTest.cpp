// The design view: open and close sizes, a grip drag through real mouse events stored as one undoable
// preview-size change, the grip toggle, and an offscreen rendering of the whole main window.

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
#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/SkinDocument.h"
#include "ScriptedDialogs.h"
#include "designer/ChildView.h"
#include "designer/MainFrame.h"
#include "designer/ProjectArea.h"
#include "designer/pages/ResObjProperty.h"

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

TEST_F(ChildViewTest, DraggingTheRightGripStoresOneUndoableSize) {
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
    EXPECT_EQ(record->previewWidth, 320);
    EXPECT_EQ(view->ScrollSize(), QSize(324, 204));
    m_frame->Session().UndoStack().undo();
    EXPECT_EQ(record->previewWidth, 300);
    EXPECT_EQ(page->PreviewRect().Width(), 300);  // the view follows the undo
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

TEST_F(ChildViewTest, MainWindowRendersOffscreen) {
    bool sample = m_frame->OnLoadSample();
    CProjectArea* tree = m_frame->ProjectArea();
    tree->FinishFilling();
    if (!sample) {
        BuildShowcase(tree);
    } else {
        for (const auto& item : m_frame->Session().Document().Frames().Items()) {
            tree->ItemForId(item->ID)->setExpanded(true);
            tree->SelectItemByData(item->ID);
            tree->OpenObject(item->ID);
            break;
        }
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
