// The check-box and radio-box previews: the four state rows of the chosen mark, each 10 pixels below the
// bottom of the one before, with the system check box or radio button (in the mark's and the row's look)
// wherever a state has no picture, each state's picture in its own row (the highlighted row showing the
// record's index 3), the captions in the state's text style only when "ShowText" is set, and selector
// values the kind does not offer.
// With VORNADESK_PREVIEW_PNG_DIR set, the rendered previews are also saved there for a look.

#include <gtest/gtest.h>

#include <array>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResCheckBox.h"
#include "platform/FrameControls.h"
#include "preview/PreviewKind.h"

using namespace previewtest;
using vd::preview::RenderPreview;
using vd::preview::SelectorValues;

namespace {

// The layout worked out by hand: rows start at (10, 10); a row is as high as its mark, the next starts 10
// below it; the caption box starts 2 pixels right of the mark.
constexpr int kLeft = 10, kTop = 10, kGap = 10, kSystem = 14;
// Rows in the order normal, pressed, highlighted, disabled, and the record index each one shows.
constexpr std::array<size_t, 4> kRowState = {0, 1, 3, 2};

// The 14 x 14 system control drawn alone on the preview's ground.
QImage SystemControl(const SystemEnvironment& env, uint32_t state) {
    QImage image(kSystem, kSystem, QImage::Format_ARGB32_Premultiplied);
    image.fill(Q(env.SysColor(COLOR_BTNFACE)));
    QPainter painter(&image);
    QRect rect(0, 0, kSystem, kSystem);
    vd::DrawFrameControl(painter, rect, vd::DFC_BUTTON, state, env);
    return image;
}

bool SameRegion(const QImage& image, QPoint at, const QImage& expected) {
    return image.copy(QRect(at, expected.size())) == expected.convertToFormat(image.format());
}

struct CheckFixture {
    CSkinDocument doc{OtherMachine(Color(5, 10, 15))};
    SkinCheckBox* box = &New<SkinCheckBox>(doc, 12000);
    SkinRadioBox* radio = &New<SkinRadioBox>(doc, 13000);

    QImage Render(const SkinResStruct& r, int mark) {
        const QImage image = RenderPreview(doc, r, SelectorValues{{"State", mark}});
        EXPECT_EQ(image.size(), QSize(200, 150));
        return image;
    }
};

// ---- without pictures ----

TEST(CheckMarkPreview, CheckBoxWithoutPicturesDrawsSystemControlsInAllFourRows) {
    CheckFixture f;
    f.box->showText = 0;
    const SystemEnvironment& env = f.doc.Env();
    // Per mark its own look; per row the pressed, hot and inactive looks.
    const std::array<uint32_t, 3> markLook = {0, vd::DFCS_CHECKED,
                                              vd::DFCS_CHECKED | vd::DFCS_INACTIVE | vd::DFCS_BUTTON3STATE};
    const std::array<uint32_t, 4> rowLook = {0, vd::DFCS_PUSHED, vd::DFCS_HOT, vd::DFCS_INACTIVE};
    for (int mark = 0; mark < 3; ++mark) {
        const QImage image = f.Render(*f.box, mark);
        SaveIfAsked(image, QStringLiteral("checkbox-system-%1").arg(mark));
        for (int row = 0; row < 4; ++row) {
            const int top = kTop + row * (kSystem + kGap);
            EXPECT_TRUE(SameRegion(image, QPoint(kLeft, top),
                                   SystemControl(env, vd::DFCS_BUTTONCHECK | markLook[size_t(mark)] | rowLook[size_t(row)])))
                << "mark " << mark << " row " << row;
            // Between the rows only the ground.
            EXPECT_EQ(Count(image, QRect(kLeft, top + kSystem, kSystem, kGap), Q(env.SysColor(COLOR_BTNFACE))),
                      kSystem * kGap)
                << "mark " << mark << " row " << row;
        }
    }
    // The three marks look different from each other.
    EXPECT_NE(f.Render(*f.box, 0), f.Render(*f.box, 1));
    EXPECT_NE(f.Render(*f.box, 1), f.Render(*f.box, 2));
}

TEST(CheckMarkPreview, RadioBoxWithoutPicturesDrawsSystemRadioButtons) {
    CheckFixture f;
    f.radio->showText = 0;
    const SystemEnvironment& env = f.doc.Env();
    const std::array<uint32_t, 4> rowLook = {0, vd::DFCS_PUSHED, vd::DFCS_HOT, vd::DFCS_INACTIVE};
    for (int mark = 0; mark < 2; ++mark) {
        const QImage image = f.Render(*f.radio, mark);
        SaveIfAsked(image, QStringLiteral("radiobox-system-%1").arg(mark));
        for (int row = 0; row < 4; ++row)
            EXPECT_TRUE(SameRegion(image, QPoint(kLeft, kTop + row * (kSystem + kGap)),
                                   SystemControl(env, vd::DFCS_BUTTONRADIO | (mark ? vd::DFCS_CHECKED : 0u) |
                                                          rowLook[size_t(row)])))
                << "mark " << mark << " row " << row;
    }
}

// ---- pictures ----

// Pictures of different sizes, one colour per mark and state.
QColor MarkColour(int mark, size_t state) { return QColor(30 + mark * 60, 40 + int(state) * 50, 200 - int(state) * 30); }
constexpr std::array<QSize, 4> kSizes = {QSize(20, 16), QSize(12, 30), QSize(16, 16), QSize(18, 12)};

TEST(CheckMarkPreview, EachStatesPictureLandsInItsRowAtItsOwnSize) {
    CheckFixture f;
    f.box->showText = 0;
    std::array<SkinStateImages<4>*, 3> sets = {&f.box->unchecked, &f.box->checked, &f.box->halfChecked};
    for (int mark = 0; mark < 3; ++mark)
        for (size_t s = 0; s < 4; ++s)
            sets[size_t(mark)]->images[s] =
                AddPicture(f.doc, "m" + std::to_string(mark) + std::to_string(s) + ".png",
                           Solid(kSizes[s].width(), kSizes[s].height(), MarkColour(mark, s)));
    for (int mark = 0; mark < 3; ++mark) {
        const QImage image = f.Render(*f.box, mark);
        SaveIfAsked(image, QStringLiteral("checkbox-pictures-%1").arg(mark));
        int top = kTop;
        for (int row = 0; row < 4; ++row) {
            const size_t s = kRowState[size_t(row)];
            const QRect at(QPoint(kLeft, top), kSizes[s]);
            EXPECT_EQ(Count(image, at, MarkColour(mark, s)), at.width() * at.height()) << mark << "/" << row;
            EXPECT_EQ(Count(image, image.rect(), MarkColour(mark, s)), at.width() * at.height()) << "nowhere else";
            top = at.bottom() + 1 + kGap;
        }
        // The other marks' pictures are not shown.
        for (size_t s = 0; s < 4; ++s)
            EXPECT_EQ(Count(image, image.rect(), MarkColour((mark + 1) % 3, s)), 0);
    }
}

TEST(CheckMarkPreview, OnlyTheStateWithoutAPictureFallsBackToTheSystemControl) {
    CheckFixture f;
    f.radio->showText = 0;
    for (size_t s : {size_t(0), size_t(1), size_t(2)})
        f.radio->checked.images[s] =
            AddPicture(f.doc, "r" + std::to_string(s) + ".png", Solid(16, 16, MarkColour(1, s)));
    // The highlighted row (index 3) names a picture the skin does not have.
    f.radio->checked.images[3].name = "missing.png";
    const QImage image = f.Render(*f.radio, 1);
    const int highlightedTop = kTop + 2 * (16 + kGap);
    EXPECT_TRUE(SameRegion(image, QPoint(kLeft, highlightedTop),
                           SystemControl(f.doc.Env(), vd::DFCS_BUTTONRADIO | vd::DFCS_CHECKED | vd::DFCS_HOT)));
    // The disabled row follows the 14-pixel control.
    const int disabledTop = highlightedTop + kSystem + kGap;
    EXPECT_EQ(Count(image, QRect(kLeft, disabledTop, 16, 16), MarkColour(1, 2)), 256);
}

// ---- captions ----

TEST(CheckMarkPreview, CaptionsFollowTheMarkInTheStatesStyleOnlyWhenShown) {
    CheckFixture f;
    std::array<QColor, 4> ink = {QColor(200, 0, 0), QColor(0, 160, 0), QColor(0, 0, 220), QColor(220, 0, 220)};
    for (size_t s = 0; s < 4; ++s) {
        f.box->checked.images[s] = AddPicture(f.doc, "c" + std::to_string(s) + ".png", Solid(20, 20, QColor(1, 1, 1)));
        f.box->checked.styles[s].textColor = Color(ink[s].red(), ink[s].green(), ink[s].blue());
        f.box->checked.styles[s].horzAlign = 0;
    }
    const QImage shown = f.Render(*f.box, 1);
    SaveIfAsked(shown, QStringLiteral("checkbox-text"));
    for (int row = 0; row < 4; ++row) {
        const size_t s = kRowState[size_t(row)];
        const int top = kTop + row * (20 + kGap);
        const QRect box(kLeft + 20 + 2, top, 150, 20);
        EXPECT_GT(CountNear(shown, box, ink[s], 40), 10) << "row " << row;
        // Not in the other rows' boxes, not over the mark.
        EXPECT_EQ(CountNear(shown, QRect(0, 0, 200, top), ink[s], 40), 0) << "row " << row;
        EXPECT_EQ(CountNear(shown, QRect(0, top, kLeft + 22, 20), ink[s], 40), 0) << "row " << row;
    }
    f.box->showText = 0;
    const QImage hidden = f.Render(*f.box, 1);
    for (const QColor& c : ink) EXPECT_EQ(CountNear(hidden, hidden.rect(), c, 40), 0);
}

TEST(CheckMarkPreview, CaptionsUseTheObjectsFont) {
    CheckFixture f;
    const QColor ink(255, 255, 0);
    for (size_t s = 0; s < 4; ++s) {
        f.box->unchecked.images[s] = AddPicture(f.doc, "u" + std::to_string(s) + ".png", Solid(30, 30, QColor(1, 1, 1)));
        f.box->unchecked.styles[s].horzAlign = 0;
        f.box->unchecked.styles[s].textColor = Color(255, 255, 0);
    }
    // The box of the first caption: ink within it, by its bounding box.
    auto inkBox = [&](const QImage& image) {
        QRect box;
        for (int y = kTop; y < kTop + 30; ++y)
            for (int x = kLeft + 32; x < kLeft + 32 + 150; ++x)
                if (CountNear(image, QRect(x, y, 1, 1), ink, 30)) box |= QRect(x, y, 1, 1);
        return box;
    };
    f.box->font.height = -9;
    const QRect small = inkBox(f.Render(*f.box, 0));
    f.box->font.height = -20;
    const QRect large = inkBox(f.Render(*f.box, 0));
    ASSERT_FALSE(small.isEmpty());
    EXPECT_GT(large.height(), small.height() + 5);
    EXPECT_GT(large.width(), small.width());
}

// ---- values the kind does not offer ----

TEST(CheckMarkPreview, UnofferedMarksShowTheUncheckedOne) {
    CheckFixture f;
    const QImage unchecked = f.Render(*f.box, 0);
    for (int v : {3, -1, 1 << 30}) EXPECT_EQ(f.Render(*f.box, v), unchecked) << v;
    // A radio box has no half-checked mark.
    EXPECT_EQ(f.Render(*f.radio, 2), f.Render(*f.radio, 0));
    EXPECT_NE(f.Render(*f.radio, 1), f.Render(*f.radio, 0));
}

TEST(CheckMarkPreview, EnormousMarksStayInsideThePreview) {
    CheckFixture f;
    f.box->showText = 0;
    f.box->unchecked.images[0] = AddPicture(f.doc, "big.png", Solid(8, 8, QColor(9, 99, 9)));
    f.box->unchecked.images[0].right = 1 << 30;
    f.box->unchecked.images[0].bottom = 1 << 30;
    const QImage image = f.Render(*f.box, 0);
    // The first row reaches past the preview's bottom, so no later row is drawn.
    EXPECT_EQ(At(image, kLeft, kTop), QColor(9, 99, 9));
    EXPECT_EQ(Count(image, image.rect(), Q(f.doc.Env().SysColor(COLOR_WINDOW))), 0) << "no system control";
}

}  // namespace
