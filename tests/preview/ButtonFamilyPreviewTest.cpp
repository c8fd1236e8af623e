// The button, tool-window, free-frame and static previews: which state picture a button shows, the
// standard push button without pictures, the tool window laid out by its margins in the skin's or the
// machine's colours with its caption buttons, the free frame cut by its own key colour and sized by its
// background, and the buttons and statics it owns at their placements.
// With VORNADESK_PREVIEW_PNG_DIR set, the rendered previews are also saved there for a look.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <stdexcept>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResFreeFrame.h"
#include "Resource/ResObjects/ResStatic.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/ResObjects/ResToolWindow.h"
#include "preview/ButtonPreview.h"
#include "preview/FreeFramePreview.h"
#include "preview/PreviewKind.h"
#include "preview/StaticPreview.h"

using namespace previewtest;
using vd::preview::RenderPreview;
using vd::preview::SelectorValues;

namespace {

// A placement of fixed size: anchored left/top at (near x, near y), or right when farX is given.
void Fixed(SkinPlacement& p, int x, int y, int w, int h, int farX = -1) {
    p.horz = {};
    p.vert = {};
    p.horz.alignType = farX >= 0 ? 2 : 0;
    p.horz.nearOffset = x;
    p.horz.farOffset = farX >= 0 ? farX : 0;
    p.vert.nearOffset = y;
    p.horz.spaceType = p.vert.spaceType = 3;
    p.horz.sizeValue = w;
    p.vert.sizeValue = h;
    p.horz.ignore = p.vert.ignore = 0;
}

// ---- buttons ----

// Each state's picture in its own colour; the button draws no text.
struct ButtonFixture {
    CSkinDocument doc;
    SkinButtonStruct* button = nullptr;
    std::array<QColor, 5> colours = {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200), QColor(200, 200, 0),
                                     QColor(0, 200, 200)};
    ButtonFixture() {
        button = &New<SkinButtonStruct>(doc, 2000);
        for (size_t i = 0; i < 5; ++i)
            button->images[i] = AddPicture(doc, "state" + std::to_string(i) + ".png", Solid(10, 10, colours[i]));
        button->drawText = 0;
    }
};

TEST(ButtonPreview, EachStateLabelDrawsItsOwnPicture) {
    ButtonFixture f;
    // The state entries are stored Normal, Pressed, Disabled, Highlighted, Default.
    const std::map<std::string, size_t> expected = {
        {"Normal", 0}, {"Pressed", 1}, {"Disabled", 2}, {"Highlighted", 3}, {"Default", 4}};
    const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(f.button->ID);
    ASSERT_NE(kind, nullptr);
    const vd::preview::SelectorInfo* state = vd::preview::FindSelector(*kind, "State");
    ASSERT_NE(state, nullptr);
    ASSERT_EQ(state->options.size(), expected.size());
    for (const vd::preview::SelectorOption& option : state->options) {
        const QImage image = RenderPreview(f.doc, *f.button, {{"State", option.value}});
        ASSERT_EQ(image.size(), QSize(100, 30));
        const QColor want = f.colours[expected.at(option.label)];
        EXPECT_EQ(Count(image, image.rect(), want), 100 * 30) << option.label;
    }
}

TEST(ButtonPreview, WithoutSelectorOrWithAnUnknownStateTheNormalPictureShows) {
    ButtonFixture f;
    EXPECT_EQ(At(RenderPreview(f.doc, *f.button, {}), 50, 15), f.colours[0]);
    EXPECT_EQ(At(RenderPreview(f.doc, *f.button, {{"State", 7}}), 50, 15), f.colours[0]);
    EXPECT_EQ(At(RenderPreview(f.doc, *f.button, {{"State", -1}}), 50, 15), f.colours[0]);
}

TEST(ButtonPreview, ANewButtonIsAStandardPushButtonWithItsNameInked) {
    CSkinDocument doc(OtherMachine());
    auto& button = New<SkinButtonStruct>(doc, 2000);
    ASSERT_EQ(button.Caption, "SkinButton1");
    const QImage image = RenderPreview(doc, button, {});
    SaveIfAsked(image, QStringLiteral("button-new"));
    const SystemEnvironment& env = doc.Env();
    // A raised button: light outer ring top-left, darkest shadow bottom-right, the face inside.
    EXPECT_EQ(At(image, 0, 0), Q(env.SysColor(COLOR_BTNHIGHLIGHT)));
    EXPECT_EQ(At(image, 99, 29), Q(env.SysColor(COLOR_3DDKSHADOW)));
    EXPECT_EQ(At(image, 4, 15), Q(env.SysColor(COLOR_BTNFACE)));
    // The name in black, centred in the button.
    const QRect ink = DarkInk(image, QRect(2, 2, 96, 26), 20);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 50, 3);
    EXPECT_NEAR(ink.center().y(), 15, 3);
    EXPECT_GT(ink.width(), 40) << "eleven characters of a 12-pixel font";

    // Pressed sinks: the dark ring moves to the top-left.
    const QImage pressed = RenderPreview(doc, button, {{"State", vd::preview::kStatePressed}});
    SaveIfAsked(pressed, QStringLiteral("button-new-pressed"));
    EXPECT_EQ(At(pressed, 0, 0), Q(env.SysColor(COLOR_3DDKSHADOW)));
    EXPECT_EQ(At(pressed, 99, 29), Q(env.SysColor(COLOR_BTNHIGHLIGHT)));
}

TEST(ButtonPreview, WithoutTheDrawTextFlagNoNameIsDrawn) {
    CSkinDocument doc(OtherMachine());
    auto& button = New<SkinButtonStruct>(doc, 2000);
    button.drawText = 0;
    const QImage image = RenderPreview(doc, button, {});
    EXPECT_EQ(Count(image, QRect(3, 3, 94, 24), Q(doc.Env().SysColor(COLOR_BTNFACE))), 94 * 24);
}

TEST(ButtonPreview, TheTextTakesTheStatesStyle) {
    ButtonFixture f;
    f.button->drawText = 1;
    f.button->styles[3].textColor = Color(255, 255, 255);
    f.button->styles[3].horzAlign = 0;  // left
    const QImage image = RenderPreview(f.doc, *f.button, {{"State", vd::preview::kStateHighlighted}});
    SaveIfAsked(image, QStringLiteral("button-highlighted"));
    QRect ink;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x)
            if (CountNear(image, QRect(x, y, 1, 1), QColor(255, 255, 255)) == 1) ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.left(), 3) << "left-aligned";
    EXPECT_LT(ink.center().x(), 45);
}

// ---- tool windows ----

struct ToolWindowFixture {
    explicit ToolWindowFixture(const SystemEnvironment& env = SystemEnvironment::Default()) : doc(env) {
        window = &New<SkinToolWindow>(doc, 18000);
        window->leftMargin = 7;
        window->rightMargin = 9;
        window->topMargin = 25;
        window->bottomMargin = 6;
        window->background = Color(1, 2, 3);
        window->Caption.clear();
    }
    void AddBorders() {
        // Pictures of another size than the margins: the margins decide.
        window->activeLeft = AddPicture(doc, "l.png", Solid(3, 3, left));
        window->activeRight = AddPicture(doc, "r.png", Solid(30, 3, right));
        window->activeTop = AddPicture(doc, "t.png", Solid(4, 4, top));
        window->activeBottom = AddPicture(doc, "b.png", Solid(2, 2, bottom));
    }
    CSkinDocument doc;
    SkinToolWindow* window = nullptr;
    QColor left{200, 0, 0}, right{0, 200, 0}, top{0, 0, 200}, bottom{200, 200, 0};
};

TEST(ToolWindowPreview, TheMarginsGiveTheLayout) {
    ToolWindowFixture f;
    f.AddBorders();
    const QImage image = RenderPreview(f.doc, *f.window, {});
    SaveIfAsked(image, QStringLiteral("toolwindow-borders"));
    ASSERT_EQ(image.size(), QSize(300, 200));
    const int W = 300, H = 200, L = 7, R = 9, T = 25, B = 6;
    // The caption spans the whole width, the bottom border too; the sides run between them.
    EXPECT_EQ(Count(image, QRect(0, 0, W, T), f.top), W * T);
    EXPECT_EQ(Count(image, QRect(0, H - B, W, B), f.bottom), W * B);
    EXPECT_EQ(Count(image, QRect(0, T, L, H - T - B), f.left), L * (H - T - B));
    EXPECT_EQ(Count(image, QRect(W - R, T, R, H - T - B), f.right), R * (H - T - B));
    // The client: the background colour, exactly between the borders.
    const QRect client(L, T, W - L - R, H - T - B);
    EXPECT_EQ(Count(image, client, QColor(1, 2, 3)), client.width() * client.height());
}

TEST(ToolWindowPreview, TheClientShowsItsBackgroundPicture) {
    ToolWindowFixture f;
    f.window->backgroundImage = AddPicture(f.doc, "bk.png", Solid(5, 5, QColor(10, 120, 30)));
    const QImage image = RenderPreview(f.doc, *f.window, {});
    EXPECT_EQ(Count(image, QRect(7, 25, 284, 169), QColor(10, 120, 30)), 284 * 169);
}

TEST(ToolWindowPreview, WithoutPicturesTheApplicationObjectsColoursFrameIt) {
    ToolWindowFixture f(OtherMachine());
    auto& app = New<SkinApp>(f.doc, 17000);
    ASSERT_EQ(app.ID, 17001);
    auto colour = [&](const char* key) -> Color& {
        for (size_t i = 0; i < kAppColorKeys.size(); ++i)
            if (std::string(kAppColorKeys[i].key) == key) return app.colors[i];
        throw std::runtime_error(key);
    };
    colour("CLR_BTNFACE") = Color(120, 10, 10);
    colour("CLR_BTNHIGHLIGHT") = Color(10, 120, 10);
    colour("CLR_BTNFSHADOW") = Color(10, 10, 120);
    const QImage image = RenderPreview(f.doc, *f.window, {});
    SaveIfAsked(image, QStringLiteral("toolwindow-app-colours"));
    EXPECT_EQ(At(image, 0, 0), QColor(10, 120, 10));
    EXPECT_EQ(At(image, 0, 100), QColor(10, 120, 10));
    EXPECT_EQ(At(image, 299, 199), QColor(10, 10, 120));
    EXPECT_EQ(At(image, 299, 0), QColor(10, 10, 120));
    EXPECT_EQ(At(image, 3, 100), QColor(120, 10, 10)) << "the left margin shows the face";
    EXPECT_EQ(At(image, 150, 10), QColor(120, 10, 10)) << "the caption without picture or name";
    EXPECT_EQ(At(image, 150, 100), QColor(1, 2, 3)) << "the client keeps the record's colour";
}

TEST(ToolWindowPreview, WithoutAnApplicationObjectTheMachinesColoursFrameIt) {
    ToolWindowFixture f(OtherMachine());
    const QImage image = RenderPreview(f.doc, *f.window, {});
    EXPECT_EQ(At(image, 0, 0), QColor(250, 240, 230));
    EXPECT_EQ(At(image, 299, 199), QColor(90, 80, 70));
    EXPECT_EQ(At(image, 3, 100), QColor(50, 60, 70));
}

TEST(ToolWindowPreview, TheNameIsDrawnInTheCaptionOnly) {
    ToolWindowFixture f;
    f.window->Caption = "MiniFrameWnd1";
    f.window->captionActive.textColor = Color(255, 255, 0);
    f.window->captionActive.horzAlign = 0;
    f.window->activeTop = AddPicture(f.doc, "t.png", Solid(4, 4, f.top));
    const QImage image = RenderPreview(f.doc, *f.window, {});
    SaveIfAsked(image, QStringLiteral("toolwindow-caption"));
    const QColor yellow(255, 255, 0);
    EXPECT_GT(CountNear(image, QRect(0, 0, 150, 25), yellow), 20);
    EXPECT_EQ(CountNear(image, QRect(150, 0, 150, 25), yellow), 0) << "left-aligned";
    EXPECT_EQ(CountNear(image, QRect(0, 25, 300, 175), yellow), 0);
}

// Caption buttons of every type on a tool window: all but the minimised-caption ones (6 to 8).
class ToolWindowCaptionButtons : public ::testing::TestWithParam<int> {};

TEST_P(ToolWindowCaptionButtons, DrawnUnlessOfTheMinimisedCaption) {
    const int type = GetParam();
    ToolWindowFixture f;
    auto& button = New<SkinSysButton>(f.doc, 3500);
    button.ownerFrameId = f.window->ID;
    button.type = type;
    button.images[0] = AddPicture(f.doc, "close.png", Solid(21, 16, QColor(230, 20, 20)));
    Fixed(button.placement, 0, 2, 21, 16, 10);
    // Another tool window's button at the same place is never drawn here.
    auto& other = New<SkinSysButton>(f.doc, 3500);
    other = button;
    other.ID = 3502;
    other.ownerFrameId = f.window->ID + 1;
    other.type = 0;
    other.images[0] = AddPicture(f.doc, "other.png", Solid(21, 16, QColor(20, 20, 230)));

    const QImage image = RenderPreview(f.doc, *f.window, {});
    // Anchored right, 10 from the right edge of a 300-wide window, 21 wide: x from 269; y from 2, 16 high.
    const QRect where(269, 2, 21, 16);
    const bool minimised = type >= 6 && type <= 8;
    EXPECT_EQ(Count(image, where, QColor(230, 20, 20)), minimised ? 0 : 21 * 16) << "type " << type;
    EXPECT_EQ(Count(image, image.rect(), QColor(20, 20, 230)), 0);
    if (type == 0) SaveIfAsked(image, QStringLiteral("toolwindow-close"));
}

INSTANTIATE_TEST_SUITE_P(AllTypes, ToolWindowCaptionButtons, ::testing::Range(0, 10));

// ---- free frames ----

// A 40 x 20 background: green on the left half, magenta on the right.
QImage GreenAndMagenta() {
    QImage picture = Solid(40, 20, QColor(0, 255, 0));
    QPainter(&picture).fillRect(QRect(20, 0, 20, 20), QColor(255, 0, 255));
    return picture;
}

class FreeFrameKey : public ::testing::TestWithParam<const char*> {};

TEST_P(FreeFrameKey, ItsOwnKeyColourIsCutAwayAndMagentaStays) {
    CSkinDocument doc;
    auto& frame = New<SkinFreeFrame>(doc, 26000);
    frame.activeBk = AddPicture(doc, std::string("shape.") + GetParam(), GreenAndMagenta(), GetParam());
    frame.transparentKey = Color(0, 255, 0);
    const QImage image = RenderPreview(doc, frame, {});
    SaveIfAsked(image, QStringLiteral("freeframe-green-key-") + GetParam());
    ASSERT_EQ(image.size(), QSize(40, 20));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const QColor want = x < 20 ? Checker(x, y) : QColor(255, 0, 255);
            ASSERT_EQ(At(image, x, y), want) << x << "," << y;
        }

    // With the default key it is the other way round.
    frame.transparentKey = Color(255, 0, 255);
    const QImage magentaKey = RenderPreview(doc, frame, {});
    EXPECT_EQ(At(magentaKey, 5, 5), QColor(0, 255, 0));
    EXPECT_EQ(At(magentaKey, 30, 5), Checker(30, 5));
}

INSTANTIATE_TEST_SUITE_P(PictureKinds, FreeFrameKey, ::testing::Values("PNG", "BMP"));

TEST(FreeFrameSize, TheBackgroundsSliceGivesTheSizeAndForbidsResizing) {
    CSkinDocument doc;
    auto& frame = New<SkinFreeFrame>(doc, 26000);
    frame.previewWidth = 150;
    frame.previewHeight = 90;
    EXPECT_EQ(vd::preview::FreeFramePreviewSize(doc, frame), QSize(150, 90)) << "no picture: the stored size";
    EXPECT_TRUE(vd::preview::FreeFrameResizable(doc, frame));

    frame.activeBk = AddPicture(doc, "shape.png", Solid(64, 48, QColor(9, 9, 9)));
    frame.activeBk.left = 4, frame.activeBk.top = 6, frame.activeBk.right = 60, frame.activeBk.bottom = 40;
    EXPECT_EQ(vd::preview::FreeFramePreviewSize(doc, frame), QSize(56, 34));
    EXPECT_FALSE(vd::preview::FreeFrameResizable(doc, frame));
    EXPECT_EQ(RenderPreview(doc, frame, {}).size(), QSize(56, 34));
    const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(frame.ID);
    ASSERT_NE(kind, nullptr);
    EXPECT_FALSE(kind->Resizable(doc, frame));

    // The inactive background never decides.
    frame.activeBk = SkinImageBase{};
    frame.inactiveBk = AddPicture(doc, "inactive.png", Solid(30, 30, QColor(9, 9, 9)));
    EXPECT_EQ(vd::preview::FreeFramePreviewSize(doc, frame), QSize(150, 90));
}

TEST(FreeFrameSize, AMissingPictureOrAnEmptySliceLeavesTheStoredSize) {
    CSkinDocument doc;
    auto& frame = New<SkinFreeFrame>(doc, 26000);
    frame.activeBk.name = "Gone.bmp";  // not in the document: nothing to show, nothing to size by
    EXPECT_EQ(vd::preview::FreeFramePreviewSize(doc, frame), QSize(200, 200));
    EXPECT_TRUE(vd::preview::FreeFrameResizable(doc, frame));

    frame.activeBk = AddPicture(doc, "shape.png", Solid(10, 10, QColor(9, 9, 9)));
    frame.activeBk.right = frame.activeBk.left;  // a slice without width would leave no window
    EXPECT_EQ(vd::preview::FreeFramePreviewSize(doc, frame), QSize(200, 200));
    EXPECT_TRUE(vd::preview::FreeFrameResizable(doc, frame));
}

TEST(FreeFrameOwned, ButtonsAndStaticsLandAtTheirPlacements) {
    CSkinDocument doc(OtherMachine());
    auto& frame = New<SkinFreeFrame>(doc, 26000);
    frame.previewWidth = 200;
    frame.previewHeight = 100;
    const SystemEnvironment& env = doc.Env();

    // A button with a picture, fixed at (30, 40), 20 x 10.
    auto& pictured = New<SkinButtonStruct>(doc, 2000);
    pictured.ownerFrameId = frame.ID;
    pictured.images[0] = AddPicture(doc, "btn.png", Solid(20, 10, QColor(0, 0, 230)));
    Fixed(pictured.placement, 30, 40, 20, 10);

    // A button without a picture, anchored right: 10 from the right edge, 30 wide; 10 from the top, 20 high.
    auto& plain = New<SkinButtonStruct>(doc, 2000);
    plain.ownerFrameId = frame.ID;
    Fixed(plain.placement, 0, 10, 30, 20, 10);

    // An opaque static without a name, fixed at (60, 50), 40 x 30.
    auto& text = New<SkinStatic>(doc, 23000);
    text.ownerFrameId = frame.ID;
    text.transparent = 0;
    text.Caption.clear();
    text.backgroundColors[0] = Color(5, 6, 7);
    text.backgroundColors[1] = Color(8, 9, 10);
    Fixed(text.placement, 60, 50, 40, 30);

    // Owned by something else: never drawn here.
    auto& stranger = New<SkinButtonStruct>(doc, 2000);
    stranger = pictured;
    stranger.ID = pictured.ID + 2;
    stranger.ownerFrameId = 3001;
    stranger.images[0] = AddPicture(doc, "stranger.png", Solid(20, 10, QColor(240, 100, 0)));

    const QImage image = RenderPreview(doc, frame, {});
    SaveIfAsked(image, QStringLiteral("freeframe-owned"));
    ASSERT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(Count(image, QRect(30, 40, 20, 10), QColor(0, 0, 230)), 200);
    EXPECT_EQ(Count(image, image.rect(), QColor(0, 0, 230)), 200) << "nowhere else";
    EXPECT_EQ(Count(image, image.rect(), QColor(240, 100, 0)), 0);

    const QRect box(160, 10, 30, 20);
    EXPECT_EQ(At(image, box.topLeft()), Q(env.SysColor(COLOR_BTNHIGHLIGHT)));
    EXPECT_EQ(At(image, box.bottomRight()), Q(env.SysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(Count(image, box.adjusted(1, 1, -1, -1), Q(env.SysColor(COLOR_WINDOW))), 28 * 18);

    EXPECT_EQ(Count(image, QRect(60, 50, 40, 30), QColor(5, 6, 7)), 40 * 30) << "the Normal state";
    EXPECT_EQ(Count(image, image.rect(), QColor(5, 6, 7)), 40 * 30);
    EXPECT_EQ(Count(image, image.rect(), QColor(8, 9, 10)), 0);
}

// ---- statics ----

TEST(StaticState, BackgroundOfTheStateUnlessTransparentThenTheNameInTheStatesStyle) {
    CSkinDocument doc;
    auto& item = New<SkinStatic>(doc, 23000);
    item.transparent = 0;
    item.backgroundColors = {Color(5, 6, 7), Color(8, 9, 10)};
    item.backgrounds[1] = AddPicture(doc, "dis.png", Solid(8, 8, QColor(70, 0, 70)));
    item.textStyles[0].textColor = Color(255, 255, 0);
    item.textStyles[1].textColor = Color(0, 255, 255);
    auto draw = [&](int state) {
        QImage image = Solid(120, 40, QColor(255, 255, 255));
        QPainter painter(&image);
        vd::preview::DrawStaticState(painter, doc, item, QRect(10, 5, 100, 30), state);
        return image;
    };
    const QImage normal = draw(0);
    EXPECT_EQ(At(normal, 10, 5), QColor(5, 6, 7));
    EXPECT_EQ(At(normal, 109, 34), QColor(5, 6, 7));
    EXPECT_EQ(At(normal, 9, 5), QColor(255, 255, 255)) << "nothing outside the rectangle";
    EXPECT_GT(CountNear(normal, normal.rect(), QColor(255, 255, 0)), 10) << "the name";
    EXPECT_EQ(CountNear(normal, normal.rect(), QColor(0, 255, 255)), 0);

    const QImage disabled = draw(1);
    EXPECT_EQ(At(disabled, 10, 5), QColor(70, 0, 70)) << "the state's picture wins over its colour";
    EXPECT_GT(CountNear(disabled, disabled.rect(), QColor(0, 255, 255)), 10);

    item.transparent = 1;
    const QImage transparent = draw(0);
    EXPECT_EQ(At(transparent, 10, 5), QColor(255, 255, 255));
    EXPECT_GT(CountNear(transparent, transparent.rect(), QColor(255, 255, 0)), 10);

    const QImage none = draw(2);
    EXPECT_EQ(Count(none, none.rect(), QColor(255, 255, 255)), 120 * 40) << "no such state";
}

}  // namespace
