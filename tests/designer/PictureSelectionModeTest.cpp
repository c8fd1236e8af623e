// The picture page in selection mode, without widgets: dragging the rectangle by whole picture pixels at
// several zooms (the remainder carries over, the rectangle stays inside the picture), margin guides that
// can be grabbed and dragged, nudging, the drawing of rectangle and guides, and zooms below 100 %.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <vector>

#include "ImageTestSupport.h"
#include "designer/pages/PictureProperty.h"

namespace {

class SelectionModeTest : public ::testing::Test {
protected:
    void SetUp() override {
        picture = imagetest::AddPicture(session, "Frame.png", 40, 30, QColor(255, 255, 255))->ID;
        page.Attach(&session, nullptr, nullptr);
        page.EnterSelectionMode(picture);
        page.SetSelection(Rect{4, 4, 12, 12});
        page.SetListener();
    }
    struct Page : CPictureProperty {
        std::vector<Rect> reported;
        void SetListener() {
            SetSelectionListener([this](const Rect& s, const Rect&) { reported.push_back(s); });
        }
    };

    SkinSession session;
    Page page;
    int picture = 0;
};

TEST_F(SelectionModeTest, SizesFollowThePictureAndTheZoom) {
    EXPECT_TRUE(page.InSelectionMode());
    EXPECT_EQ(page.PreviewSize(), QSize(40, 30));
    page.SetZoom(400);
    EXPECT_EQ(page.ScrollSize(), QSize(160, 120));
    // Centred where it fits, at the content origin where it does not.
    EXPECT_EQ(page.PictureOrigin(QSize(200, 100)), QPoint(20, 0));
    EXPECT_EQ(page.PictureAt(QPoint(20 + 9, 7), QSize(200, 100)), QPoint(2, 1));
    EXPECT_EQ(page.PictureAt(QPoint(19, 0), QSize(200, 100)).x(), -1);
    page.EnterSelectionMode(999);
    EXPECT_EQ(page.PreviewSize(), QSize(20, 20)) << "an ID that names no picture";
    page.LeaveSelectionMode();
    EXPECT_EQ(page.PreviewSize(), QSize(0, 0));
}

TEST_F(SelectionModeTest, At400PercentTheRectangleMovesByWholePicturePixels) {
    page.SetZoom(400);
    page.BeginSelectionDrag(CPictureProperty::kPartMove, {100, 100});
    EXPECT_FALSE(page.DragSelectionTo({103, 102})) << "less than one picture pixel";
    EXPECT_TRUE(page.DragSelectionTo({109, 104}));
    EXPECT_EQ(page.Selection(), (Rect{6, 5, 14, 13}));
    // 9 - 8 = 1 screen pixel was left over; 3 more make the next picture pixel.
    EXPECT_TRUE(page.DragSelectionTo({112, 104}));
    EXPECT_EQ(page.Selection(), (Rect{7, 5, 15, 13}));
    EXPECT_EQ(page.reported.size(), 2u);
    EXPECT_EQ(page.reported.back(), page.Selection());
    // Far beyond the edges: kept inside the 40 x 30 picture, the size unchanged.
    page.DragSelectionTo({2000, -2000});
    EXPECT_EQ(page.Selection(), (Rect{32, 0, 40, 8}));
    page.EndSelectionDrag();
    EXPECT_FALSE(page.DragSelectionTo({0, 0})) << "no drag after the button is up";
}

TEST_F(SelectionModeTest, TheDesignViewsMovePathDragsTooAndZoomBelowHundredDividesByOne) {
    page.SetZoom(50);
    EXPECT_EQ(page.ZoomFactor(), 1);
    EXPECT_EQ(page.ScrollSize(), QSize(40, 30));
    page.OnMouseMove({10, 10}, false, QSize(300, 200));
    EXPECT_TRUE(page.OnMouseMove({13, 11}, true, QSize(300, 200)));
    EXPECT_EQ(page.Selection(), (Rect{7, 5, 15, 13}));
    page.SetZoom(0);
    EXPECT_TRUE(page.OnMouseMove({14, 11}, true, QSize(300, 200)));
    EXPECT_EQ(page.Selection().left, 8);
}

TEST_F(SelectionModeTest, MarginGuidesAreGrabbedAndDraggedWithinTheRectangle) {
    page.SetZoom(400);
    page.SetMargins(Rect{2, 0, 3, 0});
    const QSize client(400, 300);  // picture 160 x 120 on screen at (120, 90)
    const QPoint o = page.PictureOrigin(client);
    ASSERT_EQ(o, QPoint(120, 90));
    const int leftGuide = o.x() + (4 + 2) * 4;
    EXPECT_EQ(page.SelectionHitTest({leftGuide + 1, o.y() + 30}, client), CPictureProperty::kPartMarginLeft);
    EXPECT_EQ(page.SelectionHitTest({o.x() + (12 - 3) * 4, o.y() + 30}, client), CPictureProperty::kPartMarginRight);
    // The top margin is 0: its guide lies on the top edge and can still be pulled out.
    EXPECT_EQ(page.SelectionHitTest({o.x() + 30, o.y() + 16}, client), CPictureProperty::kPartMarginTop);
    EXPECT_EQ(page.SelectionHitTest({o.x() + 30, o.y() + 30}, client), CPictureProperty::kPartMove);
    EXPECT_EQ(page.SelectionHitTest({o.x() - 30, o.y() + 30}, client), CPictureProperty::kPartNone);

    page.BeginSelectionDrag(CPictureProperty::kPartMarginLeft, {leftGuide, 0});
    EXPECT_TRUE(page.DragSelectionTo({leftGuide + 8, 0}));
    EXPECT_EQ(page.Margins(), (Rect{4, 0, 3, 0}));
    page.DragSelectionTo({leftGuide + 400, 0});
    EXPECT_EQ(page.Margins().left, 5) << "left + right corners never exceed the width of 8";
    page.BeginSelectionDrag(CPictureProperty::kPartMarginBottom, {0, 100});
    page.DragSelectionTo({0, 92});
    EXPECT_EQ(page.Margins().bottom, 2);
    EXPECT_EQ(page.Selection(), (Rect{4, 4, 12, 12})) << "margins never move the rectangle";
}

TEST_F(SelectionModeTest, NudgeMovesAndResizesInsideThePicture) {
    EXPECT_TRUE(page.NudgeSelection(-10, 0, false));
    EXPECT_EQ(page.Selection(), (Rect{0, 4, 8, 12}));
    EXPECT_TRUE(page.NudgeSelection(100, 1, true));
    EXPECT_EQ(page.Selection(), (Rect{0, 4, 40, 13}));
    EXPECT_TRUE(page.NudgeSelection(-100, -100, true));
    EXPECT_EQ(page.Selection(), (Rect{0, 4, 1, 5})) << "at least one pixel stays";
    EXPECT_FALSE(page.NudgeSelection(-1, 0, false));
    EXPECT_EQ(page.reported.size(), 3u);
    page.LeaveSelectionMode();
    EXPECT_FALSE(page.NudgeSelection(1, 0, false));
}

TEST_F(SelectionModeTest, DrawsTheRectangleAndAGuideOnlyForMarginsAboveZero) {
    page.SetZoom(400);
    page.SetMargins(Rect{2, 0, 0, 1});
    const QRect client(0, 0, 200, 160);  // picture 160 x 120 at (20, 20)
    QImage image(client.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    page.DrawView(painter, client, QPoint(0, 0), false);
    painter.end();
    const QColor red(255, 0, 0);
    const int x0 = 20 + 4 * 4, y0 = 20 + 4 * 4, x1 = 20 + 12 * 4, y1 = 20 + 12 * 4;
    EXPECT_EQ(image.pixelColor(x0 - 1, y0 + 10), red) << "left edge, just outside";
    EXPECT_EQ(image.pixelColor(x1, y0 + 10), red) << "right edge, just outside";
    EXPECT_EQ(image.pixelColor(x0 + 10, y0 - 1), red);
    EXPECT_EQ(image.pixelColor(x0 + 2 * 4, y0 + 10), red) << "left guide";
    EXPECT_EQ(image.pixelColor(x0 + 10, y1 - 1 * 4), red) << "bottom guide";
    EXPECT_NE(image.pixelColor(x1 - 1, y0 + 10), red) << "no right guide for a zero margin";
    EXPECT_NE(image.pixelColor(x0 + 10, y0), red) << "no top guide";
    // The pixel grid at 400 %: a line between two white picture pixels, inside the rectangle too.
    EXPECT_NE(image.pixelColor(x0 + 12, y0 + 5), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(x0 + 13, y0 + 5), QColor(255, 255, 255));
}

}  // namespace
