// The combo-box, date-time, edit, hot-key, IP-address and list-box previews: which state picture each
// selector value shows (the four-state arrays stored normal, pressed, disabled, highlighted), the disabled
// frame of the combo box, the standard controls standing in for every missing picture, the IP address's dots
// in the skin's button-text colour, and the list box's bare checkerboard; hostile sizes and pictures.
// With VORNADESK_PREVIEW_PNG_DIR set, the rendered previews are also saved there for a look.

#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResComboBox.h"
#include "Resource/ResObjects/ResIPAddress.h"
#include "Resource/ResObjects/ResListBox.h"
#include "preview/PreviewCommon.h"
#include "preview/PreviewKind.h"

using namespace previewtest;
using vd::preview::RenderPreview;

namespace {

const QColor kWhite(255, 255, 255);

// Selector value -> the record's index of a four-state array.
constexpr std::array<size_t, 4> kFourStateEntry = {0, 1, 3, 2};

// ---- combo box and date-time picker ----

// The 200 x 50 preview: ground inset by 5, the control the top 22 pixels (x 5..194, y 5..26).
struct ComboFixture {
    explicit ComboFixture(int base = 9000, const SystemEnvironment& env = SystemEnvironment::Default()) : doc(env) {
        combo = &New<SkinComboBox>(doc, base);
    }
    // Buttons 16 x 22 and arrows 6 x 4 in their own colour per entry.
    void AddButtonsAndArrows() {
        for (size_t i = 0; i < 4; ++i) {
            combo->buttons[i] = AddPicture(doc, "btn" + std::to_string(i) + ".png", Solid(16, 22, buttons[i]));
            combo->arrows[i] = AddPicture(doc, "arr" + std::to_string(i) + ".png", Solid(6, 4, arrows[i]));
        }
    }
    QImage Render(int state) { return RenderPreview(doc, *combo, {{"State", state}}); }

    CSkinDocument doc;
    SkinComboBox* combo = nullptr;
    std::array<QColor, 4> buttons = {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200), QColor(200, 200, 0)};
    std::array<QColor, 4> arrows = {QColor(100, 0, 50), QColor(0, 100, 50), QColor(50, 0, 100), QColor(100, 100, 50)};
};

class ComboLikePreview : public ::testing::TestWithParam<int> {};

TEST_P(ComboLikePreview, EachStateShowsItsButtonAndArrowHighlightedBeingEntryThree) {
    ComboFixture f(GetParam());
    f.AddButtonsAndArrows();
    for (int state = 0; state < 4; ++state) {
        const QImage image = f.Render(state);
        ASSERT_EQ(image.size(), QSize(200, 50));
        const size_t entry = kFourStateEntry[static_cast<size_t>(state)];
        // The button at the control's right end at its own width: x 179..194, y 5..26.
        EXPECT_EQ(Count(image, QRect(179, 5, 16, 22), f.buttons[entry]), 16 * 22 - 6 * 4) << state;
        EXPECT_NE(At(image, 178, 15), f.buttons[entry]) << state;
        // The arrow centred on it at its own size: x 184..189, y 14..17.
        EXPECT_EQ(Count(image, QRect(184, 14, 6, 4), f.arrows[entry]), 6 * 4) << state;
    }
}

TEST_P(ComboLikePreview, TheDisabledStateFramesWithEdgeOneEveryOtherWithEdgeZero) {
    ComboFixture f(GetParam());
    const QColor normal(20, 120, 20), disabled(120, 20, 120);
    f.combo->edges[0] = AddPicture(f.doc, "e0.png", Solid(10, 10, normal));
    f.combo->edges[1] = AddPicture(f.doc, "e1.png", Solid(10, 10, disabled));
    for (int state = 0; state < 4; ++state) {
        const QImage image = f.Render(state);
        const QColor want = state == 3 ? disabled : normal;
        // The frame covers the control, clear of the name and the standard arrow button.
        EXPECT_EQ(At(image, 5, 5), want) << state;
        EXPECT_EQ(At(image, 20, 24), want) << state;
        EXPECT_EQ(At(image, 5, 26), want) << state;
        EXPECT_NE(At(image, 5, 27), want) << "the control is 22 pixels high";
        // The standard drop-down button is drawn first and covered by the frame.
        EXPECT_EQ(At(image, 185, 10), want) << state;
    }
}

TEST_P(ComboLikePreview, WithoutPicturesStandardControlsStandIn) {
    ComboFixture f(GetParam(), OtherMachine(Color(5, 6, 7)));
    const SystemEnvironment& env = f.doc.Env();
    const QImage normal = f.Render(0);
    SaveIfAsked(normal, QStringLiteral("combo-new"));
    // The ground: the machine's face framed in highlight and shadow.
    EXPECT_EQ(At(normal, 0, 0), Q(env.SysColor(COLOR_BTNHIGHLIGHT)));
    EXPECT_EQ(At(normal, 199, 49), Q(env.SysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(At(normal, 100, 40), Q(env.SysColor(COLOR_BTNFACE)));
    // A sunken two-pixel frame with a white inside, x 7..192 and y 7..24.
    for (QPoint p : {QPoint(5, 15), QPoint(6, 15), QPoint(100, 26)})
        EXPECT_NE(At(normal, p), kWhite) << p.x() << "," << p.y();
    EXPECT_EQ(At(normal, 7, 7), kWhite);
    EXPECT_EQ(At(normal, 20, 24), kWhite);
    // The drop-down button is SM_CXHSCROLL (17) wide at the field's right end: x 176..192.
    EXPECT_EQ(At(normal, 175, 15), kWhite);
    EXPECT_NE(At(normal, 176, 15), kWhite);
    EXPECT_EQ(At(normal, 184, 9), Q(env.SysColor(COLOR_BTNFACE))) << "a raised button face";
    EXPECT_GT(Count(normal, QRect(176, 7, 17, 18), Q(env.SysColor(COLOR_BTNTEXT))), 4) << "its arrow";
    EXPECT_EQ(Count(normal, QRect(0, 27, 200, 23), kWhite), 0) << "nothing below the control";

    // Pressed: the flat pushed look with its shadow ring; disabled: the arrow embossed, not inked.
    EXPECT_EQ(At(f.Render(1), 176, 7), Q(env.SysColor(COLOR_BTNSHADOW)));
    EXPECT_NE(At(normal, 176, 7), Q(env.SysColor(COLOR_BTNSHADOW)));
    const QImage disabled = f.Render(3);
    EXPECT_EQ(Count(disabled, QRect(176, 7, 17, 18), Q(env.SysColor(COLOR_BTNTEXT))), 0);
    EXPECT_GT(Count(disabled, QRect(176, 7, 17, 18), Q(env.SysColor(COLOR_BTNSHADOW))), 4);
}

TEST_P(ComboLikePreview, TheDropDownButtonTakesTheMachinesScrollBarWidth) {
    SystemEnvironment env = SystemEnvironment::Default();
    env.cxHScroll = 30;
    ComboFixture f(GetParam(), env);
    const QImage image = f.Render(0);
    // The field ends at x 192, so the button starts at 192 - 30 + 1.
    EXPECT_EQ(At(image, 162, 15), kWhite);
    EXPECT_NE(At(image, 163, 15), kWhite);
}

TEST_P(ComboLikePreview, TheStateNameIsCentredInTheControl) {
    ComboFixture f(GetParam());
    const QImage image = f.Render(2);
    // Between the frame's left side and the drop-down button.
    const QRect ink = DarkInk(image, QRect(8, 8, 165, 16), 40);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 100, 3);
    EXPECT_NEAR(ink.center().y(), 16, 3);
    EXPECT_GT(ink.width(), 45) << "\"Highlighted\" in a 12-pixel font";
    EXPECT_LT(ink.width(), 90);
}

INSTANTIATE_TEST_SUITE_P(ComboAndDatetime, ComboLikePreview, ::testing::Values(9000, 25000));

// ---- edit box, hot-key field and IP-address field ----

// 200 x 100 by default: the area inset by 5, the name in y 5..24, the field in y 25..44.
struct FieldFixture {
    explicit FieldFixture(int base, const SystemEnvironment& env = SystemEnvironment::Default()) : doc(env) {
        field = &New<SkinIPAddress>(doc, base);
    }
    QImage Render(int state, QSize size = QSize()) { return RenderPreview(doc, *field, {{"State", state}}, size); }

    CSkinDocument doc;
    SkinIPAddress* field = nullptr;
};

class EditLikePreview : public ::testing::TestWithParam<int> {};

TEST_P(EditLikePreview, EachStateShowsItsOwnEdgeInTheLowerHalf) {
    FieldFixture f(GetParam());
    const std::array<QColor, 3> colours = {QColor(200, 30, 30), QColor(30, 200, 30), QColor(30, 30, 200)};
    for (size_t i = 0; i < 3; ++i)
        f.field->edges[i] = AddPicture(f.doc, "edge" + std::to_string(i) + ".png", Solid(8, 8, colours[i]));
    for (int state = 0; state < 3; ++state) {
        const QImage image = f.Render(state);
        const QColor want = colours[static_cast<size_t>(state)];
        EXPECT_EQ(At(image, 5, 25), want) << state;
        EXPECT_EQ(At(image, 194, 44), want) << state;
        EXPECT_EQ(At(image, 20, 30), want) << state;
        EXPECT_NE(At(image, 20, 24), want) << "the upper half holds the name";
        EXPECT_NE(At(image, 20, 45), want) << "the area is 40 pixels high";
        EXPECT_NE(At(image, 4, 30), want) << "inset by 5";
    }
}

TEST_P(EditLikePreview, WithoutPicturesAWhiteSunkenFieldBelowTheName) {
    FieldFixture f(GetParam(), OtherMachine(Color(5, 6, 7)));
    const SystemEnvironment& env = f.doc.Env();
    const QImage image = f.Render(0);
    SaveIfAsked(image, QStringLiteral("edit-new-") + QString::number(GetParam()));
    EXPECT_EQ(image.size(), QSize(200, 100)) << "200 x the record's preview height";
    EXPECT_EQ(At(image, 0, 0), Q(env.SysColor(COLOR_BTNHIGHLIGHT)));
    EXPECT_EQ(At(image, 100, 70), Q(env.SysColor(COLOR_BTNFACE)));
    EXPECT_NE(At(image, 5, 30), kWhite);
    EXPECT_NE(At(image, 6, 30), kWhite);
    EXPECT_EQ(At(image, 7, 27), kWhite);
    EXPECT_EQ(At(image, 192, 42), kWhite);
    EXPECT_NE(At(image, 193, 42), kWhite);
    EXPECT_EQ(Count(image, QRect(0, 0, 200, 25), kWhite), 0);
}

TEST_P(EditLikePreview, TheStateNameIsCentredInTheUpperHalf) {
    FieldFixture f(GetParam());
    const QImage image = f.Render(2);
    const QRect ink = DarkInk(image, QRect(6, 6, 188, 18), 40);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 100, 3);
    EXPECT_NEAR(ink.center().y(), 15, 3);
    EXPECT_GT(ink.width(), 30) << "\"Disabled\"";
    EXPECT_TRUE(DarkInk(image, QRect(6, 45, 188, 50), 40).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EditHotKeyIP, EditLikePreview, ::testing::Values(29000, 11000, 10000));

// The IP address's dots sit at a quarter, a half and three quarters of the field, truncated: a field 201
// pixels wide (a 211-pixel preview) puts them 50, 100 and 150 pixels in, x 55, 105 and 155.
TEST(IPAddressPreview, ThreeDotsInTheMachinesButtonTextColour) {
    FieldFixture f(10000, OtherMachine(Color(5, 6, 7)));
    // The skin's own button-text colour colours the skinned program's buttons, not these dots.
    auto& app = New<SkinApp>(f.doc, 17000);
    ASSERT_EQ(app.ID, 17001);
    for (size_t i = 0; i < kAppColorKeys.size(); ++i)
        if (std::string(kAppColorKeys[i].key) == "CLR_BTNTXT") app.colors[i] = Color(210, 20, 120);
    const QColor dot = Q(f.doc.Env().SysColor(COLOR_BTNTEXT));
    ASSERT_EQ(dot, QColor(5, 6, 7));
    const QImage image = f.Render(0, QSize(211, 80));
    SaveIfAsked(image, QStringLiteral("ipaddress-dots"));
    // Vertically centred in the field y 25..44: rows 34 and 35.
    for (int x : {55, 105, 155}) {
        EXPECT_EQ(Count(image, QRect(x, 34, 2, 2), dot), 4) << x;
        EXPECT_EQ(At(image, x - 1, 34), kWhite) << x;
        EXPECT_EQ(At(image, x + 2, 35), kWhite) << x;
        EXPECT_EQ(At(image, x, 33), kWhite) << x;
        EXPECT_EQ(At(image, x, 36), kWhite) << x;
    }
    // Nothing else in the field has the dots' colour (the state name above may).
    EXPECT_EQ(Count(image, QRect(7, 27, 197, 16), dot), 12);
    EXPECT_EQ(Count(image, image.rect(), QColor(210, 20, 120)), 0);
}

TEST(IPAddressPreview, TheDotsAreDrawnOverTheEdgePicture) {
    FieldFixture f(10000);
    f.field->edges[1] = AddPicture(f.doc, "hot.png", Solid(8, 8, QColor(0, 90, 0)));
    const QImage image = f.Render(1);
    const QColor dot = Q(f.doc.Env().SysColor(COLOR_BTNTEXT));  // no application object: the machine's
    // Field 190 wide: 47, 95 and 142 pixels in.
    for (int x : {52, 100, 147}) EXPECT_EQ(Count(image, QRect(x, 34, 2, 2), dot), 4) << x;
    EXPECT_EQ(At(image, 60, 34), QColor(0, 90, 0));
}

TEST(EditPreview, HotKeyAndEditFieldsHaveNoDots) {
    for (int base : {29000, 11000}) {
        FieldFixture f(base);
        const QImage image = f.Render(0);
        EXPECT_EQ(At(image, 52, 34), kWhite) << base;
        EXPECT_EQ(At(image, 100, 35), kWhite) << base;
    }
}

// ---- list box ----

TEST(ListBoxPreview, OnlyTheCheckerboardAtTheRecordsSize) {
    CSkinDocument doc;
    auto& list = New<SkinListBox>(doc, 27000);
    list.background = AddPicture(doc, "bk.png", Solid(8, 8, QColor(10, 200, 10)));
    list.previewWidth = 130;
    list.previewHeight = 90;
    const QImage image = RenderPreview(doc, list, {});
    ASSERT_EQ(image.size(), QSize(130, 90));
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) differing += At(image, x, y) != Checker(x, y);
    EXPECT_EQ(differing, 0);
    const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(list.ID);
    ASSERT_NE(kind, nullptr);
    EXPECT_TRUE(kind->selectors.empty());
}

// ---- every kind ----

TEST(EditControlPreviews, RegisteredWithTheirTagsSizesAndSelectors) {
    struct Expected {
        int base;
        const char* tag;
        QSize size;
        size_t states;
    };
    // New objects store 500 x 100 (list boxes 200 x 250).
    const Expected kinds[] = {{9000, "combobox", {200, 50}, 4},   {10000, "ipaddress", {200, 100}, 3},
                              {11000, "hotkey", {200, 100}, 3},   {29000, "edit", {200, 100}, 3},
                              {25000, "datetime", {200, 50}, 4},  {27000, "listbox", {200, 250}, 0}};
    CSkinDocument doc;
    for (const Expected& e : kinds) {
        SkinResStruct* r = doc.NewItemOfType(e.base);
        ASSERT_NE(r, nullptr) << e.tag;
        const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(r->ID);
        ASSERT_NE(kind, nullptr) << e.tag;
        EXPECT_EQ(kind->typeBase, e.base);
        EXPECT_STREQ(kind->tag, e.tag);
        EXPECT_EQ(kind->size(doc, *r), e.size) << e.tag;
        const vd::preview::SelectorInfo* state = vd::preview::FindSelector(*kind, "State");
        EXPECT_EQ(state ? state->options.size() : 0u, e.states) << e.tag;
    }
}

// A fresh object of every kind with ground previews completely: not the bare checkerboard, the ground and
// the white field of the standard controls present.
TEST(EditControlPreviews, EveryKindPreviewsCompletelyWithoutAnyPicture) {
    CSkinDocument doc;
    const QColor face = Q(doc.Env().SysColor(COLOR_BTNFACE));
    for (int base : {9000, 10000, 11000, 29000, 25000}) {
        SkinResStruct* r = doc.NewItemOfType(base);
        ASSERT_NE(r, nullptr);
        for (int state = 0; state < 4; ++state) {
            const QImage image = RenderPreview(doc, *r, {{"State", state}});
            ASSERT_FALSE(image.isNull()) << base;
            SaveIfAsked(image, QStringLiteral("bare-%1-%2").arg(base).arg(state));
            EXPECT_EQ(At(image, 100, image.height() - 3), face) << base << " " << state;
            EXPECT_GT(Count(image, image.rect(), kWhite), 150 * 10) << base << " " << state;
        }
    }
}

// Pictures whose slices are inverted, empty or enormous, records whose preview sizes are the extremes of an
// int, and preview areas too small for the controls: every preview still draws, quickly, at its size.
TEST(EditControlPreviews, HostileSizesAndSlicesStillDraw) {
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    CSkinDocument doc;
    const SkinImageBase art = AddPicture(doc, "art.png", Solid(16, 16, QColor(40, 120, 200)));
    auto hostile = [&](int a, int b) {
        SkinImageBase image = art;
        image.left = a, image.top = a, image.right = b, image.bottom = b;
        image.leftWidth = a, image.topHeight = b, image.rightWidth = b, image.bottomHeight = a;
        return image;
    };
    auto& combo = New<SkinComboBox>(doc, 9000);
    auto& ip = New<SkinIPAddress>(doc, 10000);
    auto& list = New<SkinListBox>(doc, 27000);
    struct Case {
        int a, b;
    };
    // The stored sizes are the file's; a size no image can have is refused by the renderer, never drawn.
    const Case cases[] = {{kMin, kMax}, {kMax, kMin}, {-1, 5}, {0, kMax}, {3, 7}};
    for (const auto& [a, b] : cases) {
        for (auto& e : combo.edges) e = hostile(a, b);
        for (auto& e : combo.buttons) e = hostile(a, b);
        for (auto& e : combo.arrows) e = hostile(b, a);
        for (auto& e : ip.edges) e = hostile(a, b);
        ip.previewHeight = a;
        list.previewWidth = a;
        list.previewHeight = b;
        const vd::preview::PreviewKind* ipKind = vd::preview::FindPreviewKind(ip.ID);
        const vd::preview::PreviewKind* listKind = vd::preview::FindPreviewKind(list.ID);
        ASSERT_TRUE(ipKind && listKind);
        const QSize ipSize = ipKind->size(doc, ip), listSize = listKind->size(doc, list);
        EXPECT_EQ(ipSize, QSize(200, a)) << a;
        EXPECT_EQ(listSize, QSize(a, b)) << a;
        for (int state = 0; state < 4; ++state) {
            EXPECT_EQ(RenderPreview(doc, combo, {{"State", state}}).size(), QSize(200, 50));
            const QImage own = RenderPreview(doc, ip, {{"State", state}});
            EXPECT_EQ(own.isNull(), !vd::preview::FitsPreviewLimits(ipSize)) << a;
            if (!own.isNull()) {
                EXPECT_EQ(own.size(), ipSize);
            }
            for (QSize tiny : {QSize(1, 1), QSize(12, 12), QSize(200, 8), QSize(9, 300)}) {
                EXPECT_EQ(RenderPreview(doc, combo, {{"State", state}}, tiny).size(), tiny);
                EXPECT_EQ(RenderPreview(doc, ip, {{"State", state}}, tiny).size(), tiny);
            }
        }
        // The list box draws nothing (see ListBoxPreview.OnlyTheCheckerboardAtTheRecordsSize): only its size
        // is checked here.
    }
}

}  // namespace
