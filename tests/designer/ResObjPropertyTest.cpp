// The page framework without widgets: page lookup by ID, grip hit-testing, centring, and the resize-by-drag
// arithmetic at several zooms.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "designer/pages/PageList.h"
#include "designer/pages/ResObjProperty.h"

namespace {

TEST(PageList, ThirtyPagesInTheirOrder) {
    CPageList pages;
    ASSERT_EQ(pages.Pages().size(), 30u);
    EXPECT_EQ(pages.Pages()[0]->TypeBase(), 1000);
    EXPECT_EQ(pages.Pages()[3]->TypeBase(), 3000);
    EXPECT_EQ(pages.Pages()[3]->IdRange(), 500);
    EXPECT_EQ(pages.Pages()[19]->TypeBase(), 17000);
    EXPECT_EQ(pages.Pages()[29]->TypeBase(), 28000);
}

struct PageCase {
    int id;
    int expectedBase;  // 0: no page
};

class FindPageForIdTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(FindPageForIdTest, FindsTheOwningPage) {
    CPageList pages;
    CResObjProperty* page = FindPageForId(pages, GetParam().id);
    if (GetParam().expectedBase == 0) {
        EXPECT_EQ(page, nullptr);
    } else {
        ASSERT_TRUE(page);
        EXPECT_EQ(page->TypeBase(), GetParam().expectedBase);
    }
}

INSTANTIATE_TEST_SUITE_P(Ids, FindPageForIdTest,
                         ::testing::Values(PageCase{3499, 3000}, PageCase{3500, 3500}, PageCase{999, 0},
                                           PageCase{30000, 0}, PageCase{1000, 1000}, PageCase{29999, 29000},
                                           PageCase{28500, 28000}, PageCase{17001, 17000}));

// A page with a 100 x 50 preview at (100, 100).
class Page : public CResObjProperty {
public:
    Page() : CResObjProperty(2000) { SetPreviewRect(Rect{100, 100, 200, 150}); }

protected:
    void BuildProperties(vd::PropertyGrid&) override {}
};

const QSize kClient(600, 400);

int Drag(Page& page, int hit, QPoint from, QPoint to) {
    page.SetHitCode(hit);
    page.OnMouseMove(from, false, kClient);  // not dragging: remembers the point only
    page.OnMouseMove(to, true, kClient);
    return page.PreviewRect().Width();
}

TEST(GripDrag, RightEdgeMovesBothEdgesAt100Percent) {
    Page page;
    EXPECT_EQ(Drag(page, kHitRight, {200, 125}, {210, 125}), 120);
    EXPECT_EQ(page.PreviewRect().left, 90);
}

TEST(GripDrag, At200PercentTheSameMovementWidensByTen) {
    Page page;
    page.SetZoom(200);
    EXPECT_EQ(Drag(page, kHitRight, {200, 125}, {210, 125}), 110);
}

TEST(GripDrag, UnconsumedMovementCarriesOver) {
    Page page;
    page.SetZoom(300);
    page.SetHitCode(kHitRight);
    page.OnMouseMove({0, 0}, false, kClient);
    page.OnMouseMove({4, 0}, true, kClient);  // 4 / 3 = 1, one pixel left over
    EXPECT_EQ(page.PreviewRect().Width(), 102);
    page.OnMouseMove({6, 0}, true, kClient);  // 1 + 2 = 3 -> one more step
    EXPECT_EQ(page.PreviewRect().Width(), 104);
}

TEST(GripDrag, ZoomBelow100DoesNotDivideByZero) {
    Page page;
    page.SetZoom(50);
    EXPECT_EQ(Drag(page, kHitRight, {200, 125}, {205, 125}), 110);
}

TEST(GripDrag, NarrowerThanTenIsRecentredInTheView) {
    Page page;
    Drag(page, kHitLeft, {100, 125}, {148, 125});
    EXPECT_EQ(page.PreviewRect().left, kClient.width() / 2 - 5);
    EXPECT_EQ(page.PreviewRect().right, kClient.width() / 2 + 5);
}

TEST(GripDrag, CentreAndNoGripChangeNothing) {
    Page page;
    page.SetHitCode(kHitCentre);
    page.OnMouseMove({0, 0}, false, kClient);
    EXPECT_FALSE(page.OnMouseMove({30, 30}, true, kClient));
    EXPECT_EQ(page.PreviewRect(), (Rect{100, 100, 200, 150}));
}

TEST(GripDrag, BottomRightGrowsBothAxesAndLeftTopClampAtZero) {
    Page page;
    page.SetHitCode(kHitBottomRight);
    page.OnMouseMove({0, 0}, false, kClient);
    page.OnMouseMove({150, 120}, true, kClient);
    EXPECT_EQ(page.PreviewRect().left, 0);
    EXPECT_EQ(page.PreviewRect().top, 0);
    EXPECT_EQ(page.PreviewRect().right, 350);
    EXPECT_EQ(page.PreviewRect().bottom, 270);
}

TEST(HitTest, CornersWinOverEdgesAndBandsSpanTheSides) {
    Page page;
    EXPECT_EQ(page.HitTest(100, 100), kHitTopLeft);
    EXPECT_EQ(page.HitTest(200, 100), kHitTopRight);
    EXPECT_EQ(page.HitTest(100, 150), kHitBottomLeft);
    EXPECT_EQ(page.HitTest(200, 150), kHitBottomRight);
    EXPECT_EQ(page.HitTest(150, 125), kHitCentre);
    EXPECT_EQ(page.HitTest(130, 100), kHitTop);
    EXPECT_EQ(page.HitTest(130, 150), kHitBottom);
    EXPECT_EQ(page.HitTest(100, 110), kHitLeft);
    EXPECT_EQ(page.HitTest(200, 140), kHitRight);
    EXPECT_EQ(page.HitTest(130, 120), kHitNone);
    EXPECT_EQ(CResObjProperty::CursorForHit(kHitTopRight), Qt::SizeBDiagCursor);
    EXPECT_EQ(CResObjProperty::CursorForHit(kHitNotAllowed), Qt::ForbiddenCursor);
}

TEST(HitTest, NothingBeforeThePageIsCentred) {
    Page page;
    page.ClearPreviewRect();
    EXPECT_EQ(page.HitTest(100, 100), kHitNone);
}

TEST(CenterRect, CentresWhenItFitsAndSitsHalfAGripInWhenNot) {
    Page page;
    page.CenterRect({600, 400}, {0, 0}, 100, 50);
    EXPECT_EQ(page.PreviewRect(), (Rect{250, 175, 350, 225}));
    page.CenterRect({600, 400}, {10, 0}, 800, 50);
    EXPECT_EQ(page.PreviewRect(), (Rect{2 - 10, 175, 800 + 2 - 10, 225}));
}

TEST(DrawView, CheckerboardAndRedGrips) {
    Page page;
    QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    page.DrawView(painter, image.rect(), {0, 0}, true);
    painter.end();
    EXPECT_EQ(image.pixelColor(104, 104), QColor(192, 192, 192));  // cell (0, 0) is silver
    EXPECT_EQ(image.pixelColor(111, 104), QColor(255, 255, 255));  // cell (0, 1) is white
    EXPECT_EQ(image.pixelColor(100, 100), QColor(255, 0, 0));      // a grip
    EXPECT_EQ(image.pixelColor(10, 10), QColor(240, 240, 240));    // button face
}

}  // namespace
