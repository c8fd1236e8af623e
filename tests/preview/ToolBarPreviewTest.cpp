// The toolbar preview: the bar and its background, the slots of the nine sample commands as "TextAlign"
// lays them out, the state pictures in their slots, the gripper and separator, the drop-down parts and
// their arrows (pictures or glyphs in the five arrow colours), the raised and embossed icons, and records
// from hostile files.
// With VORNADESK_PREVIEW_PNG_DIR set, the rendered previews are also saved there for a look.

#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "preview/PreviewKind.h"
#include "preview/ToolBarPreview.h"
#include "preview/ToolBarSampleIcons.h"

using namespace previewtest;
using vd::preview::RenderPreview;
using vd::preview::ToolBarSampleIcons;

namespace {

// A machine whose button colours differ from every default and from each other.
SystemEnvironment Machine() {
    SystemEnvironment env = SystemEnvironment::Default();
    env.colors[COLOR_BTNFACE] = Color(150, 160, 170);
    env.colors[COLOR_BTNHIGHLIGHT] = Color(250, 240, 230);
    env.colors[COLOR_BTNSHADOW] = Color(90, 80, 70);
    return env;
}

// The layout the preview should follow, written out: the bar 10 pixels in, 30 high (50 with captions
// below), slots 14 wide (45 with captions beside, 30 below), each icon's x advancing by 16 + slot, a
// drop-down button by a further 17, an etched separator by slot + 4.
struct Expected {
    int barHeight;
    int slot;
    explicit Expected(int textAlign)
        : barHeight(textAlign == 2 ? 50 : 30), slot(textAlign == 2 ? 30 : textAlign == 1 ? 45 : 14) {}
    // The slot of the button whose icon x is x: x - slot/2 + 1 up to x + slot/2 + 15 (exclusive).
    QRect Slot(int x) const {
        return QRect(QPoint(x - slot / 2 + 1, 12), QPoint(x + slot / 2 + 14, 10 + barHeight - 3));
    }
    QRect Strip(int x) const {
        const QRect s = Slot(x);
        return QRect(s.right() + 1, s.top(), 15, s.height());
    }
    // Icon x of New, Open, Save, Cut, Copy, Paste, Print, Help, Help with an etched separator; the first at
    // firstX when a gripper moved it.
    std::array<int, 9> IconX(int firstX = -1) const {
        std::array<int, 9> xs{};
        int x = firstX >= 0 ? firstX : 10 + slot / 2;
        for (int i = 0; i < 9; ++i) {
            xs[static_cast<size_t>(i)] = x;
            x += i < 4 ? 16 + slot : 16 + slot + 17;
            if (i == 2) x += slot + 4;  // the separator after Save
        }
        return xs;
    }
};

struct ToolBarFixture {
    ToolBarFixture() : doc(Machine()) { tb = &New<SkinToolBar>(doc, 4000); }
    QImage Render(const char* tag) {
        const QImage image = RenderPreview(doc, *tb, {});
        SaveIfAsked(image, QString::fromLatin1(tag));
        return image;
    }
    SkinImageBase Picture(const std::string& name, int w, int h, QColor colour) {
        return AddPicture(doc, name, Solid(w, h, colour));
    }
    QColor Face() const { return Q(tb->backgroundColor); }

    CSkinDocument doc;
    SkinToolBar* tb = nullptr;
};

// True when the 16 x 16 area at `at` shows exactly the sample icon over `ground`.
bool ShowsIcon(const QImage& image, QPoint at, int icon, QColor ground) {
    const QImage art = ToolBarSampleIcons::Instance().Icon(icon);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb a = art.pixel(x, y);
            const QColor want = qAlpha(a) == 0 ? ground : QColor::fromRgb(a);
            if (image.pixelColor(at.x() + x, at.y() + y) != want) return false;
        }
    return true;
}

}  // namespace

TEST(ToolBarPreview, RegisteredAt450ByThePreviewHeightWithoutSelectors) {
    ToolBarFixture f;
    const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(f.tb->ID);
    ASSERT_NE(kind, nullptr);
    EXPECT_STREQ(kind->tag, "toolbar");
    EXPECT_TRUE(kind->selectors.empty());
    EXPECT_EQ(kind->size(f.doc, *f.tb), QSize(450, 80));
    f.tb->previewHeight = 123;
    f.tb->previewWidth = 999;
    EXPECT_EQ(kind->size(f.doc, *f.tb), QSize(450, 123));
    EXPECT_EQ(f.Render("toolbar-size").size(), QSize(450, 123));
}

TEST(ToolBarPreview, ANewToolBarPreviewsCompletelyWithoutAnyPicture) {
    ToolBarFixture f;
    EXPECT_EQ(f.tb->backgroundColor, Machine().SysColor(COLOR_BTNFACE));
    const QImage image = f.Render("toolbar-new");
    const QColor face = f.Face();
    // A 30-pixel bar 10 pixels inside the preview, in the background colour; the checkerboard around it.
    for (QPoint p : {QPoint(10, 10), QPoint(439, 10), QPoint(10, 39), QPoint(439, 39), QPoint(420, 25)})
        EXPECT_EQ(At(image, p), face) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(9, 20), QPoint(440, 20), QPoint(200, 9), QPoint(200, 40), QPoint(200, 79)})
        EXPECT_EQ(At(image, p), Checker(p.x(), p.y())) << p.x() << "," << p.y();
    // The plain Normal and Pressed icons as they are, centred (a 15-pixel icon in 30: 7 down).
    const Expected e(0);
    const auto xs = e.IconX();
    EXPECT_TRUE(ShowsIcon(image, {xs[0], 17}, ToolBarSampleIcons::New, face));
    EXPECT_TRUE(ShowsIcon(image, {xs[1], 17}, ToolBarSampleIcons::Open, face));
    EXPECT_TRUE(ShowsIcon(image, {xs[4], 17}, ToolBarSampleIcons::Copy, face));
    EXPECT_TRUE(ShowsIcon(image, {xs[5], 17}, ToolBarSampleIcons::Paste, face));
    EXPECT_TRUE(ShowsIcon(image, {xs[8], 17}, ToolBarSampleIcons::Help, face)) << "Floated draws the icon plainly";
    // No captions without "TextAlign".
    EXPECT_TRUE(DarkInk(image, QRect(10, 34, 430, 6), 40).isEmpty());
}

TEST(ToolBarPreview, OneEtchedSeparatorLineAfterSave) {
    ToolBarFixture f;
    const QImage image = f.Render("toolbar-etched");
    const SystemEnvironment& env = f.doc.Env();
    const int line = Expected(0).IconX()[2] + 16 + 14 + 1;  // one right of the x after Save
    for (int y = 14; y < 36; ++y) {  // 4 pixels inside the bar
        EXPECT_EQ(At(image, line, y), Q(env.SysColor(COLOR_BTNSHADOW))) << y;
        EXPECT_EQ(At(image, line + 1, y), Q(env.SysColor(COLOR_BTNHIGHLIGHT))) << y;
    }
    EXPECT_EQ(At(image, line, 13), f.Face());
    EXPECT_EQ(At(image, line, 36), f.Face());
    const QColor highlight = Q(env.SysColor(COLOR_BTNHIGHLIGHT));
    const auto xs = Expected(0).IconX();
    EXPECT_EQ(Count(image, image.rect(), highlight), 22 + Count(image, QRect(xs[3], 17, 17, 17), highlight) +
                                                         Count(image, QRect(xs[7], 17, 17, 17), highlight))
        << "one line, and the embossed Cut and Help icons";
}

TEST(ToolBarPreview, MarlettArrowsInTheFiveArrowColours) {
    ToolBarFixture f;
    const std::array<Color, 5> colours = {Color(255, 0, 0), Color(0, 255, 0), Color(0, 0, 255), Color(255, 0, 255),
                                          Color(0, 255, 255)};
    f.tb->arrowColors = colours;
    const QImage image = f.Render("toolbar-arrows");
    const Expected e(0);
    // The glyph at 9 points on a 96-dpi screen is 12 pixels; its triangle 7 wide and 4 high, rows of
    // 7, 5, 3 and 1 pixels, centred in a 12 x 12 cell centred in the strip.
    // Copy Normal, Paste Pressed, Print Highlighted, Help Disabled, Help Floated; the colours are stored
    // normal, press, disabled, hot, floated.
    const std::array<size_t, 5> state = {0, 1, 3, 2, 4};
    for (size_t b = 0; b < 5; ++b) {
        const size_t i = state[b];
        const QRect strip = e.Strip(e.IconX()[4 + b]);
        const QPoint cell((2 * strip.left() + strip.width() - 12) / 2, (2 * strip.top() + strip.height() - 12) / 2);
        const QPoint apex = cell + QPoint(2 + 3, 4 + 3);
        EXPECT_EQ(Count(image, image.rect(), Q(colours[i])), 16) << i;
        EXPECT_EQ(At(image, apex), Q(colours[i])) << i;
        EXPECT_EQ(Count(image, QRect(apex.x() - 3, apex.y() - 3, 7, 1), Q(colours[i])), 7) << i;
    }
}

TEST(ToolBarPreview, CaptionsBelowTheIconsMakeTheBar50High) {
    ToolBarFixture f;
    f.tb->textAlign = 2;
    const QImage image = f.Render("toolbar-textalign2");
    for (QPoint p : {QPoint(10, 10), QPoint(10, 59)}) EXPECT_EQ(At(image, p), f.Face()) << p.y();
    EXPECT_EQ(At(image, 10, 60), Checker(10, 60));
    const Expected e(2);
    const auto xs = e.IconX();
    // The icon 10 pixels above the centre of a 15-pixel icon in 50: (50 - 15) / 2 - 10 = 7 down.
    EXPECT_TRUE(ShowsIcon(image, {xs[0], 17}, ToolBarSampleIcons::New, f.Face()));
    // "New" in black, under the icon and centred in its slot.
    const QRect slot = e.Slot(xs[0]);
    const QRect ink = DarkInk(image, QRect(slot.left(), 17 + 16, slot.width(), 60 - 33), 40);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), 17 + 16 + 1);
    EXPECT_LE(ink.bottom(), 57);
    EXPECT_NEAR(ink.center().x(), slot.center().x(), 3);
}

TEST(ToolBarPreview, CaptionsBesideTheIconsWidenTheSlots) {
    ToolBarFixture f;
    f.tb->textAlign = 1;
    const QColor normal(200, 0, 0), press(0, 200, 0);
    f.tb->buttonImages[0] = f.Picture("n.png", 8, 8, normal);
    f.tb->buttonImages[1] = f.Picture("p.png", 8, 8, press);
    const QImage image = f.Render("toolbar-textalign1");
    const Expected e(1);
    const auto xs = e.IconX();
    const QRect newSlot = e.Slot(xs[0]), openSlot = e.Slot(xs[1]);
    ASSERT_EQ(newSlot.width(), 58);
    EXPECT_EQ(At(image, newSlot.topLeft()), normal);
    EXPECT_EQ(At(image, newSlot.bottomRight()), normal);
    EXPECT_EQ(At(image, newSlot.right() + 1, 12), f.Face());
    EXPECT_EQ(At(image, openSlot.topLeft()), press);
    EXPECT_EQ(At(image, openSlot.left() - 1, 12), f.Face());
    // The icon 12 pixels left of x, the caption right of it.
    EXPECT_TRUE(ShowsIcon(image, {xs[0] - 12, 17}, ToolBarSampleIcons::New, normal));
    const QRect ink = DarkInk(image, QRect(xs[0] + 4, 12, newSlot.right() - xs[0] - 3, 26), 40);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), xs[0] + 4);
}

TEST(ToolBarPreview, AGripperPictureMovesTheFirstButton) {
    ToolBarFixture f;
    const QColor grip(0, 0, 220), normal(200, 0, 0);
    f.tb->gripper = f.Picture("grip.png", 6, 3, grip);
    f.tb->buttonImages[0] = f.Picture("n.png", 8, 8, normal);
    const QImage image = f.Render("toolbar-gripper");
    // At 10 + slot / 2, its own width, 4 pixels inside the bar's top and bottom.
    const QRect gripper(17, 14, 6, 22);
    EXPECT_EQ(Count(image, gripper, grip), 6 * 22);
    EXPECT_EQ(Count(image, image.rect(), grip), 6 * 22);
    // The first button: the gripper's right edge + slot.
    const Expected e(0);
    const auto xs = e.IconX(17 + 6 + 14);
    EXPECT_TRUE(ShowsIcon(image, {xs[0], 17}, ToolBarSampleIcons::New, normal));
    EXPECT_EQ(At(image, e.Slot(xs[0]).topLeft()), normal);
    EXPECT_EQ(At(image, e.Slot(xs[0]).left() - 1, 12), f.Face());
    EXPECT_TRUE(ShowsIcon(image, {xs[1], 17}, ToolBarSampleIcons::Open, f.Face()));
}

TEST(ToolBarPreview, ATransparentBackgroundLeavesTheCheckerboard) {
    ToolBarFixture f;
    f.tb->transparentBk = 1;
    f.tb->background = f.Picture("bk.png", 5, 5, QColor(10, 200, 10));
    const QImage image = f.Render("toolbar-transparent");
    for (QPoint p : {QPoint(10, 10), QPoint(439, 39), QPoint(420, 25), QPoint(12, 36)})
        EXPECT_EQ(At(image, p), Checker(p.x(), p.y())) << p.x() << "," << p.y();
    EXPECT_EQ(Count(image, image.rect(), QColor(10, 200, 10)), 0);
    EXPECT_EQ(Count(image, image.rect(), f.Face()), 0);
}

TEST(ToolBarPreview, TheBackgroundPictureFillsTheBar) {
    ToolBarFixture f;
    const QColor bk(10, 200, 10);
    f.tb->background = f.Picture("bk.png", 5, 5, bk);
    const QImage image = f.Render("toolbar-background");
    for (QPoint p : {QPoint(10, 10), QPoint(439, 39), QPoint(420, 25)}) EXPECT_EQ(At(image, p), bk);
    EXPECT_EQ(Count(image, image.rect(), f.Face()), 0) << "the colour is only the fallback";
}

TEST(ToolBarPreview, StatePicturesLandInTheirSlots) {
    ToolBarFixture f;
    // Stored Normal, Press, Disabled, Highlighted, Selected.
    const std::array<QColor, 5> button = {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200),
                                          QColor(200, 200, 0), QColor(0, 200, 200)};
    const std::array<QColor, 5> left = {QColor(100, 0, 0), QColor(0, 100, 0), QColor(0, 0, 100),
                                        QColor(100, 100, 0), QColor(0, 100, 100)};
    const std::array<QColor, 5> right = {QColor(150, 50, 0), QColor(50, 150, 0), QColor(50, 0, 150),
                                         QColor(150, 150, 50), QColor(50, 150, 150)};
    for (size_t i = 0; i < 5; ++i) {
        const std::string n = std::to_string(i);
        f.tb->buttonImages[i] = f.Picture("b" + n + ".png", 4, 4, button[i]);
        f.tb->dropLeft[i] = f.Picture("l" + n + ".png", 4, 4, left[i]);
        f.tb->dropRight[i] = f.Picture("r" + n + ".png", 4, 4, right[i]);
    }
    const QImage image = f.Render("toolbar-states");
    const Expected e(0);
    const auto xs = e.IconX();
    // New Normal, Open Pressed, Save Highlighted (index 3), Cut Disabled (index 2).
    const std::array<size_t, 4> plain = {0, 1, 3, 2};
    for (size_t b = 0; b < 4; ++b) {
        const QRect slot = e.Slot(xs[b]);
        EXPECT_EQ(At(image, slot.topLeft()), button[plain[b]]) << b;
        EXPECT_EQ(At(image, slot.bottomRight()), button[plain[b]]) << b;
        EXPECT_EQ(At(image, slot.left() - 1, slot.top()), f.Face()) << b;
        EXPECT_EQ(At(image, slot.right() + 1, slot.top()), f.Face()) << b;
        EXPECT_EQ(At(image, slot.left(), slot.top() - 1), f.Face()) << b;
        EXPECT_EQ(At(image, slot.left(), slot.bottom() + 1), f.Face()) << b;
    }
    EXPECT_EQ(Count(image, image.rect(), button[4]), 0) << "no plain button is in the Selected state";
    // Copy Normal, Paste Pressed, Print Highlighted, Help Disabled, Help Floated: the parts by their index.
    const std::array<size_t, 5> drop = {0, 1, 3, 2, 4};
    for (size_t b = 0; b < 5; ++b) {
        const QRect slot = e.Slot(xs[4 + b]), strip = e.Strip(xs[4 + b]);
        EXPECT_EQ(At(image, slot.topLeft()), left[drop[b]]) << b;
        EXPECT_EQ(At(image, slot.bottomRight()), left[drop[b]]) << b;
        EXPECT_EQ(At(image, strip.topLeft()), right[drop[b]]) << b;
        EXPECT_EQ(At(image, strip.bottomRight()), right[drop[b]]) << b;
        EXPECT_EQ(At(image, strip.right() + 1, strip.top()), f.Face()) << b;
    }
}

TEST(ToolBarPreview, ArrowAndSeparatorPicturesAtTheirOwnSize) {
    ToolBarFixture f;
    const QColor arrow(250, 100, 0), sep(20, 20, 120), cut(0, 0, 200);
    f.tb->arrowColors = {Color(255, 0, 0), Color(0, 255, 0), Color(0, 0, 255), Color(255, 0, 255), Color(0, 255, 255)};
    f.tb->dropArrow[3] = f.Picture("arrow.png", 5, 3, arrow);  // Print, Highlighted
    f.tb->separator = f.Picture("sep.png", 4, 9, sep);
    f.tb->buttonImages[2] = f.Picture("cut.png", 4, 4, cut);
    const QImage image = f.Render("toolbar-pictures");
    const Expected e(0);
    const int afterSave = e.IconX()[2] + 16 + 14;
    // The separator from x + 1, its own width, 4 pixels inside the bar; Cut follows width + slot + 2 on.
    EXPECT_EQ(Count(image, QRect(afterSave + 1, 14, 4, 22), sep), 4 * 22);
    EXPECT_EQ(Count(image, image.rect(), sep), 4 * 22);
    const int cutX = afterSave + 4 + 14 + 2;
    EXPECT_EQ(At(image, e.Slot(cutX).topLeft()), cut);
    EXPECT_EQ(At(image, e.Slot(cutX).left() - 1, 12), f.Face());
    // No etched line without its fallback.
    EXPECT_EQ(Count(image, QRect(0, 0, cutX, 80), Q(f.doc.Env().SysColor(COLOR_BTNSHADOW))), 0);
    // The arrow picture centred in the strip of Print, which moved with Cut.
    const int printX = cutX + 30 + 2 * 47;  // after Cut and the drop-downs Copy and Paste
    const QRect strip = e.Strip(printX);
    const QRect at(strip.left() + (15 - 5) / 2, strip.top() + (strip.height() - 3) / 2, 5, 3);
    EXPECT_EQ(Count(image, at, arrow), 15);
    EXPECT_EQ(Count(image, image.rect(), arrow), 15);
    EXPECT_EQ(Count(image, image.rect(), QColor(255, 0, 255)), 0) << "no glyph where the picture is";
    EXPECT_EQ(Count(image, image.rect(), QColor(0, 255, 255)), 16) << "the others keep their glyphs";
}

TEST(ToolBarPreview, HighlightedIconRaisedDisabledIconEmbossed) {
    ToolBarFixture f;
    const QImage image = f.Render("toolbar-icons");
    const SystemEnvironment& env = f.doc.Env();
    const Expected e(0);
    const auto xs = e.IconX();
    const QColor face = f.Face();
    // Cut (Disabled): its mask in the button highlight one down and right, in the button shadow over it.
    const QImage cut = ToolBarSampleIcons::Instance().Icon(ToolBarSampleIcons::Cut);
    auto covered = [&](int x, int y) { return x >= 0 && y >= 0 && x < 16 && y < 16 && qAlpha(cut.pixel(x, y)) != 0; };
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 17; ++x) {
            const QColor want = covered(x, y)               ? Q(env.SysColor(COLOR_BTNSHADOW))
                                : covered(x - 1, y - 1) ? Q(env.SysColor(COLOR_BTNHIGHLIGHT))
                                                        : face;
            ASSERT_EQ(At(image, xs[3] + x, 17 + y), want) << x << "," << y;
        }
    // Save (Highlighted): the icon one up and left, over its silhouette one down and right in the face
    // colour darkened: (150, 160, 170) -> (150 * 0.7, 160 * 0.7, (170 + 55) * 0.7) rounded.
    const QColor shadow(105, 112, 158);
    const QImage save = ToolBarSampleIcons::Instance().Icon(ToolBarSampleIcons::Save);
    auto opaque = [&](int x, int y) { return x >= 0 && y >= 0 && x < 16 && y < 16 && qAlpha(save.pixel(x, y)) != 0; };
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x) {
            const QColor want = opaque(x, y)             ? QColor::fromRgb(save.pixel(x, y))
                                : opaque(x - 2, y - 2) ? shadow
                                                       : face;
            ASSERT_EQ(At(image, xs[2] - 1 + x, 16 + y), want) << x << "," << y;
        }
}

TEST(ToolBarPreview, HostileValuesDrawWithoutCrashing) {
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    for (const auto& [a, b] : {std::pair{kMin, kMax}, std::pair{kMax, kMin}, std::pair{1 << 30, -(1 << 30)}}) {
        ToolBarFixture f;
        const SkinImageBase picture = f.Picture("p.png", 4, 4, QColor(1, 2, 3));
        auto hostile = [&](SkinImageBase& image) {
            image = picture;
            image.left = a, image.top = a, image.right = b, image.bottom = b;
            image.leftWidth = a, image.topHeight = b, image.rightWidth = b, image.bottomHeight = a;
        };
        for (SkinImageBase* image : {&f.tb->background, &f.tb->gripper, &f.tb->separator})
            hostile(*image);
        for (size_t i = 0; i < 5; ++i) {
            hostile(f.tb->buttonImages[i]);
            hostile(f.tb->dropLeft[i]);
            hostile(f.tb->dropRight[i]);
            hostile(f.tb->dropArrow[i]);
            f.tb->buttonStyles[i].leftOffset = a;
            f.tb->buttonStyles[i].rightOffset = b;
        }
        f.tb->textAlign = a;
        f.tb->font.height = a;
        f.tb->previewHeight = b;
        // Beyond the preview limits the renderer declines; drawn into a small image it still draws.
        const QImage rendered = RenderPreview(f.doc, *f.tb, {});
        EXPECT_TRUE(rendered.isNull() || rendered.size() == QSize(450, b));
        QImage image(450, 80, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        vd::preview::DrawToolBarPreview(painter, {f.doc, *f.tb, {}, QSize(450, b)});
        painter.end();
        for (int align : {1, 2}) {
            f.tb->textAlign = align;
            EXPECT_FALSE(RenderPreview(f.doc, *f.tb, {}, QSize(450, 80)).isNull());
        }
    }
}
