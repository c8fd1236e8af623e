// Rows whose value is made of parts: the four-number margin with its "All" and side rows, and the
// width/height size with its text form.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>

#include "designer/propertygrid/LineTextEditor.h"
#include "designer/propertygrid/MarginItem.h"
#include "designer/propertygrid/NumberEditor.h"
#include "designer/propertygrid/NumberItem.h"
#include "designer/propertygrid/PropertyBuilders.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/SizeItem.h"

using namespace vd;

namespace {

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width = 10, height = 20;
    int writes = 0;
};

IntBinding field(int& member, int& writes, std::optional<int> def = std::nullopt) {
    return {[&member] { return member; }, [&member, &writes](int v) { member = v, ++writes; }, def};
}

class CompositeTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* cat = grid.addCategory(QStringLiteral("Layout"));
        margin = addMargin(cat, QStringLiteral("Margin"), field(b.left, b.writes, 0), field(b.top, b.writes, 0),
                           field(b.right, b.writes, 0), field(b.bottom, b.writes, 0));
        size = addSize(cat, QStringLiteral("Size"), field(b.width, b.writes, 10), field(b.height, b.writes, 20));
        margin->setExpanded(true);
        size->setExpanded(true);
        QObject::connect(&grid, &PropertyGrid::valueChanged, &grid, [this](PropertyItem* i) { changed.append(i); });
        grid.show();
        QApplication::processEvents();
    }

    // Types into a number row's editor and presses Enter, as a user does.
    void typeNumber(PropertyItem* row, int value) {
        grid.setCurrentItem(row);
        auto* editor = qobject_cast<NumberEditor*>(grid.activeEditor());
        ASSERT_NE(editor, nullptr);
        QLineEdit* line = editor->spinBox()->findChild<QLineEdit*>();
        line->setText(QString::number(value));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(line, &enter);
    }

    Box b;
    PropertyGrid grid;
    MarginItem* margin = nullptr;
    SizeItem* size = nullptr;
    QList<PropertyItem*> changed;
};

TEST_F(CompositeTest, ChildrenComeInTheDescribedOrder) {
    ASSERT_EQ(margin->childCount(), 5);
    const char* captions[] = {"All", "Left", "Top", "Right", "Bottom"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(margin->child(i)->caption(), captions[i]);
    EXPECT_FALSE(margin->hasEditor()) << "the joined text is edited through the children";
}

TEST_F(CompositeTest, AllThenOneSide) {
    typeNumber(margin->allItem(), 5);
    EXPECT_EQ(margin->displayText(), "5; 5; 5; 5");
    EXPECT_EQ(b.left, 5);
    EXPECT_EQ(b.top, 5);
    EXPECT_EQ(b.right, 5);
    EXPECT_EQ(b.bottom, 5);
    EXPECT_EQ(margin->allItem()->displayText(), "5");

    typeNumber(margin->sideItem(1), 2);
    EXPECT_EQ(margin->displayText(), "5; 2; 5; 5");
    EXPECT_EQ(b.top, 2);
    EXPECT_EQ(margin->allItem()->displayText(), "0");
    EXPECT_EQ(margin->sideItem(0)->displayText(), "5");

    // Each edit is one change of the margin, however many fields it wrote.
    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(changed[0], margin);
    EXPECT_EQ(changed[1], margin);
}

TEST_F(CompositeTest, ZeroTypedIntoAnAllShowingZeroStillEvensTheSides) {
    b.left = 1;
    b.bottom = 4;
    EXPECT_EQ(margin->allItem()->displayText(), "0");
    EXPECT_TRUE(grid.commitValue(margin->allItem(), 0));
    EXPECT_EQ(margin->displayText(), "0; 0; 0; 0");
    EXPECT_FALSE(grid.commitValue(margin->allItem(), 0)) << "now nothing is left to change";
}

TEST_F(CompositeTest, SidesAreBoldAgainstTheMarginsDefault) {
    EXPECT_FALSE(margin->isModified());
    b.right = 3;
    EXPECT_TRUE(margin->isModified());
    EXPECT_TRUE(margin->sideItem(2)->isModified());
    EXPECT_FALSE(margin->sideItem(0)->isModified());
    ASSERT_TRUE(grid.resetValue(margin->sideItem(2)));
    EXPECT_EQ(b.right, 0);
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0], margin);
}

TEST(QuadNumberItemTest, UnboundHoldsItsOwnFour) {
    PropertyGrid grid;
    auto* quad = grid.addCategory(QStringLiteral("C"))->addChild<QuadNumberItem>(QStringLiteral("Pad"), 1, 2, 3, 4);
    EXPECT_EQ(quad->displayText(), "1; 2; 3; 4");
    EXPECT_TRUE(grid.commitValue(quad->sideItem(3), 9));
    EXPECT_EQ(quad->displayText(), "1; 2; 3; 9");
    quad->setValue(QVariant::fromValue(QMargins(7, 7, 7, 7)));
    EXPECT_EQ(quad->allItem()->displayText(), "7");
    EXPECT_EQ(quad->sideItem(2)->displayText(), "7");
}

TEST_F(CompositeTest, SizeTextAndChildren) {
    EXPECT_EQ(size->displayText(), "10; 20");
    grid.setCurrentItem(size);
    auto* editor = qobject_cast<LineTextEditor*>(grid.activeEditor());
    ASSERT_NE(editor, nullptr);
    editor->lineEdit()->setText(QStringLiteral("64; 48"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(editor->lineEdit(), &enter);
    EXPECT_EQ(b.width, 64);
    EXPECT_EQ(b.height, 48);
    typeNumber(size->heightItem(), 30);
    EXPECT_EQ(size->displayText(), "64; 30");
    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(changed[1], size);
}

class SizeParseTest : public CompositeTest, public ::testing::WithParamInterface<std::pair<const char*, bool>> {};

TEST_P(SizeParseTest, MalformedTextLeavesTheValueAlone) {
    const auto& [text, valid] = GetParam();
    grid.setCurrentItem(size);
    auto* editor = qobject_cast<LineTextEditor*>(grid.activeEditor());
    ASSERT_NE(editor, nullptr);
    editor->lineEdit()->setText(QString::fromUtf8(text));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(editor->lineEdit(), &enter);
    if (valid) {
        EXPECT_EQ(b.width, 7) << text;
        EXPECT_EQ(b.height, 8) << text;
        EXPECT_EQ(changed.size(), 1);
    } else {
        EXPECT_EQ(b.width, 10) << text;
        EXPECT_EQ(b.height, 20) << text;
        EXPECT_EQ(b.writes, 0) << text;
        EXPECT_TRUE(changed.isEmpty()) << text;
        EXPECT_EQ(editor->lineEdit()->text(), "10; 20") << "the editor shows the kept value again";
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, SizeParseTest,
                         ::testing::Values(std::make_pair("7; 8", true), std::make_pair(" 7 ,8 ", true),
                                           std::make_pair("7x8", true), std::make_pair("7 8", true),
                                           std::make_pair("", false), std::make_pair("7", false),
                                           std::make_pair("7;", false), std::make_pair("a; b", false),
                                           std::make_pair("7; 8; 9", false), std::make_pair("7.5; 8", false),
                                           std::make_pair("99999999999; 8", false)));

}  // namespace
