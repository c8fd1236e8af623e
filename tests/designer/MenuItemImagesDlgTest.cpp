// The menu-item entry editor: rows built from a frame's entries and read back unchanged, Add and Remove,
// picture lists of the skin's pictures (keeping a name no picture has), OK held back while two rows share an
// item ID, and the real provider run modally from the frame page: OK is one undo step, Cancel nothing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include "ImageTestSupport.h"
#include "PageTestSupport.h"
#include "Resource/ResObjects/ResFrame.h"
#include "designer/DialogProvider.h"
#include "designer/SkinSession.h"
#include "designer/dialogs/MenuItemImagesDlg.h"
#include "designer/pages/FrameProperty.h"
#include "designer/propertygrid/DialogEditor.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/undo/AddObjectsCommand.h"

namespace {

const QStringList kPictures = {"Tick.png", "Box.png", "Dot.bmp"};

using pagetest::Entry;

QStringList ComboTexts(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    return texts;
}

void Choose(QComboBox* combo, const QString& name) {
    const int index = combo->findData(name);
    ASSERT_GE(index, 0) << name.toStdString();
    combo->setCurrentIndex(index);
}

// ---- rows in and out

TEST(MenuItemImagesDlg, RowsShowTheEntriesAndGiveThemBackUnchanged) {
    CheckImageMap entries;
    entries[40] = Entry(40, "Box.png", "", 0);
    entries[12] = Entry(12, "Tick.png", "Gone.png", 2);  // a file's own two-row value and a lost picture
    CMenuItemImagesDlg dialog(entries, kPictures);
    ASSERT_EQ(dialog.RowCount(), 2);
    EXPECT_EQ(dialog.Table()->rowCount(), 2);
    // In item ID order, as the map keeps them.
    EXPECT_EQ(dialog.IdSpin(0)->value(), 12);
    EXPECT_EQ(dialog.IdSpin(1)->value(), 40);
    EXPECT_EQ(dialog.CheckCombo(0)->currentData().toString(), QStringLiteral("Tick.png"));
    EXPECT_EQ(dialog.UncheckCombo(0)->currentText(), QStringLiteral("Gone.png"));
    EXPECT_EQ(dialog.UncheckCombo(1)->currentText(), CMenuItemImagesDlg::NoPictureText());
    EXPECT_TRUE(dialog.TwoRowBox(0)->isChecked());
    EXPECT_FALSE(dialog.TwoRowBox(1)->isChecked());
    EXPECT_EQ(ComboTexts(dialog.CheckCombo(1)), QStringList({"(无)", "Tick.png", "Box.png", "Dot.bmp"}));
    EXPECT_EQ(ComboTexts(dialog.UncheckCombo(0)), QStringList({"(无)", "Tick.png", "Box.png", "Dot.bmp", "Gone.png"}));
    EXPECT_EQ(dialog.Entries(), entries);
    EXPECT_TRUE(dialog.OkButton()->isEnabled());
}

TEST(MenuItemImagesDlg, EditedRowsComeBackKeyedByTheirIds) {
    CheckImageMap entries;
    entries[5] = Entry(5, "Tick.png", "Box.png", 0);
    CMenuItemImagesDlg dialog(entries, kPictures);
    dialog.IdSpin(0)->setValue(32771);
    Choose(dialog.CheckCombo(0), QString());
    Choose(dialog.UncheckCombo(0), QStringLiteral("Dot.bmp"));
    dialog.TwoRowBox(0)->setChecked(true);
    CheckImageMap expected;
    expected[32771] = Entry(32771, "", "Dot.bmp", 1);
    EXPECT_EQ(dialog.Entries(), expected);
}

TEST(MenuItemImagesDlg, AddNumbersAfterTheLargestIdAndRemoveTakesTheCurrentRow) {
    CMenuItemImagesDlg empty({}, kPictures);
    EXPECT_EQ(empty.RowCount(), 0);
    empty.RemoveCurrentRow();  // nothing to remove
    empty.findChild<QPushButton*>(QStringLiteral("add"))->click();
    ASSERT_EQ(empty.RowCount(), 1);
    EXPECT_EQ(empty.IdSpin(0)->value(), 1);
    EXPECT_EQ(empty.CheckCombo(0)->currentData().toString(), QString());
    EXPECT_FALSE(empty.TwoRowBox(0)->isChecked());

    CheckImageMap entries;
    entries[9] = Entry(9, "Tick.png", "", 0);
    entries[3] = Entry(3, "Box.png", "", 0);
    CMenuItemImagesDlg dialog(entries, kPictures);
    dialog.AddRow();
    ASSERT_EQ(dialog.RowCount(), 3);
    EXPECT_EQ(dialog.IdSpin(2)->value(), 10);
    EXPECT_EQ(dialog.Table()->currentRow(), 2) << "the new row is the current one";
    dialog.Table()->setCurrentCell(0, 0);
    dialog.findChild<QPushButton*>(QStringLiteral("remove"))->click();
    ASSERT_EQ(dialog.RowCount(), 2);
    EXPECT_EQ(dialog.Table()->rowCount(), 2);
    CheckImageMap expected;
    expected[9] = Entry(9, "Tick.png", "", 0);
    expected[10] = Entry(10, "", "", 0);
    EXPECT_EQ(dialog.Entries(), expected);
}

TEST(MenuItemImagesDlg, TheLargestPossibleIdIsNotWrappedAround) {
    CheckImageMap entries;
    entries[2147483647] = Entry(2147483647, "", "", 0);
    CMenuItemImagesDlg dialog(entries, kPictures);
    dialog.AddRow();
    EXPECT_EQ(dialog.IdSpin(1)->value(), 2147483647);
    EXPECT_FALSE(dialog.OkButton()->isEnabled()) << "the same ID twice: the author must choose another";
}

TEST(MenuItemImagesDlg, OkWaitsWhileTwoRowsShareAnItemId) {
    CheckImageMap entries;
    entries[1] = Entry(1, "Tick.png", "", 0);
    entries[2] = Entry(2, "Box.png", "", 0);
    CMenuItemImagesDlg dialog(entries, kPictures);
    dialog.show();
    dialog.IdSpin(1)->setValue(1);
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    EXPECT_TRUE(dialog.ProblemLabel()->isVisible());
    EXPECT_EQ(dialog.ProblemLabel()->text(), QStringLiteral("Item ID 1 is used twice."));
    dialog.IdSpin(1)->setValue(3);
    EXPECT_TRUE(dialog.OkButton()->isEnabled());
    EXPECT_FALSE(dialog.ProblemLabel()->isVisible());
    // Removing one of two equal rows clears the problem too.
    dialog.IdSpin(1)->setValue(1);
    dialog.Table()->setCurrentCell(1, 0);
    dialog.RemoveCurrentRow();
    EXPECT_TRUE(dialog.OkButton()->isEnabled());
}

TEST(MenuItemImagesDlg, ToolbarCommandsHaveNoTwoRowFlagAndSpeakOfCommands) {
    CheckImageMap entries;
    entries[5] = Entry(5, "Tick.png", "Box.png", 3);  // a two-row value toolbars never store
    entries[6] = Entry(6, "Box.png", "", 0);
    CMenuItemImagesDlg dialog(entries, kPictures, nullptr, CheckImagesOf::ToolBarCommands);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Command Images"));
    EXPECT_EQ(dialog.Table()->horizontalHeaderItem(0)->text(), QStringLiteral("Command ID"));
    EXPECT_TRUE(dialog.Table()->isColumnHidden(3));
    const CheckImageMap back = dialog.Entries();
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back.at(5).doubleRow, 0);
    EXPECT_EQ(back.at(5).checkImage, "Tick.png");
    EXPECT_EQ(back.at(5).uncheckImage, "Box.png");
    dialog.IdSpin(1)->setValue(5);
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    EXPECT_EQ(dialog.ProblemLabel()->text(), QStringLiteral("Command ID 5 is used twice."));

    CMenuItemImagesDlg menus(entries, kPictures);
    EXPECT_FALSE(menus.Table()->isColumnHidden(3));
    EXPECT_EQ(menus.Entries().at(5).doubleRow, 3);
}

TEST(MenuItemImagesDlg, OverlongPictureNamesAreCutToTheirMember) {
    const QString longName = QString(300, QLatin1Char('p')) + QStringLiteral(".png");
    CMenuItemImagesDlg dialog({}, {longName});
    dialog.AddRow();
    Choose(dialog.CheckCombo(0), longName);
    const CheckImageEntry e = dialog.Entries().at(1);
    EXPECT_EQ(e.checkImage.size(), 254u);
    EXPECT_EQ(e.checkImage, std::string(254, 'p'));
}

// ---- the real provider, from the frame page

class MenuItemDialogRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        imagetest::AddPicture(session, "Tick.png", 16, 16, QColor(200, 120, 20));
        imagetest::AddPicture(session, "Box.png", 16, 16, QColor(20, 120, 200));
        id = AddObjectsCommand::PushNew(session, 3000);
        page.Attach(&session, &grid, &provider);
        ASSERT_TRUE(page.SelectObject(id));
        grid.show();
        grid.setCurrentItem(grid.findItem(QStringLiteral("MenuItem Images")));
        QApplication::processEvents();
        steps = session.UndoStack().count();
    }
    SkinFrame& frame() { return *static_cast<SkinFrame*>(session.Document().FindItem(id)); }
    void Press() {
        auto* editor = qobject_cast<vd::DialogEditor*>(grid.activeEditor());
        ASSERT_NE(editor, nullptr);
        editor->dialogButton()->click();
    }

    SkinSession session;
    QtDialogProvider provider;
    vd::PropertyGrid grid;
    CFrameProperty page;
    int id = 0;
    int steps = 0;
};

TEST_F(MenuItemDialogRoundTrip, TwoAddedEntriesAreOneStepAndSaved) {
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CMenuItemImagesDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->RowCount(), 0) << "a new frame has no entries";
        QPushButton* add = dialog->findChild<QPushButton*>(QStringLiteral("add"));
        add->click();
        add->click();
        dialog->IdSpin(0)->setValue(32771);
        Choose(dialog->CheckCombo(0), QStringLiteral("Tick.png"));
        Choose(dialog->UncheckCombo(0), QStringLiteral("Box.png"));
        dialog->IdSpin(1)->setValue(32780);
        Choose(dialog->CheckCombo(1), QStringLiteral("Box.png"));
        dialog->TwoRowBox(1)->setChecked(true);
        dialog->OkButton()->click();
    });
    Press();
    CheckImageMap expected;
    expected[32771] = Entry(32771, "Tick.png", "Box.png", 0);
    expected[32780] = Entry(32780, "Box.png", "", 1);
    EXPECT_EQ(frame().menu.items, expected);
    EXPECT_EQ(session.UndoStack().count(), steps + 1);
    EXPECT_TRUE(frame().menu.items.at(32780).checkGrey) << "the grey copy of the chosen picture";

    const std::string text = session.Document().SaveConfigText();
    for (const char* line : {"1MenuItem1ID=32771", "1MenuItem1CheckImage=Tick.png", "1MenuItem1UnCheckImage=Box.png",
                             "1MenuItem2ID=32780", "1MenuItem2CheckImage=Box.png", "1MenuItem2DoubleRow=1"})
        EXPECT_NE(text.find(line), std::string::npos) << line;

    session.UndoStack().undo();
    EXPECT_TRUE(frame().menu.items.empty());
}

TEST_F(MenuItemDialogRoundTrip, CancelWritesNothing) {
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CMenuItemImagesDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->AddRow();
        Choose(dialog->CheckCombo(0), QStringLiteral("Tick.png"));
        dialog->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
    });
    Press();
    EXPECT_TRUE(frame().menu.items.empty());
    EXPECT_EQ(session.UndoStack().count(), steps);
}

}  // namespace
