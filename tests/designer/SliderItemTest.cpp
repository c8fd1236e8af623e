// The slider row: the slider appears only while the row is open and only when there is room after the
// number, the bound field follows the thumb, one drag is one undo step (two drags are two), and the grid's
// background shows through the slider.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QSlider>

#include "Resource/ResObjects/ResProgressBar.h"
#include "designer/SkinSession.h"
#include "designer/pages/TypedPage.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/PropertyTreeView.h"
#include "designer/propertygrid/SliderEditor.h"
#include "designer/propertygrid/SliderItem.h"
#include "designer/undo/AddObjectsCommand.h"
#include "designer/undo/SliderDragCommand.h"

using namespace vd;

namespace {

class BarPage : public CTypedPage<CResProgressBar> {
public:
    BarPage() : CTypedPage(6000) {}
    SliderItem* back = nullptr;
    SliderItem* fore = nullptr;

protected:
    void BuildProperties(PropertyGrid& grid) override {
        GroupItem* general = AddGeneral(grid);
        back = AddSliderField(general, QStringLiteral("BackStep"), CResProgressBar::Table().Find("BRS"));
        fore = AddSliderField(general, QStringLiteral("ForeStep"), CResProgressBar::Table().Find("FRS"));
    }
};

class SliderRowTest : public ::testing::Test {
protected:
    void SetUp() override {
        id = AddObjectsCommand::PushNew(session, 6000);
        page.Attach(&session, &grid, nullptr);
        grid.resize(420, 400);
        grid.show();
        ASSERT_TRUE(page.SelectObject(id));
        ASSERT_NE(page.back, nullptr);
        QApplication::processEvents();
        steps = session.UndoStack().count();
    }
    SkinProgressBar& record() { return *static_cast<SkinProgressBar*>(session.Document().FindItem(id)); }
    QSlider* open(SliderItem* item) {
        grid.setCurrentItem(item);
        QApplication::processEvents();
        auto* editor = qobject_cast<SliderEditor*>(grid.activeEditor());
        return editor ? editor->slider() : nullptr;
    }
    static void drag(QSlider* slider, std::initializer_list<int> positions) {
        slider->setSliderDown(true);
        for (int p : positions)
            slider->setSliderPosition(p);
        slider->setSliderDown(false);
    }

    SkinSession session;
    PropertyGrid grid;
    BarPage page;
    int id = 0;
    int steps = 0;
};

TEST_F(SliderRowTest, SliderShowsOnlyWhileTheRowIsOpenWithRangeAndValue) {
    EXPECT_EQ(grid.findChild<QSlider*>(QStringLiteral("valueSlider")), nullptr);
    QSlider* slider = open(page.back);
    ASSERT_NE(slider, nullptr);
    EXPECT_TRUE(slider->isVisible());
    EXPECT_EQ(slider->minimum(), 0);
    EXPECT_EQ(slider->maximum(), 100);
    EXPECT_EQ(slider->value(), 5);  // the new-object step
    auto* editor = qobject_cast<SliderEditor*>(grid.activeEditor());
    EXPECT_EQ(slider->geometry().left(), editor->textWidth()) << "room for the number first";
    grid.setCurrentItem(page.fore);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(grid.findChildren<QSlider*>().size(), 1) << "the first row's slider is gone";
}

TEST_F(SliderRowTest, FieldFollowsTheThumbAndTheDragIsOneStep) {
    QSlider* slider = open(page.back);
    ASSERT_NE(slider, nullptr);
    QSignalSpy repaints(&session, &SkinSession::changed);
    slider->setSliderDown(true);
    slider->setSliderPosition(20);
    EXPECT_EQ(record().bkStep, 20) << "while dragging";
    slider->setSliderPosition(30);
    slider->setSliderPosition(37);
    slider->setSliderDown(false);
    EXPECT_EQ(record().bkStep, 37);
    EXPECT_EQ(repaints.count(), 3) << "the preview is told about every step of the drag";
    EXPECT_EQ(session.UndoStack().count(), steps + 1);
    session.UndoStack().undo();
    EXPECT_EQ(record().bkStep, 5);
    session.UndoStack().redo();
    EXPECT_EQ(record().bkStep, 37);
}

TEST_F(SliderRowTest, TwoDragsAndAKeyAreThreeSteps) {
    QSlider* slider = open(page.back);
    drag(slider, {10, 12});
    drag(slider, {40, 45});
    slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(record().bkStep, 46);
    EXPECT_EQ(session.UndoStack().count(), steps + 3);
    session.UndoStack().undo();
    EXPECT_EQ(record().bkStep, 45);
    session.UndoStack().undo();
    EXPECT_EQ(record().bkStep, 12);
}

TEST_F(SliderRowTest, DragsOnTwoSlidersOfOneObjectDoNotMerge) {
    drag(open(page.back), {50});
    drag(open(page.fore), {60});
    EXPECT_EQ(session.UndoStack().count(), steps + 2);
    session.UndoStack().undo();
    EXPECT_EQ(record().fgStep, 5);
    EXPECT_EQ(record().bkStep, 50);
}

TEST_F(SliderRowTest, UndoMovesTheOpenSlider) {
    QSlider* slider = open(page.back);
    drag(slider, {70});
    session.UndoStack().undo();
    grid.refreshValues();  // what the property area does on every document change
    EXPECT_EQ(slider->value(), 5);
}

TEST_F(SliderRowTest, TheGridBackgroundShowsThroughTheSlider) {
    QSlider* slider = open(page.back);
    ASSERT_NE(slider, nullptr);
    auto* tree = grid.findChild<PropertyTreeView*>();
    ASSERT_NE(tree, nullptr);
    const QImage shot = tree->viewport()->grab().toImage();
    // The top edge of the slider lies above its groove and handle.
    const QPoint at = slider->mapTo(tree->viewport(), QPoint(slider->width() - 3, 1));
    const QColor seen = shot.pixelColor(at);
    const QColor base = tree->palette().color(QPalette::Base);
    EXPECT_TRUE(seen == base || seen == tree->alternateColor()) << seen.name().toStdString();
}

TEST(SliderEditor, NoRoomNoSliderButTheNumberStays) {
    SliderEditor editor(std::make_shared<int>(0));
    editor.setValue(42);
    editor.resize(editor.textWidth() + 10, 24);
    editor.show();
    EXPECT_FALSE(editor.slider()->isVisible());
    EXPECT_EQ(editor.value().toInt(), 42);
    const QImage narrow = editor.grab().toImage();
    bool ink = false;
    for (int y = 0; y < narrow.height(); ++y)
        for (int x = 0; x < narrow.width(); ++x)
            ink |= narrow.pixelColor(x, y) == editor.palette().color(QPalette::Text);
    EXPECT_TRUE(ink) << "the number is drawn";
    editor.resize(200, 24);
    EXPECT_TRUE(editor.slider()->isVisible());
    EXPECT_EQ(editor.slider()->geometry(), QRect(editor.textWidth(), 0, 200 - editor.textWidth(), 24));
}

TEST(SliderEditor, ValuesOutsideTheSliderRangeAreShownAsTheyAre) {
    SliderEditor editor(std::make_shared<int>(0));
    QSignalSpy commits(&editor, &PropertyEditor::commitRequested);
    editor.setValue(250);
    EXPECT_EQ(editor.value().toInt(), 250);
    EXPECT_EQ(editor.slider()->value(), 100);
    EXPECT_EQ(commits.count(), 0) << "showing a value never commits it";
}

TEST(SliderDragCommand, MergesOnlyWithinOneGesture) {
    SkinSession session;
    const int id = AddObjectsCommand::PushNew(session, 6000);
    auto set = [&](int gesture, int v) {
        return SliderDragCommand::Push(session, id, QStringLiteral("step"), gesture, [v](SkinResStruct& s) {
            static_cast<SkinProgressBar&>(s).bkStep = v;
        });
    };
    EXPECT_TRUE(set(1, 10));
    EXPECT_TRUE(set(1, 11));
    EXPECT_TRUE(set(2, 12));
    EXPECT_FALSE(set(2, 12)) << "no change, no step";
    EXPECT_EQ(session.UndoStack().count(), 3);  // create, gesture 1, gesture 2
    // A plain edit with the slider's merge id does not join a slider gesture either.
    EditObjectCommand::Push(session, id, QStringLiteral("plain"), [](SkinResStruct& s) {
        static_cast<SkinProgressBar&>(s).bkStep = 13;
    }, kMergeSlider);
    EXPECT_EQ(session.UndoStack().count(), 4);
}

}  // namespace
