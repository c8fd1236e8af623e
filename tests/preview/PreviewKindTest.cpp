// The preview table, the renderer every caller shares, and the drawing the previews have in common: the
// checkerboard, picture references and caption buttons placed by their placement pairs.

#include <gtest/gtest.h>

#include <limits>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResFreeFrame.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/SkinDocument.h"
#include "platform/SystemColors.h"
#include "preview/PreviewCommon.h"
#include "preview/PreviewKind.h"

using namespace previewtest;
using vd::preview::FindPreviewKind;

TEST(PreviewKinds, EachBlockFindsItsKindAndCaptionButtonsHaveNone) {
    struct Case {
        int id;
        const char* tag;  // null: no preview
    };
    const Case cases[] = {{3000, "frame"},        {3499, "frame"},          {3500, nullptr},  {3999, nullptr},
                          {2000, "button"},       {2999, "button"},         {18001, "toolwindow"},
                          {26001, "freeframe"},   {1000, nullptr},          {17001, nullptr}, {28001, nullptr},
                          {999, nullptr},         {30000, nullptr}};
    for (const Case& c : cases) {
        const vd::preview::PreviewKind* kind = FindPreviewKind(c.id);
        if (!c.tag) {
            EXPECT_EQ(kind, nullptr) << c.id;
        } else {
            ASSERT_NE(kind, nullptr) << c.id;
            EXPECT_STREQ(kind->tag, c.tag) << c.id;
        }
    }
}

TEST(PreviewKinds, SelectorsAreFoundIgnoringCaseAndFallBack) {
    const vd::preview::PreviewKind* button = FindPreviewKind(2001);
    ASSERT_NE(button, nullptr);
    const vd::preview::SelectorInfo* state = vd::preview::FindSelector(*button, "sTaTe");
    ASSERT_NE(state, nullptr);
    EXPECT_STREQ(state->caption, "State");
    EXPECT_EQ(vd::preview::FindSelector(*button, "Postion"), nullptr);
    EXPECT_EQ(vd::preview::FindSelector(*FindPreviewKind(3001), "State"), nullptr);

    vd::preview::SelectorValues values;
    EXPECT_EQ(vd::preview::SelectorValue(values, "State", 7), 7);
    values["State"] = 3;
    EXPECT_EQ(vd::preview::SelectorValue(values, "State", 7), 3);
}

TEST(RenderPreview, UsesTheKindsSizeOrTheOneAskedForAndRefusesWhatItCannotDraw) {
    CSkinDocument doc;
    SkinResStruct* frame = doc.NewItemOfType(3000);
    SkinResStruct* button = doc.NewItemOfType(2000);
    SkinResStruct* caption = doc.NewItemOfType(3500);
    ASSERT_TRUE(frame && button && caption);

    EXPECT_EQ(vd::preview::RenderPreview(doc, *frame, {}).size(), QSize(500, 350));
    EXPECT_EQ(vd::preview::RenderPreview(doc, *button, {}).size(), QSize(100, 30));
    EXPECT_EQ(vd::preview::RenderPreview(doc, *frame, {}, QSize(123, 77)).size(), QSize(123, 77));
    EXPECT_TRUE(vd::preview::RenderPreview(doc, *caption, {}).isNull());
    EXPECT_TRUE(vd::preview::RenderPreview(doc, *frame, {}, QSize(20000, 10)).isNull());
}

TEST(Checkerboard, CellsAreCountedFromTheRectanglesCorner) {
    QImage image(40, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    const QRect rect(5, 3, 30, 20);
    vd::preview::DrawCheckerboard(painter, rect);
    painter.end();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor expected = rect.contains(x, y) ? Checker(x - rect.left(), y - rect.top()) : QColor(Qt::black);
            ASSERT_EQ(At(image, x, y), expected) << x << "," << y;
        }
}

TEST(Checkerboard, APreviewReachingPastThePainterKeepsItsPatternAndDrawsOnlyWhatShows) {
    QImage image(40, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.translate(3, 2);
    painter.setClipRect(QRect(0, 0, 30, 20));
    // Starts 21 and 13 pixels up and left of what the clip lets through, and ends far beyond the image.
    const QRect rect(-21, -13, 100000, 100000);
    vd::preview::DrawCheckerboard(painter, rect);
    painter.end();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool inside = x >= 3 && x < 33 && y >= 2 && y < 22;
            const QColor expected = inside ? Checker(x - 3 - rect.left(), y - 2 - rect.top()) : QColor(Qt::black);
            ASSERT_EQ(At(image, x, y), expected) << x << "," << y;
        }
}

TEST(Checkerboard, AreasWiderAndTallerThanOneTileKeepThePatternAcrossTheSeams) {
    // Wider than two boards and offset from the painter's origin, then tall: the tiles join without a seam.
    for (const QSize size : {QSize(2100, 40), QSize(24, 2100)}) {
        QImage image(size + QSize(7, 5), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::black);
        QPainter painter(&image);
        const QRect rect(QPoint(7, 5), size);
        vd::preview::DrawCheckerboard(painter, rect);
        painter.end();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor expected =
                    rect.contains(x, y) ? Checker(x - rect.left(), y - rect.top()) : QColor(Qt::black);
                ASSERT_EQ(At(image, x, y), expected) << size.width() << "x" << size.height() << " at " << x << "," << y;
            }
    }
}

TEST(RenderPreview, RefusesSizesBeyondItsMemoryLimit) {
    CSkinDocument doc;
    SkinResStruct* frame = doc.NewItemOfType(3000);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(vd::preview::RenderPreview(doc, *frame, {}, QSize(16384, 8192)).isNull()) << "128 M pixels";
    EXPECT_TRUE(vd::preview::RenderPreview(doc, *frame, {}, QSize(16385, 10)).isNull());
    EXPECT_EQ(vd::preview::RenderPreview(doc, *frame, {}, QSize(16384, 16)).size(), QSize(16384, 16));
}

// Sizes from a hostile file neither overflow a layout nor make a preview larger than the limits.
TEST(RenderPreview, HostileSizesStayBounded) {
    CSkinDocument doc;
    auto* tool = static_cast<SkinToolWindow*>(doc.NewItemOfType(18000));
    auto* shape = static_cast<SkinFreeFrame*>(doc.NewItemOfType(26000));
    ASSERT_TRUE(tool && shape);
    tool->leftMargin = std::numeric_limits<int>::min();
    tool->rightMargin = std::numeric_limits<int>::max();
    tool->topMargin = std::numeric_limits<int>::max();
    tool->bottomMargin = std::numeric_limits<int>::min();
    EXPECT_EQ(vd::preview::RenderPreview(doc, *tool, {}).size(), QSize(300, 200));

    shape->activeBk = AddPicture(doc, "shape.png", Solid(8, 8, QColor(0, 255, 0)));
    shape->activeBk.left = std::numeric_limits<int>::min();
    shape->activeBk.right = std::numeric_limits<int>::max();
    shape->activeBk.bottom = 40;
    const vd::preview::PreviewKind* kind = FindPreviewKind(shape->ID);
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(kind->size(doc, *shape), QSize(vd::preview::kMaxPreviewSide, 40));
    EXPECT_FALSE(kind->Resizable(doc, *shape));
    EXPECT_EQ(vd::preview::RenderPreview(doc, *shape, {}).size(), QSize(vd::preview::kMaxPreviewSide, 40));
}

TEST(ImageRef, DrawsOnlyWhatNamesAPicture) {
    CSkinDocument doc;
    QImage target(20, 20, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::white);
    QPainter painter(&target);
    SkinImageBase none;
    EXPECT_FALSE(vd::preview::DrawImageRef(painter, target.rect(), none));
    SkinImageBase missing;
    missing.name = "gone.png";  // names a picture the skin does not hold
    EXPECT_FALSE(vd::preview::DrawImageRef(painter, target.rect(), missing));
    const SkinImageBase red = AddPicture(doc, "red.png", Solid(4, 4, QColor(200, 0, 0)));
    EXPECT_FALSE(vd::preview::DrawImageRef(painter, QRect(0, 0, 0, 5), red));
    EXPECT_TRUE(vd::preview::DrawImageRef(painter, QRect(2, 2, 8, 8), red));
    painter.end();
    EXPECT_EQ(At(target, 1, 1), QColor(Qt::white));
    EXPECT_EQ(At(target, 2, 2), QColor(200, 0, 0));
    EXPECT_EQ(At(target, 9, 9), QColor(200, 0, 0));
    EXPECT_EQ(At(target, 10, 10), QColor(Qt::white));
}

TEST(CaptionButtons, PlacedByTheirPlacementAgainstTheirNormalImage) {
    SkinSysButton b;
    b.images[0].left = 5, b.images[0].top = 6, b.images[0].right = 26, b.images[0].bottom = 27;  // 21 x 21
    // Anchored right, fixed width 21, 10 short of the right edge; vertically as the reference says.
    b.placement.horz.ignore = 0;
    b.placement.horz.alignType = 2;
    b.placement.horz.spaceType = 3;
    b.placement.horz.farOffset = 10;
    b.placement.horz.sizeValue = 21;
    b.placement.vert.ignore = 1;
    EXPECT_EQ(vd::preview::CaptionButtonRect(b, QRect(0, 0, 300, 40)), QRect(269, 6, 21, 21));
    // Inside a parent away from the origin the anchor follows the parent's right edge.
    EXPECT_EQ(vd::preview::CaptionButtonRect(b, QRect(100, 50, 160, 27)).left(), 100 + 160 - 10 - 21);
}

TEST(CaptionButtons, WithoutPicturesAWindowBoxWithA3DEdgeAndOnlyTheOwnersFilteredTypes) {
    CSkinDocument doc;
    const SystemEnvironment& env = doc.Env();
    auto* close = static_cast<SkinSysButton*>(doc.NewItemOfType(3500));
    auto* other = static_cast<SkinSysButton*>(doc.NewItemOfType(3500));
    auto* minClose = static_cast<SkinSysButton*>(doc.NewItemOfType(3500));
    ASSERT_TRUE(close && other && minClose);
    close->ownerFrameId = minClose->ownerFrameId = 3001;
    other->ownerFrameId = 3002;
    close->type = 0;
    minClose->type = 6;
    // Default placements ignore both axes: each button keeps its reference rectangle (0, 0, 20, 20).
    minClose->images[0].left = 30, minClose->images[0].right = 50;
    other->images[0].left = 60, other->images[0].right = 80;

    QImage target(100, 30, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::black);
    QPainter painter(&target);
    vd::preview::DrawCaptionButtons(painter, doc, 3001, target.rect(),
                                    [](int type) { return !vd::preview::IsMinimisedCaptionButton(type); });
    painter.end();
    const QColor window = vd::SysColor(COLOR_WINDOW, env);
    const QColor light = vd::SysColor(COLOR_BTNHIGHLIGHT, env);
    const QColor shadow = vd::SysColor(COLOR_BTNSHADOW, env);
    EXPECT_EQ(At(target, 10, 10), window);
    EXPECT_EQ(At(target, 0, 5), light);
    EXPECT_EQ(At(target, 19, 5), shadow);
    EXPECT_EQ(At(target, 5, 19), shadow);
    EXPECT_EQ(At(target, 40, 10), QColor(Qt::black)) << "a minimised-caption button is filtered out";
    EXPECT_EQ(At(target, 70, 10), QColor(Qt::black)) << "another owner's button is not drawn";
}
