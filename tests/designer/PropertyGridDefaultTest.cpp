// Defaults: a value that differs from its default is drawn bold and can be reset, from the context menu or
// the editor's reset button; rows without a default are never bold and never resettable.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QToolButton>
#include <QTreeWidget>

#include "designer/propertygrid/ColorItem.h"
#include "designer/propertygrid/DescriptionPanel.h"
#include "designer/propertygrid/NumberItem.h"
#include "designer/propertygrid/PropertyBuilders.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/ResetWrapper.h"

#include <memory>

using namespace vd;

namespace {

QAction* resetAction(QMenu* menu) { return menu->findChild<QAction*>(QStringLiteral("resetToDefault")); }

class GridDefaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.resize(360, 400);
        auto* cat = grid.addCategory(QStringLiteral("Look"));
        withDefault = addNumber(cat, QStringLiteral("Border"), {[this] { return border; }, [this](int v) { border = v; }, 2});
        withoutDefault = addNumber(cat, QStringLiteral("Spacing"), {[this] { return spacing; }, [this](int v) { spacing = v; }});
        colour = addColor(cat, QStringLiteral("Colour"),
                          {[this] { return c; }, [this](const Color& v) { c = v; }, Color(255, 255, 255)});
        QObject::connect(&grid, &PropertyGrid::valueChanged, &grid, [this] { ++changes; });
        grid.show();
        QApplication::processEvents();
    }

    int border = 2;
    int spacing = 4;
    Color c{255, 255, 255};
    int changes = 0;
    PropertyGrid grid;
    PropertyItem* withDefault = nullptr;
    PropertyItem* withoutDefault = nullptr;
    PropertyItem* colour = nullptr;
};

TEST_F(GridDefaultTest, ModifiedOnlyWhenADefaultExistsAndDiffers) {
    EXPECT_FALSE(withDefault->isModified());
    border = 3;
    EXPECT_TRUE(withDefault->isModified());
    spacing = 99;
    EXPECT_FALSE(withoutDefault->isModified());
    EXPECT_FALSE(withoutDefault->hasDefaultValue());
    c = Color(255, 255, 254);
    EXPECT_TRUE(colour->isModified());
}

TEST_F(GridDefaultTest, ContextMenuResetIsEnabledOnlyForAChangedValue) {
    std::unique_ptr<QMenu> menu(grid.createContextMenu(withDefault, nullptr));
    EXPECT_FALSE(resetAction(menu.get())->isEnabled());
    menu.reset(grid.createContextMenu(withoutDefault, nullptr));
    EXPECT_FALSE(resetAction(menu.get())->isEnabled());

    border = 9;
    menu.reset(grid.createContextMenu(withDefault, nullptr));
    QAction* reset = resetAction(menu.get());
    ASSERT_TRUE(reset->isEnabled());
    reset->trigger();
    EXPECT_EQ(border, 2);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(grid.canReset(withDefault));
}

TEST_F(GridDefaultTest, ResetActionOfARemovedRowDoesNothing) {
    border = 9;
    std::unique_ptr<QMenu> menu(grid.createContextMenu(withDefault, nullptr));
    grid.removeItem(withDefault);
    resetAction(menu.get())->trigger();
    EXPECT_EQ(border, 9);
    EXPECT_EQ(changes, 0);
}

TEST_F(GridDefaultTest, ResetButtonFollowsTheValue) {
    grid.setCurrentItem(withoutDefault);
    ASSERT_NE(grid.activeWrapper(), nullptr);
    EXPECT_EQ(grid.activeWrapper()->resetButton(), nullptr) << "no default, no button";

    grid.setCurrentItem(withDefault);
    ResetWrapper* wrapper = grid.activeWrapper();
    ASSERT_NE(wrapper, nullptr);
    ASSERT_NE(wrapper->resetButton(), nullptr);
    EXPECT_FALSE(wrapper->resetButton()->isEnabled());
    ASSERT_TRUE(grid.commitValue(withDefault, 5));
    EXPECT_TRUE(wrapper->resetButton()->isEnabled());
    wrapper->resetButton()->click();
    EXPECT_EQ(border, 2);
    EXPECT_FALSE(wrapper->resetButton()->isEnabled());
    EXPECT_EQ(changes, 2);
}

TEST_F(GridDefaultTest, ReadOnlyRowsCannotBeReset) {
    border = 7;
    withDefault->setReadOnly(true);
    EXPECT_FALSE(grid.canReset(withDefault));
    EXPECT_FALSE(grid.resetValue(withDefault));
    EXPECT_EQ(border, 7);
}

// Ink (dark pixels) in a row's value cell: a bold value has clearly more than the same text in regular.
int valueInk(QTreeWidget* tree, const QImage& image, const QString& caption) {
    const QList<QTreeWidgetItem*> rows = tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    if (rows.size() != 1)
        return -1;
    const QRect cell = tree->visualItemRect(rows[0]).intersected(
        QRect(tree->columnViewportPosition(1) + 2, 0, tree->columnWidth(1) - 30, image.height()));
    int ink = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

TEST(GridBoldTest, ChangedValuesAreDrawnBold) {
    PropertyGrid grid;
    grid.resize(360, 300);
    int same = 888, changed = 888;
    auto* cat = grid.addCategory(QStringLiteral("Numbers"));
    addNumber(cat, QStringLiteral("Same"), {[&] { return same; }, [&](int v) { same = v; }, 888});
    addNumber(cat, QStringLiteral("Changed"), {[&] { return changed; }, [&](int v) { changed = v; }, 0});
    grid.show();
    QApplication::processEvents();
    auto* tree = grid.findChild<QTreeWidget*>(QStringLiteral("propertyTree"));
    ASSERT_NE(tree, nullptr);
    const QImage image = tree->viewport()->grab().toImage();
    const int regular = valueInk(tree, image, QStringLiteral("Same"));
    const int bold = valueInk(tree, image, QStringLiteral("Changed"));
    ASSERT_GT(regular, 0);
    EXPECT_GT(bold, regular * 11 / 10);
}

TEST(GridDescriptionTest, PanelShowsTheCurrentRow) {
    PropertyGrid grid;
    auto* cat = grid.addCategory(QStringLiteral("General"));
    auto* a = cat->addChild<NumberItem>(QStringLiteral("Alpha"));
    a->setDescription(QStringLiteral("First number."));
    auto* b = cat->addChild<NumberItem>(QStringLiteral("Beta"));
    grid.setCurrentItem(a);
    EXPECT_EQ(grid.descriptionPanel()->caption(), "Alpha");
    EXPECT_EQ(grid.descriptionPanel()->description(), "First number.");
    a->setDescription(QStringLiteral("Changed."));
    EXPECT_EQ(grid.descriptionPanel()->description(), "Changed.");
    grid.setCurrentItem(b);
    EXPECT_EQ(grid.descriptionPanel()->caption(), "Beta");
    EXPECT_EQ(grid.descriptionPanel()->description(), "");
    grid.clear();
    EXPECT_EQ(grid.descriptionPanel()->caption(), "");
}

}  // namespace
