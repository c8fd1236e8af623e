// The spin preview: the "State" selector's values are the record's own indices (Highlighted shows index 3,
// Disabled index 2), the buttons take their face pictures' sizes with the arrows centred on them, the
// machine's scroll arrows stand in for missing faces, and values the selector does not offer.
// With VORNADESK_PREVIEW_PNG_DIR set, the rendered previews are also saved there for a look.

#include <gtest/gtest.h>

#include <array>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResSpin.h"
#include "platform/FrameControls.h"
#include "preview/PreviewKind.h"

using namespace previewtest;
using vd::preview::RenderPreview;
using vd::preview::SelectorValues;

namespace {

// The area is the 300 x 100 preview shrunk by 20: x 20..279, y 20..79; the vertical spin starts 8 below
// the horizontal one.
constexpr int kLeft = 20, kTop = 20, kGap = 8;

enum { kLeftBtn, kLeftArrow, kRightBtn, kRightArrow, kUpBtn, kUpArrow, kDownBtn, kDownArrow };

struct SpinFixture {
    CSkinDocument doc{OtherMachine(Color(5, 10, 15))};
    SkinSpin* spin = &New<SkinSpin>(doc, 15000);

    std::array<SkinStateImageSet<4>*, 8> Sets() {
        return {&spin->leftBtn, &spin->leftArrow, &spin->rightBtn, &spin->rightArrow,
                &spin->upBtn,   &spin->upArrow,   &spin->downBtn,  &spin->downArrow};
    }
    // Each set its own hue, each state its own shade.
    static QColor Colour(int set, size_t state) { return QColor(20 + set * 28, 220 - int(state) * 50, 40 + int(state) * 60); }

    // Faces 24 x 14, arrows 6 x 4, in every state.
    void AddPictures() {
        const auto sets = Sets();
        for (int a = 0; a < 8; ++a)
            for (size_t s = 0; s < 4; ++s) {
                const bool arrow = a % 2 == 1;
                sets[size_t(a)]->images[s] = AddPicture(doc, "s" + std::to_string(a) + std::to_string(s) + ".png",
                                                        Solid(arrow ? 6 : 24, arrow ? 4 : 14, Colour(a, s)));
            }
    }

    QImage Render(int state) {
        const QImage image = RenderPreview(doc, *spin, SelectorValues{{"State", state}});
        EXPECT_EQ(image.size(), QSize(300, 100));
        return image;
    }
};

// Where the buttons of 24 x 14 faces go, and their 6 x 4 arrows.
const std::array<QRect, 4> kFaces = {QRect(kLeft, kTop, 24, 14), QRect(kLeft + 24, kTop, 24, 14),
                                     QRect(kLeft, kTop + 14 + kGap, 24, 14), QRect(kLeft, kTop + 28 + kGap, 24, 14)};
QRect ArrowOn(const QRect& face) { return QRect(face.left() + 9, face.top() + 5, 6, 4); }

TEST(SpinPreview, SelectorListsTheStatesWithTheRecordsIndices) {
    const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(15000);
    ASSERT_NE(kind, nullptr);
    EXPECT_STREQ(kind->tag, "spin");
    ASSERT_EQ(kind->selectors.size(), 1u);
    const auto& options = kind->selectors[0].options;
    ASSERT_EQ(options.size(), 4u);
    const std::array<std::pair<const char*, int>, 4> expected = {
        {{"Normal", 0}, {"Highlighted", 3}, {"Pressed", 1}, {"Disabled", 2}}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_STREQ(options[i].label, expected[i].first);
        EXPECT_EQ(options[i].value, expected[i].second);
    }
}

TEST(SpinPreview, HighlightedShowsIndexThreeAndDisabledIndexTwo) {
    SpinFixture f;
    f.AddPictures();
    // Selector value and the index it must show: the same numbers.
    for (int state : {0, 1, 2, 3}) {
        const QImage image = f.Render(state);
        SaveIfAsked(image, QStringLiteral("spin-state%1").arg(state));
        const size_t s = size_t(state);
        const std::array<int, 4> faces = {kLeftBtn, kRightBtn, kUpBtn, kDownBtn};
        for (size_t b = 0; b < 4; ++b) {
            const int face = faces[b], arrow = faces[b] + 1;
            const QRect a = ArrowOn(kFaces[b]);
            EXPECT_EQ(Count(image, a, SpinFixture::Colour(arrow, s)), 24) << state << "/" << b;
            EXPECT_EQ(Count(image, kFaces[b], SpinFixture::Colour(face, s)), 24 * 14 - 24) << state << "/" << b;
            for (size_t other = 0; other < 4; ++other)
                if (other != s) EXPECT_EQ(Count(image, image.rect(), SpinFixture::Colour(face, other)), 0);
        }
    }
}

// The machine's scroll arrow drawn alone on the preview's ground.
QImage SystemArrow(const SystemEnvironment& env, QSize size, uint32_t state) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Q(env.SysColor(COLOR_BTNFACE)));
    QPainter painter(&image);
    QRect rect(QPoint(0, 0), size);
    vd::DrawFrameControl(painter, rect, vd::DFC_SCROLL, state, env);
    return image;
}

TEST(SpinPreview, WithoutPicturesTheMachinesScrollArrowsStandIn) {
    SpinFixture f;
    SystemEnvironment env = f.doc.Env();
    const QSize arrow(env.cxHScroll, env.cyVScroll);  // 17 x 17
    const std::array<std::pair<int, uint32_t>, 4> states = {
        {{0, 0u}, {1, vd::DFCS_PUSHED}, {2, vd::DFCS_INACTIVE}, {3, vd::DFCS_HOT}}};
    for (const auto& [state, look] : states) {
        const QImage image = f.Render(state);
        SaveIfAsked(image, QStringLiteral("spin-system%1").arg(state));
        const std::array<std::pair<QPoint, uint32_t>, 4> buttons = {
            {{QPoint(kLeft, kTop), vd::DFCS_SCROLLLEFT},
             {QPoint(kLeft + 17, kTop), vd::DFCS_SCROLLRIGHT},
             {QPoint(kLeft, kTop + 17 + kGap), vd::DFCS_SCROLLUP},
             {QPoint(kLeft, kTop + 34 + kGap), vd::DFCS_SCROLLDOWN}}};
        for (const auto& [at, kind] : buttons)
            EXPECT_EQ(image.copy(QRect(at, arrow)),
                      SystemArrow(env, arrow, kind | look).convertToFormat(image.format()))
                << state << " at " << at.x() << "," << at.y();
        // Nothing right of the horizontal pair or below the vertical one.
        EXPECT_EQ(Count(image, QRect(kLeft + 34, kTop, 200, 17), Q(env.SysColor(COLOR_BTNFACE))), 200 * 17);
        EXPECT_EQ(Count(image, QRect(kLeft, kTop + 51 + kGap, 17, 79 - (kTop + 51 + kGap) + 1),
                        Q(env.SysColor(COLOR_BTNFACE))),
                  17 * (79 - (kTop + 51 + kGap) + 1));
    }
    // A face without picture still carries its arrow picture, centred on the 17 x 17 button.
    f.spin->upArrow.images[0] = AddPicture(f.doc, "up.png", Solid(5, 3, QColor(7, 77, 177)));
    EXPECT_EQ(Count(f.Render(0), QRect(kLeft + 6, kTop + 17 + kGap + 7, 5, 3), QColor(7, 77, 177)), 15);
}

TEST(SpinPreview, UnofferedStatesShowNormalAndHugeFacesStayInTheArea) {
    SpinFixture f;
    f.AddPictures();
    const QImage normal = f.Render(0);
    for (int v : {4, -1, 1 << 30}) EXPECT_EQ(f.Render(v), normal) << v;

    f.spin->leftBtn.images[0].right = 1 << 30;
    f.spin->leftBtn.images[0].bottom = 1 << 30;
    const QImage image = f.Render(0);
    // The area's frame of ground stays clear.
    const QColor face = Q(f.doc.Env().SysColor(COLOR_BTNFACE));
    EXPECT_EQ(Count(image, QRect(1, 1, 298, 18), face), 298 * 18);
    EXPECT_EQ(Count(image, QRect(1, 81, 298, 18), face), 298 * 18);
    EXPECT_EQ(Count(image, QRect(281, 1, 18, 98), face), 18 * 98);
}

}  // namespace
