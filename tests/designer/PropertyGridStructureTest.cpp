// What the grid shows: sort modes, the filter, rows shown and hidden by an identifier-501 switch, update
// batches, taller rows and further item kinds plugged in through the editor table.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTreeWidget>

#include "designer/propertygrid/BoolItem.h"
#include "designer/propertygrid/GroupItem.h"
#include "designer/propertygrid/NumberItem.h"
#include "designer/propertygrid/PropertyBuilders.h"
#include "designer/propertygrid/PropertyEditor.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/TextItem.h"

using namespace vd;

namespace {

QStringList captions(const QList<PropertyItem*>& items) {
    QStringList out;
    for (const PropertyItem* i : items)
        out.append(i->caption());
    return out;
}

// Two categories; "Frame" holds a plain group with two rows of its own.
void fill(PropertyGrid& grid) {
    auto* general = grid.addCategory(QStringLiteral("General"));
    general->addChild<TextItem>(QStringLiteral("Name"));
    general->addChild<NumberItem>(QStringLiteral("alpha"));
    auto* frame = grid.addCategory(QStringLiteral("Frame"));
    frame->addChild<NumberItem>(QStringLiteral("Border Width"));
    auto* group = frame->addChild<GroupItem>(QStringLiteral("Caption"), false);
    group->addChild<NumberItem>(QStringLiteral("Zeta"));
    group->addChild<NumberItem>(QStringLiteral("Height"));
    frame->addChild<TextItem>(QStringLiteral("Beta"));
}

TEST(GridSortTest, CategorizedKeepsTheBuildOrder) {
    PropertyGrid grid;
    fill(grid);
    EXPECT_EQ(grid.sortMode(), PropertyGrid::SortMode::Categorized);
    EXPECT_EQ(captions(grid.displayedItems()),
              QStringList({"General", "Name", "alpha", "Frame", "Border Width", "Caption", "Zeta", "Height", "Beta"}));
}

TEST(GridSortTest, AlphabeticalDropsCategoriesAndSortsCaseInsensitively) {
    PropertyGrid grid;
    fill(grid);
    int announced = 0;
    QObject::connect(&grid, &PropertyGrid::sortModeChanged, &grid, [&] { ++announced; });
    grid.sortAlphabetically();
    EXPECT_EQ(grid.sortMode(), PropertyGrid::SortMode::Alphabetical);
    EXPECT_EQ(grid.property("sortMode").value<PropertyGrid::SortMode>(), PropertyGrid::SortMode::Alphabetical);
    // Rows under "Caption" keep their own order.
    EXPECT_EQ(captions(grid.displayedItems()),
              QStringList({"alpha", "Beta", "Border Width", "Caption", "Zeta", "Height", "Name"}));
    grid.sortAlphabetically();
    EXPECT_EQ(announced, 1) << "choosing the mode in force again announces nothing";
    grid.sortByCategory();
    EXPECT_EQ(captions(grid.displayedItems()).first(), "General");
    EXPECT_EQ(announced, 2);
    // Items added while sorted alphabetically find their place.
    grid.sortAlphabetically();
    grid.topLevelItem(0)->addChild<NumberItem>(QStringLiteral("Gamma"));
    EXPECT_EQ(captions(grid.displayedItems()).indexOf("Gamma"), 6);
}

TEST(GridSortTest, CurrentRowSurvivesASortChange) {
    PropertyGrid grid;
    fill(grid);
    PropertyItem* beta = grid.findItem(QStringLiteral("Beta"));
    grid.setCurrentItem(beta);
    grid.sortAlphabetically();
    EXPECT_EQ(grid.currentItem(), beta);
    EXPECT_NE(grid.activeEditor(), nullptr);
}

struct FilterCase {
    const char* filter;
    QStringList shown;
};

class GridFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(GridFilterTest, ShowsMatchesWithTheirCategoriesAndGroups) {
    PropertyGrid grid;
    fill(grid);
    grid.setFilterText(QString::fromUtf8(GetParam().filter));
    EXPECT_EQ(captions(grid.displayedItems()), GetParam().shown);
    grid.setFilterText(QString());
    EXPECT_EQ(grid.displayedItems().size(), 9);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, GridFilterTest,
    ::testing::Values(FilterCase{"name", {"General", "Name"}},                      // case-insensitive
                      FilterCase{"ZET", {"Frame", "Caption", "Zeta"}},              // a group shows for its row
                      FilterCase{"caption", {"Frame", "Caption", "Zeta", "Height"}},  // a group shows its rows
                      FilterCase{"general", {}},                                     // categories do not match
                      FilterCase{"e", {"General", "Name", "Frame", "Border Width", "Caption", "Zeta", "Height", "Beta"}},
                      FilterCase{"nothing like it", {}}));

TEST(GridFilterTest, HiddenRowsStayHiddenWhateverTheFilter) {
    PropertyGrid grid;
    fill(grid);
    grid.findItem(QStringLiteral("Name"))->setHidden(true);
    grid.setFilterText(QStringLiteral("name"));
    EXPECT_TRUE(grid.displayedItems().isEmpty());
    EXPECT_FALSE(grid.isDisplayed(grid.findItem(QStringLiteral("Name"))));
}

TEST(GridFilterTest, FilteringAwayTheCurrentRowClosesItsEditor) {
    PropertyGrid grid;
    fill(grid);
    grid.setCurrentItem(grid.findItem(QStringLiteral("Name")));
    ASSERT_NE(grid.activeEditor(), nullptr);
    grid.setFilterText(QStringLiteral("beta"));
    EXPECT_EQ(grid.activeEditor(), nullptr);
    EXPECT_EQ(grid.currentItem(), nullptr);
}

class SwitchTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* cat = grid.addCategory(QStringLiteral("Shadow"));
        toggle = addBool(cat, QStringLiteral("Use Shadow"), Binding<bool>{[this] { return on; }, [this](bool v) { on = v; }});
        toggle->setId(BoolItem::kShowsSiblingsId);
        offset = cat->addChild<NumberItem>(QStringLiteral("Offset"));
        colour = cat->addChild<NumberItem>(QStringLiteral("Colour"));
        outside = grid.addCategory(QStringLiteral("Other"))->addChild<NumberItem>(QStringLiteral("Elsewhere"));
    }

    bool on = false;
    PropertyGrid grid;
    PropertyItem* toggle = nullptr;
    PropertyItem* offset = nullptr;
    PropertyItem* colour = nullptr;
    PropertyItem* outside = nullptr;
};

TEST_F(SwitchTest, SiblingsFollowTheSwitch) {
    EXPECT_FALSE(grid.isDisplayed(offset)) << "the built grid already follows the switch";
    EXPECT_TRUE(grid.isDisplayed(toggle));
    ASSERT_TRUE(grid.commitValue(toggle, true));
    EXPECT_TRUE(grid.isDisplayed(offset));
    EXPECT_TRUE(grid.isDisplayed(colour));
    ASSERT_TRUE(grid.commitValue(toggle, false));
    EXPECT_FALSE(grid.isDisplayed(offset));
    EXPECT_FALSE(grid.isDisplayed(colour));
    EXPECT_TRUE(grid.isDisplayed(toggle));
    EXPECT_TRUE(grid.isDisplayed(outside)) << "only the switch's own siblings";
}

TEST(SwitchRuleTest, WithoutTheIdentifierNothingHides) {
    PropertyGrid grid;
    bool on = false;
    auto* cat = grid.addCategory(QStringLiteral("Shadow"));
    PropertyItem* plain = addBool(cat, QStringLiteral("Use Shadow"), Binding<bool>{[&] { return on; }, [&](bool v) { on = v; }});
    PropertyItem* sibling = cat->addChild<NumberItem>(QStringLiteral("Offset"));
    EXPECT_TRUE(grid.isDisplayed(sibling));
    ASSERT_TRUE(grid.commitValue(plain, true));
    ASSERT_TRUE(grid.commitValue(plain, false));
    EXPECT_TRUE(grid.isDisplayed(sibling));
}

TEST_F(SwitchTest, ExternalChangeIsFollowedOnRefresh) {
    on = true;
    grid.refreshValues();
    EXPECT_TRUE(grid.isDisplayed(offset));
}

TEST(GridBatchTest, RowsAppearOnceTheBatchEnds) {
    PropertyGrid grid;
    grid.beginUpdate();
    grid.beginUpdate();
    fill(grid);
    EXPECT_TRUE(grid.displayedItems().isEmpty());
    grid.endUpdate();
    EXPECT_TRUE(grid.displayedItems().isEmpty()) << "still inside the outer batch";
    grid.endUpdate();
    EXPECT_EQ(grid.displayedItems().size(), 9);
    grid.endUpdate();  // unbalanced: ignored
    grid.clear();
    EXPECT_TRUE(grid.displayedItems().isEmpty());
    EXPECT_EQ(grid.topLevelItemCount(), 0);
}

TEST(GridBatchTest, RemovingAGroupTakesItsRowsAlong) {
    PropertyGrid grid;
    fill(grid);
    PropertyItem* zeta = grid.findItem(QStringLiteral("Zeta"));
    grid.setCurrentItem(zeta);
    grid.removeItem(grid.findItem(QStringLiteral("Caption")));
    EXPECT_EQ(captions(grid.displayedItems()), QStringList({"General", "Name", "alpha", "Frame", "Border Width", "Beta"}));
    grid.sortAlphabetically();
    grid.removeItem(grid.findItem(QStringLiteral("Frame")));  // a category without a row of its own
    EXPECT_EQ(captions(grid.displayedItems()), QStringList({"alpha", "Name"}));
}

// A further kind, as the picture and text-style rows will be: taller, with its own painting and editor.
class TallItem : public PropertyItem {
public:
    static constexpr int Kind = UserKind + 1;
    using PropertyItem::PropertyItem;
    int kind() const override { return Kind; }
    int rowHeight(int standard) const override { return standard * 3; }
};

class TallEditor : public PropertyEditor {
public:
    explicit TallEditor(QWidget* parent) : PropertyEditor(parent), label(new QLabel(this)) {}
    QVariant value() const override { return label->text(); }
    void setValue(const QVariant& v) override { label->setText(v.toString()); }
    QLabel* label;
};

TEST(GridKindTest, FurtherKindsPlugInWithTheirOwnHeightAndEditor) {
    PropertyGrid grid;
    grid.resize(300, 400);
    grid.editorFactory().registerEditor(TallItem::Kind, [](const PropertyItem&, QWidget* parent) -> PropertyEditor* {
        return new TallEditor(parent);
    });
    auto* cat = grid.addCategory(QStringLiteral("Pictures"));
    auto* normal = cat->addChild<NumberItem>(QStringLiteral("Normal"));
    auto* tall = cat->addChild<TallItem>(QStringLiteral("Image"));
    tall->setValue(QStringLiteral("sky.bmp"));
    grid.show();
    QApplication::processEvents();
    auto* tree = grid.findChild<QTreeWidget*>(QStringLiteral("propertyTree"));
    const auto rowHeight = [&](const QString& caption) {
        return tree->visualItemRect(tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive).value(0)).height();
    };
    EXPECT_EQ(rowHeight(QStringLiteral("Image")), 3 * rowHeight(QStringLiteral("Normal")));
    grid.setCurrentItem(tall);
    auto* editor = dynamic_cast<TallEditor*>(grid.activeEditor());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->label->text(), "sky.bmp");
    grid.setCurrentItem(normal);
    EXPECT_EQ(dynamic_cast<TallEditor*>(grid.activeEditor()), nullptr);
}

}  // namespace

namespace {

// Long captions widen the caption column, up to a share that leaves the values room; short ones keep the
// default; once the user drags the splitter, rebuilding leaves it where they put it.
TEST(GridSplitTest, TheCaptionColumnFitsLongCaptionsUntilTheUserMovesTheSplitter) {
    PropertyGrid grid;
    grid.resize(400, 300);
    grid.show();
    QApplication::processEvents();
    auto* tree = grid.findChild<QTreeWidget*>(QStringLiteral("propertyTree"));
    ASSERT_TRUE(tree);
    const int w = tree->viewport()->width();

    fill(grid);
    QApplication::processEvents();
    EXPECT_EQ(grid.splitterPosition(), qRound(w * 0.45)) << "short captions keep the default share";

    grid.clear();
    grid.addCategory(QStringLiteral("General"))->addChild<TextItem>(QStringLiteral("Caption InactiveTextStyle"));
    QApplication::processEvents();
    const int needed = 2 * tree->indentation() + tree->fontMetrics().horizontalAdvance("Caption InactiveTextStyle");
    EXPECT_GE(grid.splitterPosition(), std::min(needed, qRound(w * 0.6)));
    EXPECT_LE(grid.splitterPosition(), qRound(w * 0.6));

    grid.clear();
    grid.addCategory(QStringLiteral("General"))->addChild<TextItem>(QString(200, QLatin1Char('W')));
    QApplication::processEvents();
    EXPECT_EQ(grid.splitterPosition(), qRound(w * 0.6)) << "values keep at least 40 %";

    // The user drags the splitter to 100: a rebuild keeps it.
    const int split = grid.splitterPosition();
    const int y = tree->visualItemRect(tree->topLevelItem(0)).center().y();
    QTest::mousePress(tree->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(split, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(100, y), tree->viewport()->mapToGlobal(QPointF(100, y)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &move);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, y));
    ASSERT_EQ(grid.splitterPosition(), 100);
    grid.clear();
    grid.addCategory(QStringLiteral("General"))->addChild<TextItem>(QStringLiteral("Caption InactiveTextStyle"));
    QApplication::processEvents();
    EXPECT_EQ(grid.splitterPosition(), 100);
}

}  // namespace
