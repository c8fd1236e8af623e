// List widgets in the test program's style: the background picture behind the items, items the record's
// height high, the selected item on its picture or the selection colour, texts in the record's styles,
// the Fusion look without a record, and hostile records.

#include <gtest/gtest.h>

#include <QListWidget>

#include "Resource/ResObjects/ResComboBox.h"
#include "Resource/ResObjects/ResListBox.h"
#include "SkinStyleFieldsSupport.h"

namespace {

using styletest::Pixel;
using styletest::StyleFixture;

constexpr QSize kSize(160, 200);
constexpr int kItemHeight = 26;
const QColor kBackground(240, 230, 210);
const QColor kSelected(40, 120, 200);
const QColor kSelection(200, 40, 120);
const QColor kNormalText(120, 0, 0);
const QColor kSelectedText(255, 255, 0);

SkinListBox& ListRecord(StyleFixture& f) {
    auto& l = previewtest::New<SkinListBox>(f.doc, 27000);
    l.background = f.Solid("back.png", 40, 40, kBackground);
    l.selectedBackground = f.Solid("sel.png", 30, 20, kSelected);
    l.selection = Color(kSelection.red(), kSelection.green(), kSelection.blue());
    l.itemHeight = kItemHeight;
    l.textNormal.textColor = Color(kNormalText.red(), kNormalText.green(), kNormalText.blue());
    l.textNormal.horzAlign = 0;
    l.textSelected.textColor = Color(kSelectedText.red(), kSelectedText.green(), kSelectedText.blue());
    l.textSelected.horzAlign = 0;
    return l;
}

QListWidget* NewList() {
    auto* list = new QListWidget;
    list->addItems({QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third")});
    list->setCurrentRow(1);
    return list;
}

// An item's rectangle in the list's own coordinates.
QRect ItemRect(QListWidget* list, int row) {
    const QRect r = list->visualItemRect(list->item(row));
    return QRect(list->viewport()->mapTo(list, r.topLeft()), r.size());
}

TEST(SkinStyleListBoxTest, TheBackgroundSelectionAndTextsComeFromTheRecord) {
    StyleFixture f;
    ListRecord(f);
    std::unique_ptr<QListWidget> list(f.Styled(NewList(), kSize));
    const QImage image = StyleFixture::Grab(list.get());
    const QRect first = ItemRect(list.get(), 0), second = ItemRect(list.get(), 1);
    EXPECT_EQ(first.height(), kItemHeight);
    EXPECT_EQ(second.top(), first.bottom() + 1);
    // Right of the texts: the background picture, then the selected item's picture.
    EXPECT_EQ(Pixel(image, QPoint(first.right() - 2, first.center().y())), kBackground);
    EXPECT_EQ(Pixel(image, QPoint(second.right() - 2, second.center().y())), kSelected);
    // Below the last item, and at the list's own edge, the background picture still.
    EXPECT_EQ(Pixel(image, QPoint(kSize.width() / 2, kSize.height() - 2)), kBackground);
    EXPECT_EQ(Pixel(image, QPoint(0, 0)), kBackground);
    EXPECT_GT(previewtest::CountNear(image, first, kNormalText, 40), 0);
    EXPECT_EQ(previewtest::CountNear(image, first, kSelectedText, 40), 0);
    EXPECT_GT(previewtest::CountNear(image, second, kSelectedText, 40), 0);
}

TEST(SkinStyleListBoxTest, WithoutASelectedPictureTheSelectionColourFillsTheItem) {
    StyleFixture f;
    ListRecord(f).selectedBackground = SkinImageBase{};
    std::unique_ptr<QListWidget> list(f.Styled(NewList(), kSize));
    const QImage image = StyleFixture::Grab(list.get());
    const QRect second = ItemRect(list.get(), 1);
    EXPECT_EQ(Pixel(image, QPoint(second.right() - 2, second.center().y())), kSelection);
}

TEST(SkinStyleListBoxTest, WithoutARecordTheListIsFusions) {
    StyleFixture f;
    previewtest::New<SkinDatetime>(f.doc, 25000);
    styletest::FusionStyle fusion;
    std::unique_ptr<QListWidget> ours(f.Styled(NewList(), kSize));
    std::unique_ptr<QListWidget> theirs(fusion.Styled(NewList(), kSize));
    EXPECT_EQ(StyleFixture::Grab(ours.get()), StyleFixture::Grab(theirs.get()));
    EXPECT_EQ(ItemRect(ours.get(), 1), ItemRect(theirs.get(), 1));
}

TEST(SkinStyleListBoxTest, ReloadingASkinWithoutARecordGivesTheListItsOwnBackgroundBack) {
    StyleFixture f;
    ListRecord(f);
    std::unique_ptr<QListWidget> list(f.Styled(NewList(), kSize));
    EXPECT_FALSE(list->viewport()->autoFillBackground());
    CSkinDocument empty;
    f.style.SetSource(&empty, nullptr);
    f.style.Refresh();
    EXPECT_TRUE(list->viewport()->autoFillBackground());
    f.style.SetSource(&f.doc, nullptr);
    f.style.Refresh();
    EXPECT_FALSE(list->viewport()->autoFillBackground());
}

// The item's icon at the record's image size, left of, above or right of the text.
TEST(SkinStyleListBoxTest, AnItemsImageStandsWhereTheTypeSaysAtTheRecordsSize) {
    const QColor icon(10, 200, 90);
    constexpr int kImage = 12;
    for (int type : {0, 1, 2}) {
        StyleFixture f;
        auto& l = ListRecord(f);
        l.itemImageWidth = l.itemImageHeight = kImage;
        l.itemHeight = 40;
        l.type = type;
        QPixmap pixmap(32, 32);
        pixmap.fill(icon);
        auto* list = NewList();
        list->setIconSize(QSize(32, 32));
        list->item(0)->setIcon(QIcon(pixmap));
        std::unique_ptr<QListWidget> owner(f.Styled(list, kSize));
        const QRect item = ItemRect(list, 0);
        const QRect ink = previewtest::Ink(StyleFixture::Grab(list), icon, item);
        EXPECT_EQ(ink.size(), QSize(kImage, kImage)) << type;
        if (type == 0) EXPECT_LT(ink.left() - item.left(), kImage) << type;
        if (type == 1) {
            EXPECT_EQ(ink.top(), item.top());
            EXPECT_LE(std::abs(ink.center().x() - item.center().x()), 1);
        }
        if (type == 2) EXPECT_LT(item.right() - ink.right(), kImage) << type;
        if (type != 1) EXPECT_LE(std::abs(ink.center().y() - item.center().y()), 1) << type;
    }
}

TEST(SkinStyleListBoxTest, ACheckableItemShowsItsIndicatorBeforeTheText) {
    StyleFixture f;
    ListRecord(f);
    auto* list = NewList();
    list->item(0)->setFlags(list->item(0)->flags() | Qt::ItemIsUserCheckable);
    list->item(0)->setCheckState(Qt::Checked);
    std::unique_ptr<QListWidget> owner(f.Styled(list, kSize));
    const QRect item = ItemRect(list, 0);
    const QImage image = StyleFixture::Grab(list);
    const QRect text = previewtest::Ink(image, QColor(kNormalText), item);
    QStyleOptionViewItem option;
    option.rect = item;
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect indicator = f.style.baseStyle()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    EXPECT_GT(previewtest::InkOtherThan(image, kBackground, indicator).width(), 0);
    ASSERT_FALSE(text.isNull());
    EXPECT_GT(text.left(), indicator.right());
}

TEST(SkinStyleListBoxTest, ASkinLoadedAfterTheListWasLaidOutResizesItsItems) {
    StyleFixture f;
    ListRecord(f);
    CSkinDocument empty;
    f.style.SetSource(&empty, nullptr);
    std::unique_ptr<QListWidget> list(f.Styled(NewList(), kSize));
    const int platformHeight = ItemRect(list.get(), 0).height();
    ASSERT_NE(platformHeight, kItemHeight);
    f.style.SetSource(&f.doc, nullptr);
    f.style.Refresh();
    const QImage image = StyleFixture::Grab(list.get());
    const QRect first = ItemRect(list.get(), 0), second = ItemRect(list.get(), 1);
    EXPECT_EQ(first.height(), kItemHeight);
    // The selected picture stays inside its item.
    EXPECT_EQ(Pixel(image, QPoint(first.right() - 2, first.bottom())), kBackground);
    EXPECT_EQ(Pixel(image, QPoint(second.right() - 2, second.top())), kSelected);
    EXPECT_EQ(Pixel(image, QPoint(second.right() - 2, second.bottom() + 1)), kBackground);
}

TEST(SkinStyleListBoxTest, HostileHeightsAndImageSizesStayBounded) {
    StyleFixture f;
    auto& l = ListRecord(f);
    l.background.leftWidth = 1 << 30;
    l.selectedBackground.right = -40;
    l.itemImageWidth = 1 << 30;
    l.itemImageHeight = -9;
    l.textNormal.leftOffset = 1 << 30;
    for (int type : {0, 1, 2, 99})
        for (int height : {-5, 0, 1, 1 << 30}) {
            l.type = type;
            l.itemHeight = height;
            auto* list = NewList();
            list->item(0)->setIcon(QIcon(QPixmap(8, 8)));
            std::unique_ptr<QListWidget> owner(f.Styled(list, kSize));
            StyleFixture::Grab(list);
            const int h = ItemRect(list, 0).height();
            EXPECT_GT(h, 0) << type << " " << height;
            EXPECT_LE(h, 4096) << type << " " << height;
            if (height == 1) EXPECT_EQ(h, 1);
        }
}

}  // namespace
