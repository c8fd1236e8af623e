// The frame preview: the stand-ins of a frame without pictures, the two draw modes, the minimised child
// window, where caption buttons land, the menu bar samples and MDI buttons, and the open popup menu.
// Pictures are solid colours, so each part's bounds can be read back as the box of its colour.

#include <gtest/gtest.h>

#include <QFontMetrics>

#include <limits>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "platform/LogFontQt.h"
#include "preview/FramePreview.h"
#include "preview/PreviewCommon.h"
#include "preview/PreviewKind.h"

using namespace previewtest;
using vd::preview::RenderPreview;

namespace {

constexpr int W = 500, H = 350;

struct FrameFixture : ::testing::Test {
    CSkinDocument doc;
    SkinFrame* frame = static_cast<SkinFrame*>(doc.NewItemOfType(3000));

    QColor Sys(int index) const { return Q(doc.Env().SysColor(index)); }
    SkinImageBase Picture(const std::string& name, int w, int h, QColor colour) {
        return AddPicture(doc, name, Solid(w, h, colour));
    }
    QImage Render() const { return RenderPreview(doc, *frame, {}, QSize(W, H)); }
};

// A new frame's image references name no picture, yet keep their 20 x 20 slice rectangles, which give
// every border 20 pixels and the menu bar its place at y = 20.
constexpr int kNewBorder = 20, kNewMenuBarHeight = 23;

}  // namespace

using FramePreviewNewFrame = FrameFixture;

TEST_F(FramePreviewNewFrame, IsARaisedWindowWithTheFallbackCaptionBand) {
    ASSERT_NE(frame, nullptr);
    const QImage image = Render();
    ASSERT_EQ(image.size(), QSize(W, H));
    // The classic raised edge: highlight and 3-D light outside-in on the top-left, dark shadow and
    // shadow on the bottom-right.
    EXPECT_EQ(At(image, 0, 200), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(image, 1, 200), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(image, W - 1, 200), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(At(image, W - 2, 200), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(image, 250, H - 1), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(At(image, 250, 0), Sys(COLOR_BTNHIGHLIGHT));

    // The band covers (2, 2) to (W - 2, 20), exclusive.
    const QColor band(0, 86, 232);
    EXPECT_EQ(Ink(image, band), QRect(QPoint(2, 2), QPoint(W - 3, kNewBorder - 1)));
    EXPECT_NE(At(image, 1, 10), band);
    EXPECT_NE(At(image, 100, kNewBorder), band);
}

TEST_F(FramePreviewNewFrame, ShowsItsNameAndIconInTheBand) {
    ASSERT_EQ(frame->Caption, "SkinFrameWnd1");
    const QImage image = Render();
    // The name is centred in the caption between the side borders (VertFit: x 20 to 480).
    const QRect textArea(40, 2, 420, kNewBorder - 2);
    const QRect ink = InkOtherThan(image, QColor(0, 86, 232), textArea);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), (kNewBorder + W - kNewBorder) / 2, 3);
    const int nameWidth = QFontMetrics(vd::ToQFont(frame->captionFont)).horizontalAdvance("SkinFrameWnd1");
    EXPECT_NEAR(ink.width(), nameWidth, 3);
    // The icon at the caption's left, vertically centred: its darkest colour sits where the icon has it.
    const QImage icon = vd::preview::ApplicationIcon();
    const QColor iconEdge(32, 64, 128);
    EXPECT_EQ(Ink(image, iconEdge, QRect(0, 0, W, kNewBorder)),
              Ink(icon, iconEdge).translated(kNewBorder, (kNewBorder - 16) / 2));
}

TEST_F(FramePreviewNewFrame, FillsTheClientAndOpensAButtonFacePopupAtTheFallbackPlace) {
    const QImage image = Render();
    const QColor face = Sys(COLOR_BTNFACE);
    EXPECT_EQ(At(image, 400, 250), face);
    // The popup: 180 wide, six 20-pixel rows plus the separator's 20, its 3-D edge starting at (10, 40).
    const QRect popup(10, 40, 180, 6 * 20 + 20);
    EXPECT_EQ(At(image, popup.topLeft()), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(image, popup.left(), popup.bottom() - 1), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(image, popup.topLeft() + QPoint(1, 1)), face);
    EXPECT_EQ(At(image, popup.bottomRight()), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(image, popup.right(), popup.top()), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(image, popup.left() + 1, popup.bottom()), Sys(COLOR_BTNSHADOW));
    EXPECT_NE(At(image, popup.left() - 1, popup.top() + 5), Sys(COLOR_3DLIGHT));
    EXPECT_NE(At(image, popup.left() + 5, popup.top() - 1), Sys(COLOR_3DLIGHT));
    // "New" is drawn in the first row, its shortcut at the row's right end.
    EXPECT_FALSE(DarkInk(image, QRect(12, 41, 60, 19)).isEmpty());
    EXPECT_FALSE(DarkInk(image, QRect(140, 41, 48, 19)).isEmpty());
}

TEST_F(FramePreviewNewFrame, ClientSpansTheBordersAndMenuBarInTheBackgroundColour) {
    frame->background = Color(30, 160, 90);
    const QImage image = Render();
    const QColor bg = Q(frame->background);
    const int left = kNewBorder, top = kNewBorder + kNewMenuBarHeight;
    const int right = W - kNewBorder, bottom = H - kNewBorder;  // exclusive
    EXPECT_EQ(At(image, right - 1, top), bg);
    EXPECT_NE(At(image, right, top), bg);
    EXPECT_NE(At(image, right - 1, top - 1), bg);
    EXPECT_EQ(At(image, right - 1, bottom - 1), bg);
    EXPECT_NE(At(image, right - 1, bottom), bg);
    EXPECT_EQ(At(image, left, 250), bg);
    EXPECT_NE(At(image, left - 1, 250), bg);

    // A background picture takes the colour's place.
    frame->backgroundImage = Picture("Client.png", 16, 16, QColor(250, 220, 10));
    const QImage pictured = Render();
    EXPECT_EQ(At(pictured, right - 1, top), QColor(250, 220, 10));
    EXPECT_EQ(Count(pictured, pictured.rect(), bg), 0);
}

using FramePreviewDrawMode = FrameFixture;

TEST_F(FramePreviewDrawMode, VertFitNarrowsCaptionAndBottomHorzFitShortensTheSides) {
    const QColor red(220, 0, 0), green(0, 200, 0), blue(0, 0, 230), yellow(240, 220, 0);
    // The margin members keep 5, 5, 20 and 5: the border sizes come from the pictures' slices.
    constexpr int lw = 6, rw = 7, th = 24, bh = 8;
    frame->activeLeft = Picture("Left.png", lw, 30, red);
    frame->activeRight = Picture("Right.png", rw, 30, green);
    frame->activeTop = Picture("Top.png", 40, th, blue);
    frame->activeBottom = Picture("Bottom.png", 40, bh, yellow);
    frame->drawIcon = 0;

    frame->defaultDraw = 1;
    QImage image = Render();
    EXPECT_EQ(Ink(image, red), QRect(0, 0, lw, H));
    EXPECT_EQ(Ink(image, green), QRect(W - rw, 0, rw, H));
    EXPECT_EQ(Ink(image, blue, QRect(0, 0, W, 2)), QRect(lw, 0, W - lw - rw, 2));
    EXPECT_EQ(Ink(image, yellow), QRect(lw, H - bh, W - lw - rw, bh));
    // Every border has a picture: no raised stand-in and no band.
    EXPECT_EQ(Count(image, image.rect(), QColor(0, 86, 232)), 0);

    frame->defaultDraw = 0;
    image = Render();
    EXPECT_EQ(Ink(image, red), QRect(0, th, lw, H - th - bh));
    EXPECT_EQ(Ink(image, green), QRect(W - rw, th, rw, H - th - bh));
    EXPECT_EQ(Ink(image, blue, QRect(0, 0, W, 2)), QRect(0, 0, W, 2));
    EXPECT_EQ(Ink(image, yellow), QRect(0, H - bh, W, bh));

    // Drawn later, caption and bottom would hide side borders that ran the full height; made of the
    // key colour they hide nothing, and the sides still stop at them.
    const QColor key(255, 0, 255);
    frame->activeTop = Picture("KeyTop.png", 40, th, key);
    frame->activeBottom = Picture("KeyBottom.png", 40, bh, key);
    image = Render();
    EXPECT_EQ(Ink(image, red), QRect(0, th, lw, H - th - bh));
    EXPECT_EQ(Ink(image, green), QRect(W - rw, th, rw, H - th - bh));
}

using FramePreviewMinimised = FrameFixture;

TEST_F(FramePreviewMinimised, ChildCaptionIsAtLeast27HighAtTheClientsBottomLeft) {
    const QColor cyan(0, 210, 210);
    const int clientLeft = kNewBorder, clientBottom = H - kNewBorder;
    for (int pictureHeight : {10, 27, 35}) {
        frame->activeMinCaption = Picture("Min" + std::to_string(pictureHeight) + ".png", 40, pictureHeight, cyan);
        const QImage image = Render();
        const int height = std::max(pictureHeight, 27);
        EXPECT_EQ(Ink(image, cyan), QRect(clientLeft, clientBottom - height, 160, height)) << pictureHeight;
        // The child-window icon 5 pixels in, vertically centred; the name between x + 22 and x + 107.
        const QImage icon = vd::preview::ChildWindowIcon();
        const QColor iconBlue(66, 133, 244);
        EXPECT_EQ(Ink(image, iconBlue, QRect(clientLeft, clientBottom - height, 20, height)),
                  Ink(icon, iconBlue).translated(clientLeft + 5, clientBottom - height + (height - 16) / 2))
            << pictureHeight;
        const QRect name = DarkInk(image, QRect(clientLeft + 20, clientBottom - height, 100, height));
        ASSERT_FALSE(name.isEmpty());
        EXPECT_GE(name.left(), clientLeft + 22);
        EXPECT_LT(name.right(), clientLeft + 107);
    }
}

using FramePreviewCaptionButtons = FrameFixture;

TEST_F(FramePreviewCaptionButtons, EachTypeLandsOnItsOwnWindow) {
    // Every button: 12 x 12, 5 pixels from its parent's right edge and 4 below its top.
    auto addButton = [&](int type, QColor colour, int owner) {
        auto* b = static_cast<SkinSysButton*>(doc.NewItemOfType(3500));
        b->type = type;
        b->ownerFrameId = owner;
        b->images[0] = Picture("Button" + std::to_string(type) + "_" + std::to_string(owner) + ".png", 12, 12, colour);
        b->placement.horz = {};
        b->placement.horz.ignore = 0, b->placement.horz.alignType = 2, b->placement.horz.spaceType = 1;
        b->placement.horz.farOffset = 5;
        b->placement.vert = {};
        b->placement.vert.ignore = 0, b->placement.vert.alignType = 0, b->placement.vert.spaceType = 0;
        b->placement.vert.nearOffset = 4;
    };
    const QColor close(250, 120, 0), minClose(120, 0, 200), custom(0, 120, 120), stranger(90, 60, 30);
    addButton(0, close, frame->ID);
    addButton(6, minClose, frame->ID);
    addButton(9, custom, frame->ID);
    addButton(0, stranger, frame->ID + 1);  // another frame's button

    const QRect main(W - 5 - 12, 4, 12, 12);
    const int childTop = H - kNewBorder - 27, childRight = kNewBorder + 160;
    const QRect child(childRight - 5 - 12, childTop + 4, 12, 12);

    const QImage image = Render();
    // Close and Custom share the main place; the later one in collection order is on top.
    EXPECT_EQ(Ink(image, custom), main);
    EXPECT_EQ(Count(image, image.rect(), close), 0);
    EXPECT_EQ(Ink(image, minClose), child);
    EXPECT_EQ(Count(image, image.rect(), stranger), 0);

    // Without the custom button the close button shows in the main rectangle, never on the child.
    doc.DeleteItem(doc.SysButtons().At(2)->ID);
    const QImage withoutCustom = Render();
    EXPECT_EQ(Ink(withoutCustom, close), main);
}

TEST_F(FramePreviewCaptionButtons, TypesOutsideTheKnownRangeAreNotDrawn) {
    auto* b = static_cast<SkinSysButton*>(doc.NewItemOfType(3500));
    b->type = 12;
    b->ownerFrameId = frame->ID;
    b->images[0] = Picture("Odd.png", 12, 12, QColor(250, 120, 0));
    b->placement.horz.ignore = b->placement.vert.ignore = 1;  // the slice rectangle's own place, (0, 0)
    EXPECT_EQ(Count(Render(), QRect(0, 0, W, H), QColor(250, 120, 0)), 0);
    b->type = 5;
    EXPECT_EQ(Ink(Render(), QColor(250, 120, 0)), QRect(0, 0, 12, 12));
}

using FramePreviewMenuBar = FrameFixture;

TEST_F(FramePreviewMenuBar, SamplesShowTheirFixedStatesAndTheFifthStateNever) {
    const QColor states[5] = {QColor(200, 0, 0), QColor(0, 180, 0), QColor(0, 0, 200), QColor(200, 200, 0),
                              QColor(0, 200, 200)};
    for (int i = 0; i < 5; ++i)
        frame->menuBarItemImages[i] = Picture("Item" + std::to_string(i) + ".png", 10, 10, states[i]);
    frame->menuBarItemSpace = 7;
    frame->menuBarItemHeight = 15;
    const QImage image = Render();
    // Item i: x from 20 + 7 + i * (7 + 50), 50 wide; y from 20 + (23 - 15) / 2, 15 high.
    const int expectedState[4] = {0, 1, 3, 2};  // File, Edit, View, Window
    for (int i = 0; i < 4; ++i) {
        const QRect item(kNewBorder + 7 + i * 57, kNewBorder + 4, 50, 15);
        EXPECT_EQ(Ink(image, states[expectedState[i]]), item) << "item " << i;
    }
    EXPECT_EQ(Count(image, image.rect(), states[4]), 0);
    // The popup hangs from "Edit": its 3-D light corner at the item's bottom-left.
    EXPECT_EQ(At(image, kNewBorder + 7 + 57, kNewBorder + 4 + 15), Sys(COLOR_3DLIGHT));
}

TEST_F(FramePreviewMenuBar, ItemsStartAfterTheMenuBarPicturesLeftCorner) {
    SkinImageBase bar = Picture("Bar.png", 40, 23, QColor(130, 130, 130));
    bar.leftWidth = 11, bar.rightWidth = 6;
    frame->menuBarBk = bar;
    frame->menuBarItemImages[0] = Picture("File.png", 10, 10, QColor(200, 0, 0));
    const QImage image = Render();
    EXPECT_EQ(Ink(image, QColor(200, 0, 0)), QRect(kNewBorder + 11 + 5, kNewBorder + 2, 50, 18));
    EXPECT_EQ(Ink(image, QColor(130, 130, 130), QRect(0, 0, W, 44)),
              QRect(kNewBorder, kNewBorder, W - 2 * kNewBorder, kNewMenuBarHeight));
}

TEST_F(FramePreviewMenuBar, WithoutAnEditPictureThePopupHangsAtTheFallbackPlace) {
    frame->menuBarItemImages[0] = Picture("File.png", 10, 10, QColor(200, 0, 0));
    frame->menuBarItemImages[3] = Picture("View.png", 10, 10, QColor(0, 0, 200));
    const QImage image = Render();
    EXPECT_FALSE(Ink(image, QColor(200, 0, 0)).isEmpty());
    EXPECT_EQ(At(image, 10, 40), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(image, 10, 60), Sys(COLOR_3DLIGHT));
    // Below where "Edit" would be, the popup shows its face, not an edge.
    EXPECT_EQ(At(image, kNewBorder + 5 + 55, 60), Sys(COLOR_BTNFACE));
}

TEST_F(FramePreviewMenuBar, MdiButtonsLineUpFromTheMenuBarsRightCorner) {
    SkinImageBase bar = Picture("Bar.png", 40, 23, QColor(130, 130, 130));
    bar.rightWidth = 6;
    frame->menuBarBk = bar;
    const QColor close(200, 0, 0), restore(0, 180, 0), minimise(0, 0, 200);
    frame->mdiClose[0] = Picture("Close.png", 16, 14, close);
    frame->mdiRestore[0] = Picture("Restore.png", 14, 11, restore);
    frame->mdiMin[0] = Picture("Min.png", 12, 10, minimise);
    frame->mdiClose[1] = Picture("ClosePressed.png", 16, 14, QColor(90, 90, 0));
    const QImage image = Render();
    // Menu bar x 20 to 480, y 20 to 43; close ends at 480 - 6, centred: top 20 + (23 - 14) / 2.
    const int top = kNewBorder + (kNewMenuBarHeight - 14) / 2;
    EXPECT_EQ(Ink(image, close), QRect(458, top, 16, 14));
    EXPECT_EQ(Ink(image, restore), QRect(458 - 2 - 14, top, 14, 14));
    EXPECT_EQ(Ink(image, minimise), QRect(442 - 12, top, 12, 14));
    EXPECT_EQ(Count(image, image.rect(), QColor(90, 90, 0)), 0);
}

using FramePreviewPopup = FrameFixture;

TEST_F(FramePreviewPopup, BarSeparatorAndHighlightFollowTheItemMargins) {
    SkinPopupMenu& m = frame->menu;
    const QColor back(250, 240, 200), vbar(120, 60, 0), sep(0, 90, 160), high(250, 150, 40);
    m.background = Picture("MenuBack.png", 20, 20, back);
    m.vbar = Picture("VBar.png", 5, 20, vbar);
    m.separator = Picture("Sep.png", 10, 4, sep);
    m.item = Picture("Hi.png", 10, 10, high);
    m.itemLeftWidth = 3, m.itemRightWidth = 2, m.itemTopHeight = 2, m.itemBottomHeight = 4;
    m.itemHeight = 18;
    m.text[0].leftOffset = 20;
    const QImage image = Render();

    const int left = 10, top = 40, height = 6 * 18 + 4 + 2 + 4;
    EXPECT_EQ(Ink(image, back), QRect(left, top, 180, height));
    EXPECT_EQ(Ink(image, vbar), QRect(left + 3, top + 2, 5, height - 2 - 4));
    // Rows: New, Open, Save, Save As, then the separator, indented by the normal text's left inset.
    EXPECT_EQ(Ink(image, sep), QRect(left + 3 + 20, top + 2 + 4 * 18, 180 - 3 - 2 - 20, 4));
    EXPECT_EQ(Ink(image, high), QRect(left + 3, top + 2 + 2 * 18, 180 - 3 - 2, 18));
}

TEST_F(FramePreviewPopup, SubMenuArrowFallsBackToAGlyphInTheNormalTextColour) {
    SkinPopupMenu& m = frame->menu;
    const QColor red(210, 0, 0);
    m.text[0].textColor = Color(210, 0, 0);
    // "Recent Files..." is the sixth row: after four 20-pixel rows and the 20-pixel separator.
    const QRect row(10, 40 + 5 * 20, 180, 20);
    const QRect arrowCell(row.right() - 12 + 1, row.top(), 12, row.height());
    QImage image = Render();
    const QRect glyph = Ink(image, red, arrowCell);
    ASSERT_FALSE(glyph.isEmpty());
    EXPECT_NEAR(glyph.center().y(), row.center().y(), 1);
    EXPECT_GT(glyph.height(), glyph.width());  // pointing right
    EXPECT_LE(glyph.right(), row.right());

    // With a picture the arrow is that picture, right-aligned and centred, and no glyph is drawn.
    const QColor arrow(0, 120, 0);
    m.arrow = Picture("Arrow.png", 8, 9, arrow);
    image = Render();
    EXPECT_EQ(Ink(image, arrow), QRect(row.right() + 1 - 8, row.top() + (20 - 9) / 2, 8, 9));
    EXPECT_EQ(Count(image, arrowCell, red), 0);
}

using FramePreviewCaption = FrameFixture;

TEST_F(FramePreviewCaption, IconFollowsTheOffsetOrSnapsToTheText) {
    const QImage icon = vd::preview::ApplicationIcon();
    const QColor iconEdge(32, 64, 128);
    const QRect iconInk = Ink(icon, iconEdge);
    const QRect captionBand(0, 0, W, kNewBorder);
    const int iconTop = (kNewBorder - 16) / 2;

    frame->iconLeftOffset = 7;
    EXPECT_EQ(Ink(Render(), iconEdge, captionBand), iconInk.translated(kNewBorder + 7, iconTop));

    // Snapped, the icon ends the offset before the centred name's left edge.
    frame->snapCaptionText = 1;
    const int nameWidth = QFontMetrics(vd::ToQFont(frame->captionFont)).horizontalAdvance("SkinFrameWnd1");
    const int captionWidth = W - 2 * kNewBorder;
    const int textLeft = kNewBorder + (captionWidth - nameWidth) / 2;
    EXPECT_EQ(Ink(Render(), iconEdge, captionBand), iconInk.translated(textLeft - 7 - 16, iconTop));

    frame->drawIcon = 0;
    EXPECT_EQ(Count(Render(), captionBand, iconEdge), 0);
}

TEST_F(FramePreviewCaption, NameIsDrawnOverTheCaptionPictureInTheActiveStyle) {
    frame->activeTop = Picture("Top.png", 40, 26, QColor(0, 0, 120));
    frame->captionActive.textColor = Color(255, 255, 0);
    frame->captionActive.horzAlign = 0;
    frame->captionActive.leftOffset = 30;
    frame->captionFont.quality = vd::NONANTIALIASED_QUALITY;
    frame->drawIcon = 0;
    const QImage image = Render();
    const QRect name = Ink(image, QColor(255, 255, 0));
    ASSERT_FALSE(name.isEmpty());
    // VertFit: the caption starts after the (pictureless, 20-pixel) left border; the style insets 30 more.
    EXPECT_GE(name.left(), kNewBorder + 30);
    EXPECT_LE(name.left(), kNewBorder + 32);
    EXPECT_LT(name.bottom(), 26);
    // The picture replaced the fallback band.
    EXPECT_EQ(Count(image, image.rect(), QColor(0, 86, 232)), 0);
}

using FramePreviewHostileValues = FrameFixture;

TEST_F(FramePreviewHostileValues, HugeSizesReachPastThePreviewInsteadOfWrappingAround) {
    // A caption as tall as the file says covers everything below it with the fallback band.
    frame->activeTop.top = std::numeric_limits<int>::min();
    frame->activeTop.bottom = std::numeric_limits<int>::max();
    frame->iconLeftOffset = std::numeric_limits<int>::min();
    frame->snapCaptionText = 1;
    frame->menuBarHeight = std::numeric_limits<int>::min();
    frame->menuBarItemSpace = std::numeric_limits<int>::max();
    QImage image = Render();
    EXPECT_EQ(Ink(image, QColor(0, 86, 232)), QRect(2, 2, W - 4, H - 2));

    // Rows as high as the file says run the popup past the preview's bottom edge.
    frame->activeTop = SkinImageBase();
    frame->iconLeftOffset = 0;
    frame->menuBarHeight = kNewMenuBarHeight;
    frame->menuBarItemSpace = 5;
    frame->menu.itemHeight = std::numeric_limits<int>::max();
    frame->menu.itemTopHeight = std::numeric_limits<int>::max();
    image = Render();
    EXPECT_EQ(At(image, 10, 40), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(image, 10, H - 1), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(image, 100, H - 1), Sys(COLOR_BTNFACE));
}
