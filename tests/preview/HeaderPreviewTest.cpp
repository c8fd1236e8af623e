// The header preview: the four sample items at their widths along the bar, each with the face, caption
// style and sort arrow of its own state (Highlighted being the record's index 3), the bar's background
// beyond them, and the plain look of a header without any picture.
// With VORNADESK_PREVIEW_PNG_DIR set, the rendered previews are also saved there for a look.

#include <gtest/gtest.h>

#include <array>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResHeader.h"
#include "preview/PreviewKind.h"

using namespace previewtest;
using vd::preview::RenderPreview;

namespace {

// For the record's 500 x 100: the area shrunk by 5 and then by 2 leaves x 7..492, y 7..92; the bar is
// its top 18 rows.
constexpr int kLeft = 7, kTop = 7, kRight = 492, kBar = 18;

// The sample items from the left: left edge, width and the record index whose pictures they show.
struct Item {
    int left, width, index;
};
constexpr std::array<Item, 4> kItems = {{{7, 80, 0}, {87, 80, 1}, {167, 100, 3}, {267, 80, 2}}};

struct HeaderFixture {
    CSkinDocument doc{OtherMachine()};
    SkinHeader* header = nullptr;
    HeaderFixture() { header = &New<SkinHeader>(doc, 8000); }
    QImage Render() { return RenderPreview(doc, *header, {}); }
};

QColor ItemColour(int index) { return QColor(200, 40 * index, 100); }
QColor ArrowColour(int index) { return QColor(20 * index, 220, 20); }

TEST(HeaderPreview, ItemsStandAtTheirWidthsWithTheirStatesPictures) {
    HeaderFixture f;
    f.header->background = AddPicture(f.doc, "bk.png", Solid(10, 10, QColor(0, 0, 160)));
    for (int i = 0; i < 4; ++i) {
        f.header->itemImages[static_cast<size_t>(i)] =
            AddPicture(f.doc, "item" + std::to_string(i) + ".png", Solid(10, 10, ItemColour(i)));
        f.header->upArrows[static_cast<size_t>(i)] =
            AddPicture(f.doc, "up" + std::to_string(i) + ".png", Solid(8, 6, ArrowColour(i)));
        f.header->downArrows[static_cast<size_t>(i)] =
            AddPicture(f.doc, "down" + std::to_string(i) + ".png", Solid(8, 6, QColor(255, 255, 0)));
    }
    const QImage image = f.Render();
    ASSERT_EQ(image.size(), QSize(500, 100));
    SaveIfAsked(image, QStringLiteral("header-pictures"));

    for (const Item& item : kItems) {
        const QColor face = ItemColour(item.index);
        EXPECT_EQ(At(image, item.left, kTop), face) << item.index;
        EXPECT_EQ(At(image, item.left + item.width - 1, kTop + kBar - 1), face) << item.index;
        EXPECT_EQ(At(image, item.left + 2, kTop + kBar / 2), face) << item.index;
        // The up arrow, 5 pixels in from the item's right end, centred across the bar.
        const QRect arrow(item.left + item.width - 5 - 8, kTop + (kBar - 6) / 2, 8, 6);
        EXPECT_EQ(Count(image, QRect(kLeft, kTop, kRight - kLeft + 1, kBar), ArrowColour(item.index)), 8 * 6);
        EXPECT_EQ(Count(image, arrow, ArrowColour(item.index)), 8 * 6) << item.index;
    }
    EXPECT_EQ(At(image, kItems[3].left + kItems[3].width, kTop + 5), QColor(0, 0, 160)) << "the bar beyond the items";
    EXPECT_EQ(At(image, kRight, kTop), QColor(0, 0, 160));
    EXPECT_EQ(At(image, 250, kTop + kBar), Q(f.doc.Env().SysColor(COLOR_WINDOW))) << "below the bar";
    EXPECT_EQ(Count(image, image.rect(), QColor(255, 255, 0)), 0) << "down arrows are not shown";
}

TEST(HeaderPreview, EachCaptionUsesItsStatesTextStyle) {
    HeaderFixture f;
    const QColor red(230, 0, 0);
    // Only the highlighted style (index 3) is red.
    f.header->itemStyles[3].textColor = Color(230, 0, 0);
    const QImage image = f.Render();
    for (const Item& item : kItems) {
        const QRect area(item.left + 1, kTop + 1, item.width - 2, kBar - 2);
        const int reds = Count(image, area, red);
        if (item.index == 3)
            EXPECT_GT(reds, 10);
        else
            EXPECT_EQ(reds, 0) << item.index;
        EXPECT_FALSE(DarkInk(image, area, 120).isEmpty()) << "a caption in item " << item.index;
    }
}

TEST(HeaderPreview, PreviewsCompletelyWithoutAnyPicture) {
    HeaderFixture f;
    const SystemEnvironment& env = f.doc.Env();
    const QImage image = f.Render();
    ASSERT_EQ(image.size(), QSize(f.header->previewWidth, f.header->previewHeight));
    SaveIfAsked(image, QStringLiteral("header-plain"));
    EXPECT_EQ(At(image, 2, 2), Q(env.SysColor(COLOR_BTNFACE)));
    EXPECT_EQ(At(image, 5, 5), Q(env.SysColor(COLOR_BTNHIGHLIGHT))) << "the window's frame";
    EXPECT_EQ(At(image, 494, 94), Q(env.SysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(At(image, 250, 60), Q(env.SysColor(COLOR_WINDOW)));
    // Each item a framed button face.
    for (const Item& item : kItems) {
        EXPECT_EQ(At(image, item.left, kTop + 3), Q(env.SysColor(COLOR_BTNHIGHLIGHT))) << item.index;
        EXPECT_EQ(At(image, item.left + item.width - 1, kTop + 3), Q(env.SysColor(COLOR_BTNSHADOW))) << item.index;
        EXPECT_EQ(At(image, item.left + 2, kTop + 3), Q(env.SysColor(COLOR_BTNFACE))) << item.index;
    }
    // The bar beyond them too.
    EXPECT_EQ(At(image, 400, kTop + 5), Q(env.SysColor(COLOR_BTNFACE)));
    EXPECT_EQ(At(image, 400, kTop + kBar - 1), Q(env.SysColor(COLOR_BTNSHADOW)));
}

TEST(HeaderPreview, NarrowAndHostileSizesStayInsideThePreview) {
    HeaderFixture f;
    f.header->itemImages[0] = AddPicture(f.doc, "i.png", Solid(10, 10, QColor(200, 0, 0)));
    // Narrower than the items: they are cut at the window's inner edge.
    const QImage narrow = RenderPreview(f.doc, *f.header, {}, QSize(120, 40));
    ASSERT_EQ(narrow.size(), QSize(120, 40));
    EXPECT_EQ(At(narrow, 120 - 7, kTop), Q(f.doc.Env().SysColor(COLOR_WINDOW))) << "the window, not an item";
    for (QSize size : {QSize(1, 1), QSize(14, 14), QSize(30, 12)})
        EXPECT_EQ(RenderPreview(f.doc, *f.header, {}, size).size(), size);
    // A stored size no image can have previews nothing.
    f.header->previewWidth = -20;
    EXPECT_TRUE(f.Render().isNull());
    f.header->previewWidth = 500;
    f.header->font.height = -100000;
    EXPECT_EQ(f.Render().size(), QSize(500, 100));
}

}  // namespace
