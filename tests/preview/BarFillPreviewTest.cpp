// The control bar and rebar previews: "Fastness" without a picture drawing the 3-D border only, the two
// gradients and the stepped fill inside the border, the background picture replacing border and fill, the
// rebar's gripper at the bar's left end, and the sizes and tags of both kinds.
// With VORNADESK_PREVIEW_PNG_DIR set, the rendered previews are also saved there for a look.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResControlBar.h"
#include "preview/PreviewKind.h"

using namespace previewtest;
using vd::preview::RenderPreview;

namespace {

const QColor kRed(200, 30, 30), kGreen(30, 160, 30), kYellow(230, 210, 20), kBlue(20, 40, 220);

// A 300 x 50 preview: the bar is inset by 10, its border one pixel wide, the fill inside it.
constexpr int kLeft = 10, kTop = 10, kRight = 289, kBottom = 39;
constexpr int kInLeft = 11, kInTop = 11, kInWidth = 278, kInHeight = 28;
constexpr int kMidX = 150, kMidY = 25;

Color C(QColor q) { return Color(q.red(), q.green(), q.blue()); }

bool Near(QColor a, QColor b, int tolerance = 1) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// The gradient's colour at line i of n from first to second, the first line exactly the first colour.
QColor GradientAt(QColor first, QColor second, int i, int n) {
    const float t = static_cast<float>(n - i) / static_cast<float>(n);
    auto mix = [t](int a, int b) { return std::clamp(static_cast<int>(t * a + (1 - t) * b), 0, 255); };
    return QColor(mix(first.red(), second.red()), mix(first.green(), second.green()), mix(first.blue(), second.blue()));
}

template <class R>
struct BarFixture {
    explicit BarFixture(int base) : bar(&New<R>(doc, base)) {
        bar->highlight = C(kRed);
        bar->shadow = C(kGreen);
        bar->start = C(kYellow);
        bar->end = C(kBlue);
    }
    QImage Render(const QString& tag) {
        const QImage image = RenderPreview(doc, *bar, {}, QSize());
        SaveIfAsked(image, tag);
        return image;
    }
    CSkinDocument doc;
    R* bar;
};

void ExpectBorder(const QImage& image) {
    EXPECT_EQ(At(image, kLeft, kMidY), kRed) << "left edge in the highlight colour";
    EXPECT_EQ(At(image, kMidX, kTop), kRed) << "top edge";
    EXPECT_EQ(At(image, kRight, kMidY), kGreen) << "right edge in the shadow colour";
    EXPECT_EQ(At(image, kMidX, kBottom), kGreen) << "bottom edge";
}

TEST(BarFillPreview, FastnessWithoutPictureDrawsTheBorderOnly) {
    BarFixture<SkinControlBar> f(20000);
    f.bar->drawType = 3;
    const QImage image = f.Render("controlbar-fastness");
    ASSERT_EQ(image.size(), QSize(300, 50));
    ExpectBorder(image);
    const QColor ground = At(image, 5, 5);
    EXPECT_EQ(Count(image, QRect(kInLeft, kInTop, kInWidth, kInHeight), ground), kInWidth * kInHeight)
        << "inside the border the ground shows";
    EXPECT_EQ(CountNear(image, image.rect(), kYellow, 20), 0);
    EXPECT_EQ(CountNear(image, image.rect(), kBlue, 20), 0);
}

TEST(BarFillPreview, GradientsRunFromStartToEndColour) {
    BarFixture<SkinControlBar> f(20000);
    f.bar->drawType = 0;
    QImage image = f.Render("controlbar-horizontal");
    ExpectBorder(image);
    for (int i : {0, 1, 139, kInWidth - 1})
        EXPECT_TRUE(Near(At(image, kInLeft + i, kMidY), GradientAt(kYellow, kBlue, i, kInWidth))) << i;
    EXPECT_EQ(At(image, kInLeft + 70, kInTop), At(image, kInLeft + 70, kInTop + kInHeight - 1)) << "columns are one colour";

    f.bar->drawType = 1;
    image = f.Render("controlbar-vertical");
    ExpectBorder(image);
    for (int i : {0, 13, kInHeight - 1})
        EXPECT_TRUE(Near(At(image, kMidX, kInTop + i), GradientAt(kYellow, kBlue, i, kInHeight))) << i;
    EXPECT_EQ(At(image, kInLeft, 20), At(image, kInLeft + kInWidth - 1, 20)) << "rows are one colour";
}

TEST(BarFillPreview, RecursiveFillLightensTowardsTheMiddle) {
    BarFixture<SkinControlBar> f(20000);
    f.bar->drawType = 2;
    f.bar->start = Color(100, 50, 250);
    f.bar->step = 5;
    QImage image = f.Render("controlbar-recursive");
    ExpectBorder(image);
    // The first ring in the start colour, the next raised by the step, every further one by 10 in each
    // channel still at most 245 (blue stops at 255 after the step).
    EXPECT_EQ(At(image, kMidX, kInTop), QColor(100, 50, 250));
    EXPECT_EQ(At(image, kMidX, kInTop + 1), QColor(105, 55, 255));
    EXPECT_EQ(At(image, kMidX, kInTop + 2), QColor(115, 65, 255));
    EXPECT_EQ(At(image, kMidX, kInTop + kInHeight - 2), QColor(105, 55, 255)) << "rings shrink from top and bottom";

    // A step beyond a channel's range saturates rather than wraps.
    f.bar->step = 100000;
    image = f.Render("controlbar-recursive-big-step");
    EXPECT_EQ(At(image, kMidX, kInTop + 1), QColor(255, 255, 255));
}

TEST(BarFillPreview, UnknownDrawTypeFillsNothing) {
    BarFixture<SkinControlBar> f(20000);
    f.bar->drawType = 7;
    const QImage image = f.Render("controlbar-unknown");
    ExpectBorder(image);
    EXPECT_EQ(At(image, kMidX, kMidY), At(image, 5, 5));
}

TEST(BarFillPreview, BackgroundPictureReplacesBorderAndFill) {
    BarFixture<SkinControlBar> f(20000);
    f.bar->background = AddPicture(f.doc, "bar.png", Solid(8, 8, QColor(70, 0, 140)));
    const QImage image = f.Render("controlbar-picture");
    EXPECT_EQ(Count(image, QRect(kLeft, kTop, kRight - kLeft + 1, kBottom - kTop + 1), QColor(70, 0, 140)),
              (kRight - kLeft + 1) * (kBottom - kTop + 1));
    EXPECT_EQ(At(image, 5, 5), At(image, 295, 45)) << "the ground around it";
    EXPECT_NE(At(image, 9, kMidY), QColor(70, 0, 140));
}

TEST(BarFillPreview, RebarDrawsItsGripperAtTheLeftEnd) {
    BarFixture<SkinReBar> f(21000);
    const QColor purple(120, 20, 160);
    f.bar->gripper = AddPicture(f.doc, "grip.png", Solid(6, 12, purple));
    QImage image = f.Render("rebar-gripper");
    ExpectBorder(image);
    // Inside the border at the left, vertically centred, at its own size.
    const int top = kInTop + (kInHeight - 12) / 2;
    EXPECT_EQ(Count(image, image.rect(), purple), 6 * 12);
    EXPECT_EQ(Count(image, QRect(kInLeft, top, 6, 12), purple), 6 * 12);

    // A gripper taller than the bar is cut at the bar's edges.
    f.bar->gripper = AddPicture(f.doc, "tall.png", Solid(20, 100, purple));
    image = f.Render("rebar-tall-gripper");
    EXPECT_EQ(Count(image, image.rect(), purple), 20 * (kBottom - kTop + 1));
    EXPECT_EQ(Count(image, QRect(kInLeft, kTop, 20, kBottom - kTop + 1), purple), 20 * (kBottom - kTop + 1));

    // Drawn over the background picture too; without a picture nothing is drawn for it.
    f.bar->background = AddPicture(f.doc, "bk.png", Solid(8, 8, kBlue));
    f.bar->gripper = AddPicture(f.doc, "grip2.png", Solid(6, 12, purple));
    image = f.Render("rebar-gripper-on-picture");
    EXPECT_EQ(Count(image, image.rect(), purple), 6 * 12);
    f.bar->gripper = SkinImageBase();
    image = f.Render("rebar-no-gripper");
    EXPECT_EQ(Count(image, image.rect(), purple), 0);
}

TEST(BarFillPreview, KindsOpenAtTheStoredSize) {
    CSkinDocument doc;
    auto& bar = New<SkinControlBar>(doc, 20000);
    auto& rebar = New<SkinReBar>(doc, 21000);
    bar.previewWidth = 420, bar.previewHeight = 70;
    rebar.previewWidth = 180, rebar.previewHeight = 40;
    const auto* barKind = vd::preview::FindPreviewKind(bar.ID);
    const auto* rebarKind = vd::preview::FindPreviewKind(rebar.ID);
    ASSERT_TRUE(barKind && rebarKind);
    EXPECT_STREQ(barKind->tag, "controlbar");
    EXPECT_STREQ(rebarKind->tag, "rebar");
    EXPECT_EQ(barKind->size(doc, bar), QSize(420, 70));
    EXPECT_EQ(rebarKind->size(doc, rebar), QSize(180, 40));
    EXPECT_TRUE(barKind->selectors.empty() && rebarKind->selectors.empty());
    // Smaller than the insets: only the ground.
    const QImage tiny = RenderPreview(doc, bar, {}, QSize(15, 15));
    EXPECT_EQ(tiny.size(), QSize(15, 15));
}

}  // namespace
