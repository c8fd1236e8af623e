// Editing through the in-place editors: every finished edit calls the bound setter and announces one
// valueChanged; Enter, Escape and Tab do what a grid user expects; typing never reaches shortcuts.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "designer/propertygrid/BoolEditor.h"
#include "designer/propertygrid/BoolItem.h"
#include "designer/propertygrid/CheckBoxPainter.h"
#include "designer/propertygrid/ColorEditor.h"
#include "designer/propertygrid/EnumEditor.h"
#include "designer/propertygrid/FontEditor.h"
#include "designer/propertygrid/GroupItem.h"
#include "designer/propertygrid/LineTextEditor.h"
#include "designer/propertygrid/LogFontDialog.h"
#include "designer/propertygrid/NumberEditor.h"
#include "designer/propertygrid/NumberItem.h"
#include "designer/propertygrid/PropertyBuilders.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/ResetWrapper.h"
#include "designer/propertygrid/TextItem.h"

using namespace vd;

namespace {

struct Record {
    QString name = QStringLiteral("Frame1");
    int id = 3001;
    int width = 100;
    int style = 0;
    bool visible = false;
    Color back{240, 240, 240};
    LogFont font;
    int writes = 0;  // setter calls of any field
};

void press(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &up);
}

class GridEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.resize(360, 480);
        auto* general = grid.addCategory(QStringLiteral("General"));
        name = addText(general, QStringLiteral("Name"),
                       {[this] { return r.name; }, [this](const QString& s) { r.name = s, ++r.writes; }}, 31);
        id = addNumber(general, QStringLiteral("ID"), {[this] { return r.id; }, [this](int v) { r.id = v, ++r.writes; }});
        id->setReadOnly(true);
        addGroup(general, QStringLiteral("Empty group"), false);
        width = addNumber(general, QStringLiteral("Width"),
                          {[this] { return r.width; }, [this](int v) { r.width = v, ++r.writes; }}, 0, 500);
        style = addEnum(general, QStringLiteral("Style"), {{"Flat", 0}, {"Raised", 1}, {"Sunken", 7}},
                        {[this] { return r.style; }, [this](int v) { r.style = v, ++r.writes; }});
        visible = addBool(general, QStringLiteral("Visible"),
                          Binding<bool>{[this] { return r.visible; }, [this](bool v) { r.visible = v, ++r.writes; }});
        back = addColor(general, QStringLiteral("Back"),
                        {[this] { return r.back; }, [this](const Color& c) { r.back = c, ++r.writes; }});
        font = addFont(general, QStringLiteral("Font"),
                       {[this] { return r.font; }, [this](const LogFont& f) { r.font = f, ++r.writes; }});
        QObject::connect(&grid, &PropertyGrid::valueChanged, &grid, [this](PropertyItem* item) { changed.append(item); });
        grid.show();
        QApplication::processEvents();
    }

    template <class Editor>
    Editor* editorOf(PropertyItem* item) {
        grid.setCurrentItem(item);
        return qobject_cast<Editor*>(grid.activeEditor());
    }

    QTreeWidget* tree() { return grid.findChild<QTreeWidget*>(QStringLiteral("propertyTree")); }

    Record r;
    PropertyGrid grid;
    PropertyItem* name = nullptr;
    PropertyItem* id = nullptr;
    PropertyItem* width = nullptr;
    PropertyItem* style = nullptr;
    PropertyItem* visible = nullptr;
    PropertyItem* back = nullptr;
    PropertyItem* font = nullptr;
    QList<PropertyItem*> changed;
};

TEST_F(GridEditTest, EnterCommitsTextOnceAndAgainChangesNothing) {
    auto* editor = editorOf<LineTextEditor>(name);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->lineEdit()->text(), "Frame1");
    editor->lineEdit()->setText(QStringLiteral("Caption"));
    EXPECT_EQ(r.writes, 0) << "typing alone must not write";
    press(editor->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(r.name, "Caption");
    EXPECT_EQ(r.writes, 1);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0], name);
    press(editor->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(r.writes, 1);
    EXPECT_EQ(changed.size(), 1);
}

TEST_F(GridEditTest, EscapeRevertsWithoutWriting) {
    auto* editor = editorOf<LineTextEditor>(name);
    ASSERT_NE(editor, nullptr);
    editor->lineEdit()->setText(QStringLiteral("Typo"));
    press(editor->lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(editor->lineEdit()->text(), "Frame1");
    EXPECT_EQ(r.writes, 0);
    EXPECT_TRUE(changed.isEmpty());
}

TEST_F(GridEditTest, NumberTypedThenEnteredIsWrittenAndClampedToTheRange) {
    auto* editor = editorOf<NumberEditor>(width);
    ASSERT_NE(editor, nullptr);
    QLineEdit* line = editor->spinBox()->findChild<QLineEdit*>();
    ASSERT_NE(line, nullptr);
    line->setText(QStringLiteral("321"));
    press(line, Qt::Key_Return);
    EXPECT_EQ(r.width, 321);
    EXPECT_EQ(changed.size(), 1);
    // A programmatic commit outside the range lands on the limit.
    EXPECT_TRUE(grid.commitValue(width, 9000));
    EXPECT_EQ(r.width, 500);
    EXPECT_EQ(editor->spinBox()->value(), 500) << "the open editor shows the committed value";
    EXPECT_EQ(changed.size(), 2);
}

TEST_F(GridEditTest, ListChoiceByKeyboardCommitsTheEntryValue) {
    auto* editor = editorOf<EnumEditor>(style);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->comboBox()->currentText(), "Flat");
    press(editor->comboBox(), Qt::Key_Down);
    press(editor->comboBox(), Qt::Key_Down);
    EXPECT_EQ(r.style, 7) << "the entry's value, not its position";
    EXPECT_EQ(changed.size(), 2);
    EXPECT_EQ(static_cast<EnumItem*>(style)->displayText(), "Sunken");
}

TEST_F(GridEditTest, ValueOutsideTheListIsShownAsItsNumber) {
    r.style = 42;
    auto* editor = editorOf<EnumEditor>(style);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->comboBox()->currentText(), "42");
    EXPECT_EQ(style->displayText(), "42");
    EXPECT_EQ(editor->value().toInt(), 42);
}

TEST_F(GridEditTest, CheckBoxTogglesOnEveryClick) {
    auto* editor = editorOf<BoolEditor>(visible);
    ASSERT_NE(editor, nullptr);
    editor->checkBox()->click();
    EXPECT_TRUE(r.visible);
    editor->checkBox()->click();
    EXPECT_FALSE(r.visible);
    EXPECT_EQ(r.writes, 2);
    EXPECT_EQ(changed.size(), 2);
}

TEST_F(GridEditTest, OneClickOnTheBoxOfAnotherRowToggles) {
    grid.setCurrentItem(name);
    QTreeWidget* view = tree();
    const QList<QTreeWidgetItem*> rows = view->findItems(QStringLiteral("Visible"), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(rows.size(), 1);
    const QModelIndex index = view->indexFromItem(rows[0], 1);
    const QRect cell = view->visualRect(index);
    const QPoint box = checkBoxIndicatorRect(view, cell).center();
    QMouseEvent click(QEvent::MouseButtonPress, box, view->viewport()->mapToGlobal(box), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &click);
    EXPECT_EQ(grid.currentItem(), visible);
    EXPECT_TRUE(r.visible);
    EXPECT_EQ(changed.size(), 1);
}

TEST_F(GridEditTest, ColorTextParsesAndBadTextRevertsTheEditor) {
    auto* editor = editorOf<ColorEditor>(back);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->lineEdit()->text(), "240, 240, 240");
    editor->lineEdit()->setText(QStringLiteral("10, 20, 30"));
    press(editor->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(r.back, Color(10, 20, 30));
    editor->lineEdit()->setText(QStringLiteral("300, 0, 0"));
    press(editor->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(r.back, Color(10, 20, 30));
    EXPECT_EQ(editor->lineEdit()->text(), "10, 20, 30");
    EXPECT_EQ(r.writes, 1);
    EXPECT_EQ(changed.size(), 1);
}

TEST_F(GridEditTest, TabCommitsAndMovesToTheNextEditableRow) {
    auto* editor = editorOf<LineTextEditor>(name);
    ASSERT_NE(editor, nullptr);
    editor->lineEdit()->setText(QStringLiteral("Tabbed"));
    press(editor->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(r.name, "Tabbed");
    // The read-only ID and the value-less group are skipped.
    EXPECT_EQ(grid.currentItem(), width);
    ASSERT_NE(qobject_cast<NumberEditor*>(grid.activeEditor()), nullptr);
    press(grid.activeEditor()->focusTarget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid.currentItem(), name);
    EXPECT_EQ(changed.size(), 1);
}

TEST_F(GridEditTest, TypingKeysAreTakenFromShortcutsButCommandKeysAreNot) {
    // Save commits the open edit itself, so it may act while an editor has the keyboard; other Ctrl
    // commands (Delete object with Ctrl+D) wait until the editor closes.
    grid.setPassingShortcuts({QKeySequence(Qt::CTRL | Qt::Key_S)});
    auto* editor = editorOf<LineTextEditor>(name);
    ASSERT_NE(editor, nullptr);
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        bool taken;
    };
    const Case cases[] = {{Qt::Key_A, Qt::NoModifier, true},          {Qt::Key_Delete, Qt::NoModifier, true},
                          {Qt::Key_Z, Qt::ControlModifier, true},     {Qt::Key_V, Qt::ControlModifier, true},
                          {Qt::Key_Q, Qt::ShiftModifier, true},       {Qt::Key_F1, Qt::NoModifier, false},
                          {Qt::Key_S, Qt::ControlModifier, false},    {Qt::Key_N, Qt::AltModifier, false},
                          {Qt::Key_D, Qt::ControlModifier, true},     {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, true}};
    const auto check = [&](QWidget* target) {
        for (const Case& c : cases) {
            QKeyEvent override(QEvent::ShortcutOverride, c.key, c.mods);
            override.ignore();
            QApplication::sendEvent(target, &override);
            EXPECT_EQ(override.isAccepted(), c.taken) << target->metaObject()->className() << " key " << c.key;
        }
    };
    check(editor->lineEdit());
    // A check box takes no text, yet Delete pressed on it must not delete the skin object.
    check(editorOf<BoolEditor>(visible)->checkBox());
}

TEST_F(GridEditTest, LeavingTheEditorCommitsWhatWasTyped) {
    grid.activateWindow();
    QApplication::setActiveWindow(&grid);
    auto* editor = editorOf<LineTextEditor>(name);
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(grid.focusEditor());
    QApplication::processEvents();
    if (QApplication::focusWidget() != editor->lineEdit())
        GTEST_SKIP() << "the platform gives no keyboard focus";
    editor->lineEdit()->setText(QStringLiteral("Left behind"));
    grid.findChild<QLineEdit*>(QStringLiteral("propertyFilter"))->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(r.name, "Left behind");
    EXPECT_EQ(changed.size(), 1);
}

TEST_F(GridEditTest, FontDialogOkCommitsAndCancelDoesNot) {
    auto* editor = editorOf<FontEditor>(font);
    ASSERT_NE(editor, nullptr);
    for (const bool ok : {false, true}) {
        QTimer::singleShot(0, [ok] {
            auto* dialog = qobject_cast<LogFontDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QSpinBox*>(QStringLiteral("weight"))->setValue(700);
            dialog->findChild<QCheckBox*>(QStringLiteral("italic"))->setChecked(true);
            ok ? dialog->accept() : dialog->reject();
        });
        editor->dialogButton()->click();
    }
    EXPECT_EQ(r.font.weight, 700);
    EXPECT_EQ(r.font.italic, 1);
    EXPECT_EQ(r.writes, 1);
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(font->displayText(), "Arial, 12 px, Bold, Italic");
}

TEST_F(GridEditTest, TypingOnTheTreeStartsEditingTheCurrentRow) {
    grid.setCurrentItem(name);
    tree()->setFocus();
    press(tree(), Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    auto* editor = qobject_cast<LineTextEditor*>(grid.activeEditor());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->lineEdit()->text(), "x") << "the typed key replaces the old text";
    EXPECT_EQ(r.writes, 0);
    // Something like Save asks the grid to commit what is still being typed.
    EXPECT_TRUE(grid.commitPendingEdit());
    EXPECT_EQ(r.name, "x");
    EXPECT_FALSE(grid.commitPendingEdit());
    EXPECT_EQ(changed.size(), 1);
}

TEST_F(GridEditTest, OpenEditorIsBoldWhileTheValueDiffersFromItsDefault) {
    name->setDefaultValue(QStringLiteral("Frame1"));
    auto* editor = editorOf<LineTextEditor>(name);
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->lineEdit()->font().bold());
    ASSERT_TRUE(grid.commitValue(name, QStringLiteral("Other")));
    EXPECT_TRUE(editor->lineEdit()->font().bold());
}

TEST_F(GridEditTest, SplitterStaysInsideTheGridAndKeepsItsShare) {
    grid.setSplitterPosition(-50);
    EXPECT_GT(grid.splitterPosition(), 0);
    grid.setSplitterPosition(100000);
    EXPECT_LT(grid.splitterPosition(), tree()->viewport()->width());
    grid.setSplitterPosition(tree()->viewport()->width() / 4);
    const double share = double(grid.splitterPosition()) / tree()->viewport()->width();
    grid.resize(grid.width() * 2, grid.height());
    QApplication::processEvents();
    EXPECT_NEAR(double(grid.splitterPosition()) / tree()->viewport()->width(), share, 0.02);
}

TEST_F(GridEditTest, ReadOnlyRowsGetNoEditorAndRefuseCommits) {
    grid.setCurrentItem(id);
    EXPECT_EQ(grid.activeEditor(), nullptr);
    EXPECT_FALSE(grid.commitValue(id, 7));
    EXPECT_EQ(r.id, 3001);
    id->setReadOnly(false);
    EXPECT_NE(qobject_cast<NumberEditor*>(grid.activeEditor()), nullptr) << "the row becomes editable at once";
}

TEST_F(GridEditTest, AReceiverThatClearsTheGridDoesNotBreakTheEdit) {
    // The integration layer may rebuild the page in answer to a change; the grid must not touch the dead
    // items afterwards (a sanitizer build turns any such use into a failure).
    QObject::connect(&grid, &PropertyGrid::valueChanged, &grid, [this] { grid.clear(); }, Qt::DirectConnection);
    auto* editor = editorOf<LineTextEditor>(name);
    ASSERT_NE(editor, nullptr);
    editor->lineEdit()->setText(QStringLiteral("Gone"));
    press(editor->lineEdit(), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(r.name, "Gone");
    EXPECT_EQ(grid.topLevelItemCount(), 0);
    EXPECT_EQ(grid.activeEditor(), nullptr);
    EXPECT_EQ(grid.currentItem(), nullptr);
}

TEST_F(GridEditTest, RemovingTheEditedRowClosesItsEditor) {
    QPointer<PropertyEditor> editor = editorOf<LineTextEditor>(name);
    ASSERT_NE(editor, nullptr);
    grid.removeItem(name);
    name = nullptr;
    EXPECT_EQ(grid.findItem(QStringLiteral("Name")), nullptr);
    EXPECT_NE(grid.activeEditor(), editor.data());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(grid.commitValue(width, 5));
    EXPECT_EQ(r.width, 5);
}

}  // namespace
