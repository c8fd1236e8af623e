// The "Position" group: its eight rows with their captions and list entries, each bound to its field of a
// placement.

#include <gtest/gtest.h>

#include "designer/propertygrid/EnumItem.h"
#include "designer/propertygrid/MarginItem.h"
#include "designer/propertygrid/NumberItem.h"
#include "designer/propertygrid/PositionBuilder.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/SizeItem.h"

#include "Resource/SkinRecords.h"

using namespace vd;

namespace {

QStringList entryCaptions(const PropertyItem* item) {
    QStringList out;
    for (const EnumEntry& e : static_cast<const EnumItem*>(item)->entries())
        out.append(QStringLiteral("%1=%2").arg(e.caption).arg(e.value));
    return out;
}

class PositionTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* cat = grid.addCategory(QStringLiteral("Layout"));
        position = addPosition(cat, [this] { return &place; }, &defaults);
        QObject::connect(&grid, &PropertyGrid::valueChanged, &grid, [this](PropertyItem* i) { changed.append(i); });
    }

    SkinPlacement place;
    SkinPlacement defaults;
    PropertyGrid grid;
    PropertyItem* position = nullptr;
    QList<PropertyItem*> changed;
};

TEST_F(PositionTest, RowsCaptionsAndEntries) {
    EXPECT_EQ(position->caption(), "Position");
    EXPECT_FALSE(position->isCategory());
    ASSERT_EQ(position->childCount(), 8);
    const char* captions[] = {"Horz Ignore", "HorzAlign", "Horz Space", "Vert Ignore", "VertAlign", "Vert Space", "Margin", "Size"};
    const int kinds[] = {PropertyItem::BoolKind, PropertyItem::EnumKind, PropertyItem::EnumKind, PropertyItem::BoolKind,
                         PropertyItem::EnumKind, PropertyItem::EnumKind, PropertyItem::QuadKind, PropertyItem::SizeKind};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(position->child(i)->caption(), captions[i]);
        EXPECT_EQ(position->child(i)->kind(), kinds[i]) << captions[i];
    }
    EXPECT_EQ(entryCaptions(position->child(1)),
              QStringList({"Anchor to Left=0", "Anchor to Center=1", "Anchor to Right=2"}));
    EXPECT_EQ(entryCaptions(position->child(2)), QStringList({"Left Width=0", "Right Width=1", "Percent=2", "Fixed=3"}));
    EXPECT_EQ(entryCaptions(position->child(4)),
              QStringList({"Anchor to Top=0", "Anchor to VCenter=1", "Anchor to Bottom=2"}));
    EXPECT_EQ(entryCaptions(position->child(5)), QStringList({"Top Height=0", "Bottom Height=1", "Percent=2", "Fixed=3"}));
}

TEST_F(PositionTest, EveryRowWritesItsOwnField) {
    EXPECT_EQ(position->child(0)->value().toBool(), true) << "a new placement ignores both axes";
    ASSERT_TRUE(grid.commitValue(position->child(0), false));
    ASSERT_TRUE(grid.commitValue(position->child(1), 2));
    ASSERT_TRUE(grid.commitValue(position->child(2), 3));
    ASSERT_TRUE(grid.commitValue(position->child(4), 1));
    ASSERT_TRUE(grid.commitValue(position->child(5), 2));
    EXPECT_EQ(place.horz.ignore, 0);
    EXPECT_EQ(place.horz.alignType, 2);
    EXPECT_EQ(place.horz.spaceType, 3);
    EXPECT_EQ(place.vert.ignore, 1);
    EXPECT_EQ(place.vert.alignType, 1);
    EXPECT_EQ(place.vert.spaceType, 2);

    auto* margin = static_cast<MarginItem*>(position->child(6));
    ASSERT_TRUE(grid.commitValue(margin->sideItem(0), 11));  // left   = horizontal near offset
    ASSERT_TRUE(grid.commitValue(margin->sideItem(1), 12));  // top    = vertical near offset
    ASSERT_TRUE(grid.commitValue(margin->sideItem(2), 13));  // right  = horizontal far offset
    ASSERT_TRUE(grid.commitValue(margin->sideItem(3), 14));  // bottom = vertical far offset
    EXPECT_EQ(place.horz.nearOffset, 11);
    EXPECT_EQ(place.vert.nearOffset, 12);
    EXPECT_EQ(place.horz.farOffset, 13);
    EXPECT_EQ(place.vert.farOffset, 14);

    auto* size = static_cast<SizeItem*>(position->child(7));
    ASSERT_TRUE(grid.commitValue(size, QSize(320, 240)));
    EXPECT_EQ(place.horz.sizeValue, 320);
    EXPECT_EQ(place.vert.sizeValue, 240);
    EXPECT_EQ(changed.size(), 10);
    EXPECT_EQ(changed[6], margin);
}

TEST_F(PositionTest, DefaultsComeFromTheGivenPlacement) {
    for (int i = 0; i < 8; ++i)
        EXPECT_FALSE(position->child(i)->isModified()) << i;
    place.vert.ignore = 0;
    place.horz.sizeValue = 5;
    EXPECT_TRUE(position->child(3)->isModified());
    EXPECT_TRUE(position->child(7)->isModified());
    ASSERT_TRUE(grid.resetValue(position->child(3)));
    EXPECT_EQ(place.vert.ignore, 1);
}

TEST_F(PositionTest, TheRecordIsLookedUpOnEveryAccess) {
    // A page binds through a function, so a record replaced by undo is still the one edited.
    SkinPlacement other;
    other.horz.alignType = 1;
    SkinPlacement* target = &place;
    PropertyGrid g;
    PropertyItem* pos = addPosition(g.addCategory(QStringLiteral("L")), [&] { return target; });
    target = &other;
    EXPECT_EQ(pos->child(1)->displayText(), "Anchor to Center");
    ASSERT_TRUE(g.commitValue(pos->child(1), 2));
    EXPECT_EQ(other.horz.alignType, 2);
    EXPECT_EQ(place.horz.alignType, 0);
}

}  // namespace
