// The MDI-client and dialog previews: the sample window drawn with the skin's first frame, the client's
// picture or colour in its sunken frame with the label and the minimised child, nothing of the window
// without a frame; the dialog's fills by draw type, its centred name, the "Dialog" caption with the icon and
// the raised stand-in for a frame without pictures. Pictures are solid colours, so each part's bounds can be
// read back as the box of its colour.

#include <gtest/gtest.h>

#include <QFontMetrics>

#include <cmath>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResClient.h"
#include "Resource/ResObjects/ResDialog.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "platform/LogFontQt.h"
#include "preview/PreviewCommon.h"
#include "preview/PreviewKind.h"

using namespace previewtest;
using vd::preview::RenderPreview;

namespace {

int Distance(QColor a, QColor b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

// The sample window sits 10 pixels inside the preview; the frame below gives it 4-pixel side and bottom
// borders, a 24-pixel caption and a 20-pixel menu bar.
constexpr int kMargin = 10, kSide = 4, kCaption = 24, kBottom = 4, kMenuBar = 20;
const QColor kLeft(200, 40, 40), kRight(40, 200, 40), kTop(40, 40, 200), kBottomColour(200, 200, 40);
const QColor kMenu(120, 60, 160), kMinCaption(0, 200, 200);

struct SampleFixture : ::testing::Test {
    CSkinDocument doc;

    QColor Sys(int index) const { return Q(doc.Env().SysColor(index)); }
    SkinImageBase Picture(const std::string& name, int w, int h, QColor colour) {
        return AddPicture(doc, name, Solid(w, h, colour));
    }
    // A frame whose borders, caption, menu bar and minimised caption all have solid pictures.
    SkinFrame& PicturedFrame() {
        auto& f = New<SkinFrame>(doc, 3000);
        f.activeLeft = Picture("L.png", kSide, 20, kLeft);
        f.activeRight = Picture("R.png", kSide, 20, kRight);
        f.activeTop = Picture("T.png", 30, kCaption, kTop);
        f.activeBottom = Picture("B.png", 30, kBottom, kBottomColour);
        f.menuBarBk = Picture("M.png", 30, kMenuBar, kMenu);
        f.menuBarHeight = kMenuBar;
        f.activeMinCaption = Picture("Min.png", 40, 30, kMinCaption);
        return f;
    }
};

// The client's preview opens at its stored 400 x 300: window (10, 10)-(390, 290), client area inside the
// borders, caption and menu bar.
constexpr int CW = 400, CH = 300;
const QRect kClientArea(kMargin + kSide, kMargin + kCaption + kMenuBar, CW - 2 * kMargin - 2 * kSide,
                        CH - 2 * kMargin - kCaption - kMenuBar - kBottom);

struct ClientFixture : SampleFixture {
    SkinClient& client = New<SkinClient>(doc, 19000);
    QImage Render() const { return RenderPreview(doc, client, {}, QSize()); }
};

using ClientPreview = ClientFixture;

TEST_F(ClientPreview, WithoutAFrameShowsTheGroundOnly) {
    client.backgroundColor = Color(10, 250, 10);
    const QImage image = Render();
    ASSERT_EQ(image.size(), QSize(CW, CH));
    // The common ground: the button face inside a one-pixel 3-D frame, and nothing of a sample window.
    const QRect inside(1, 1, CW - 2, CH - 2);
    EXPECT_EQ(Count(image, inside, Sys(COLOR_BTNFACE)), inside.width() * inside.height());
    EXPECT_EQ(At(image, 0, 0), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(image, CW - 1, CH - 1), Sys(COLOR_BTNSHADOW));
}

TEST_F(ClientPreview, DrawsTheFirstFramesBordersCaptionAndMenuBarAroundTheClient) {
    PicturedFrame();
    // A second frame is not the one the sample uses.
    auto& other = New<SkinFrame>(doc, 3000);
    other.activeLeft = Picture("Other.png", 9, 9, QColor(1, 2, 3));
    const QImage image = Render();
    SaveIfAsked(image, "client-sample");
    EXPECT_EQ(Ink(image, kLeft), QRect(kMargin, kMargin, kSide, CH - 2 * kMargin));
    EXPECT_EQ(Ink(image, kRight), QRect(CW - kMargin - kSide, kMargin, kSide, CH - 2 * kMargin));
    EXPECT_EQ(Ink(image, kBottomColour), QRect(kMargin + kSide, CH - kMargin - kBottom, CW - 2 * (kMargin + kSide), kBottom));
    EXPECT_EQ(Ink(image, kMenu), QRect(kMargin + kSide, kMargin + kCaption, CW - 2 * (kMargin + kSide), kMenuBar));
    EXPECT_EQ(Ink(image, kTop), QRect(kMargin + kSide, kMargin, CW - 2 * (kMargin + kSide), kCaption));
    EXPECT_EQ(Count(image, image.rect(), QColor(1, 2, 3)), 0);
    // No menu sample has a picture, so the bar shows no menus; and no MDI buttons without a maximised child.
    EXPECT_TRUE(InkOtherThan(image, kMenu, QRect(kMargin + kSide, kMargin + kCaption, CW - 2 * (kMargin + kSide), kMenuBar)).isEmpty());
}

TEST_F(ClientPreview, FillsTheClientWithItsColourOrPictureInASunkenFrame) {
    PicturedFrame();
    client.backgroundColor = Color(230, 210, 250);
    const QImage image = Render();
    const QColor colour = Q(client.backgroundColor);
    EXPECT_EQ(At(image, kClientArea.topLeft()), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(image, kClientArea.right() - 1, kClientArea.top()), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(image, kClientArea.bottomRight()), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(image, kClientArea.right(), kClientArea.top() + 5), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(image, kClientArea.right() - 1, kClientArea.top() + 1), colour);
    EXPECT_EQ(At(image, kClientArea.left() + 1, kClientArea.top() + 1), colour);

    const QColor pictureColour(250, 150, 20);
    client.background = Picture("Client.png", 16, 16, pictureColour);
    const QImage pictured = Render();
    EXPECT_EQ(Count(pictured, pictured.rect(), colour), 0);
    EXPECT_EQ(At(pictured, kClientArea.right() - 1, kClientArea.top() + 1), pictureColour);
    // The sunken frame is drawn over the picture too.
    EXPECT_EQ(At(pictured, kClientArea.topLeft()), Sys(COLOR_BTNSHADOW));
}

TEST_F(ClientPreview, LabelsTheClientAndShowsTheMinimisedChildInside) {
    PicturedFrame();
    client.backgroundColor = Color(230, 230, 230);
    const QImage image = Render();
    // "SkinMDIClient" centred in the client, in the window text colour (black here) of the default font.
    const QRect ink = DarkInk(image, kClientArea.adjusted(1, 1, -1, -60));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), kClientArea.center().x(), 3);
    EXPECT_NEAR(ink.center().y(), kClientArea.center().y(), 3);
    const int width = QFontMetrics(vd::ToQFont(LogFont{})).horizontalAdvance(QStringLiteral("SkinMDIClient"));
    EXPECT_NEAR(ink.width(), width, 3);
    // The child: 160 wide, as high as its 30-pixel caption picture, on the client's bottom-left inside the
    // frame's one-pixel edge, its caption "Corvalet1" drawn over the picture.
    const QRect child(kClientArea.left() + 1, kClientArea.bottom() - 30, 160, 30);
    EXPECT_EQ(Ink(image, kMinCaption), child);
    EXPECT_FALSE(DarkInk(image, child.adjusted(22, 0, -53, 0)).isEmpty());
}

// The dialog's preview opens at its stored 300 x 250: window (10, 10)-(290, 240), no menu bar.
constexpr int DW = 300, DH = 250;
const QRect kDialogClient(kMargin + kSide, kMargin + kCaption, DW - 2 * (kMargin + kSide),
                          DH - 2 * kMargin - kCaption - kBottom);

struct DialogFixture : SampleFixture {
    SkinDialog& dialog = New<SkinDialog>(doc, 24000);
    QImage Render() const { return RenderPreview(doc, dialog, {}, QSize()); }
};

using DialogPreview = DialogFixture;

TEST_F(DialogPreview, FillsTheClientByDrawType) {
    PicturedFrame();
    dialog.Caption = "";
    dialog.start = Color(250, 0, 0);
    dialog.end = Color(0, 0, 250);
    const QColor start = Q(dialog.start), end = Q(dialog.end);
    const QRect c = kDialogClient;
    const int tolerance = 250 / c.width() + 2;

    dialog.drawType = 0;  // GradientHorz
    QImage image = Render();
    SaveIfAsked(image, "dialog-gradient");
    EXPECT_EQ(At(image, c.left(), c.top()), start);
    EXPECT_EQ(At(image, c.left(), c.bottom()), start);
    EXPECT_LE(Distance(At(image, c.right(), c.center().y()), end), tolerance);
    EXPECT_LE(Distance(At(image, c.center().x(), c.top()), QColor(125, 0, 125)), tolerance);
    EXPECT_EQ(At(image, c.center().x(), c.top()), At(image, c.center().x(), c.bottom()));
    // A value the page does not offer ("Fastness" from a control bar's file, or garbage) fills like 0.
    for (int other : {3, -1, 1 << 30}) {
        dialog.drawType = other;
        EXPECT_EQ(Render(), image) << other;
    }

    dialog.drawType = 1;  // GradientVert
    image = Render();
    EXPECT_EQ(At(image, c.left(), c.top()), start);
    EXPECT_EQ(At(image, c.right(), c.top()), start);
    EXPECT_LE(Distance(At(image, c.center().x(), c.bottom()), end), 250 / c.height() + 2);
    EXPECT_EQ(At(image, c.left(), c.center().y()), At(image, c.right(), c.center().y()));

    dialog.drawType = 2;  // Recursive: the outer ring in the start colour, the next raised by the step
    dialog.step = 5;
    image = Render();
    EXPECT_EQ(At(image, c.topLeft()), start);
    EXPECT_EQ(At(image, c.bottomRight()), start);
    EXPECT_EQ(Count(image, image.rect(), end), 0);
    EXPECT_NE(At(image, c.center()), start);

    // A picture replaces every fill.
    const QColor pictureColour(20, 180, 90);
    dialog.background = Picture("Dlg.png", 8, 8, pictureColour);
    image = Render();
    EXPECT_EQ(Ink(image, pictureColour), c);
}

TEST_F(DialogPreview, CentresItsNameInTheDialogFont) {
    PicturedFrame();
    dialog.background = Picture("Light.png", 8, 8, QColor(240, 240, 240));
    dialog.Caption = "Settings";
    dialog.font.height = -20;
    const QImage image = Render();
    const QRect ink = DarkInk(image, kDialogClient);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), kDialogClient.center().x(), 3);
    EXPECT_NEAR(ink.center().y(), kDialogClient.center().y(), 4);
    EXPECT_NEAR(ink.width(), QFontMetrics(vd::ToQFont(dialog.font)).horizontalAdvance(QStringLiteral("Settings")), 3);
}

TEST_F(DialogPreview, CaptionsTheWindowDialogWithTheIconAndTheCloseButtonOnly) {
    SkinFrame& f = PicturedFrame();
    f.Caption = "A much longer frame caption than Dialog";
    f.drawIcon = 0;
    QImage image = Render();
    SaveIfAsked(image, "dialog-caption");
    const QRect captionBand(kMargin + kSide, kMargin, DW - 2 * (kMargin + kSide), kCaption);
    // The text is "Dialog", not the frame's own caption, centred between the borders.
    const QRect textArea(captionBand.left() + 40, captionBand.top(), captionBand.width() - 80, kCaption);
    const QRect text = InkOtherThan(image, kTop, textArea);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NEAR(text.width(), QFontMetrics(vd::ToQFont(f.captionFont)).horizontalAdvance(QStringLiteral("Dialog")), 3);
    EXPECT_NEAR(text.center().x(), captionBand.center().x(), 3);
    // The icon is shown although the frame's own setting hides it.
    const QImage icon = vd::preview::ApplicationIcon();
    const QColor iconEdge(32, 64, 128);
    EXPECT_EQ(Ink(image, iconEdge, captionBand),
              Ink(icon, iconEdge).translated(captionBand.left(), kMargin + (kCaption - 16) / 2));
    // Of the frame's caption buttons only the close button is drawn.
    auto& close = New<SkinSysButton>(doc, 3500);
    auto& help = New<SkinSysButton>(doc, 3500);
    close.ownerFrameId = help.ownerFrameId = f.ID;
    close.type = 0;
    help.type = 4;
    const QColor helpColour(250, 100, 200);
    help.images[0] = Picture("Help.png", 20, 20, helpColour);
    image = Render();
    EXPECT_EQ(Count(image, image.rect(), helpColour), 0);
    help.ownerFrameId = 0;
    EXPECT_EQ(Render(), image);
    close.ownerFrameId = 0;
    EXPECT_NE(Render(), image);
}

TEST_F(DialogPreview, FrameWithoutBorderPicturesGetsThePushButtonStandIn) {
    SkinFrame& f = PicturedFrame();
    const SkinImageBase left = f.activeLeft;
    f.activeLeft = SkinImageBase();
    dialog.Caption = "";
    const QImage image = Render();
    // The raised push-button edge around the whole window: highlight and 3-D light outside-in top-left,
    // dark shadow and shadow bottom-right.
    EXPECT_EQ(At(image, kMargin, 120), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(image, kMargin + 1, 120), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(image, DW - kMargin - 1, 120), kRight);  // the right border still has its picture
    EXPECT_EQ(At(image, 150, DH - kMargin - 1), kBottomColour);

    // With all four pictures there is no stand-in.
    f.activeLeft = left;
    const QImage pictured = Render();
    EXPECT_EQ(At(pictured, kMargin, 120), kLeft);
    EXPECT_EQ(At(pictured, kMargin + 1, 120), kLeft);
}

TEST_F(DialogPreview, WithoutAnyFrameShowsTheRaisedWindowAndTheBlueBand) {
    dialog.Caption = "";
    dialog.drawType = 1;
    dialog.start = dialog.end = Color(100, 110, 120);
    const QImage image = Render();
    SaveIfAsked(image, "dialog-noframe");
    EXPECT_EQ(At(image, kMargin, 120), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(image, kMargin + 1, 120), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(image, DW - kMargin - 1, 120), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(At(image, DW - kMargin - 2, 120), Sys(COLOR_BTNSHADOW));
    // The blue band in the stand-in caption of a 20-pixel border, the client fill below it.
    const QColor band(0, 86, 232);
    EXPECT_EQ(At(image, DW - kMargin - 5, kMargin + 3), band);
    EXPECT_EQ(At(image, 150, kMargin + 21), QColor(100, 110, 120));
    EXPECT_EQ(Ink(image, QColor(100, 110, 120)), QRect(kMargin + 20, kMargin + 20, DW - 2 * kMargin - 40, DH - 2 * kMargin - 40));
    // "Dialog" is still written in the band.
    EXPECT_FALSE(InkOtherThan(image, band, QRect(kMargin + 60, kMargin + 2, DW - 2 * kMargin - 120, 18)).isEmpty());
}

}  // namespace
