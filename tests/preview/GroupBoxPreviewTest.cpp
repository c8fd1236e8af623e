// The group box preview: the "Normal" and "Disabled" boxes one above the other, the etched frame standing in
// for a missing group picture, the caption band cut from the group picture's slice margins with the box
// picture behind it, each box's caption in its own style, and hostile margins.
// With VORNADESK_PREVIEW_PNG_DIR set, the rendered previews are also saved there for a look.

#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResGroupBox.h"
#include "preview/PreviewKind.h"

using namespace previewtest;
using vd::preview::RenderPreview;

namespace {

const QColor kEtch(172, 168, 153);
const QColor kRed(220, 20, 20), kBlue(20, 20, 220), kOlive(120, 130, 10), kTeal(10, 130, 120), kPlum(130, 30, 90);

// A 500 x 150 preview: inset by 10, two boxes of (130 - 20) / 2 = 55 pixels, 20 apart.
constexpr int kLeft = 10, kWidth = 480, kBoxHeight = 55;
constexpr int kTops[2] = {10, 10 + 55 + 20};

Color C(QColor q) { return Color(q.red(), q.green(), q.blue()); }

struct GroupFixture {
    GroupFixture() : box(&New<SkinGroupBox>(doc, 22000)) {}
    QImage Render(const QString& tag) {
        const QImage image = RenderPreview(doc, *box, {}, QSize());
        SaveIfAsked(image, tag);
        return image;
    }
    CSkinDocument doc;
    SkinGroupBox* box;
};

TEST(GroupBoxPreview, WithoutPicturesBothBoxesHaveTheEtchedFrame) {
    GroupFixture f;
    const QImage image = f.Render("groupbox-plain");
    ASSERT_EQ(image.size(), QSize(500, 150));
    for (int top : kTops) {
        SCOPED_TRACE(top);
        // The dark ring from 5 below the top, the white one a pixel right of and below it.
        const int etchTop = top + 5, right = kLeft + kWidth - 1, bottom = top + kBoxHeight - 1;
        const int midY = top + 30;
        EXPECT_EQ(At(image, kLeft, midY), kEtch);
        EXPECT_EQ(At(image, kLeft + 1, midY), Qt::white);
        EXPECT_EQ(At(image, right - 1, midY), kEtch);
        EXPECT_EQ(At(image, right, midY), Qt::white);
        EXPECT_EQ(At(image, 250, bottom - 1), kEtch);
        EXPECT_EQ(At(image, 250, bottom), Qt::white);
        EXPECT_EQ(At(image, kLeft + 2, etchTop), kEtch);
        EXPECT_EQ(At(image, kLeft + 2, etchTop + 1), Qt::white);
        EXPECT_EQ(At(image, kLeft + 2, etchTop - 1), At(image, 5, 5)) << "above the frame the ground shows";
        // The top line stops at the centred caption and goes on after it.
        const int topLine = Count(image, QRect(kLeft, etchTop, kWidth - 1, 1), kEtch);
        EXPECT_LT(topLine, kWidth - 1 - 20);
        EXPECT_EQ(Count(image, QRect(kLeft, etchTop, 200, 1), kEtch), 200);
        EXPECT_EQ(Count(image, QRect(300, etchTop, kWidth - 1 - 290, 1), kEtch), kWidth - 1 - 290);
    }
}

TEST(GroupBoxPreview, EachBoxShowsItsCaptionInItsOwnStyle) {
    GroupFixture f;
    f.box->textStyles[0].textColor = C(kRed);
    f.box->textStyles[1].textColor = C(kBlue);
    const QImage image = f.Render("groupbox-captions");
    const QRect normalTop(kLeft, kTops[0], kWidth, 20), disabledTop(kLeft, kTops[1], kWidth, 20);
    EXPECT_GT(CountNear(image, normalTop, kRed, 40), 10);
    EXPECT_EQ(CountNear(image, normalTop, kBlue, 40), 0);
    EXPECT_GT(CountNear(image, disabledTop, kBlue, 40), 10);
    EXPECT_EQ(CountNear(image, disabledTop, kRed, 40), 0);
    // The text says which box is which: "Disabled" is the wider word in any font.
    const QRect normalInk = DarkInk(image, normalTop, 120), disabledInk = DarkInk(image, disabledTop, 120);
    EXPECT_GT(disabledInk.width(), normalInk.width());
}

TEST(GroupBoxPreview, GroupPictureMarginsCutTheCaptionBandWithTheBoxPictureBehind) {
    GroupFixture f;
    for (int i = 0; i < 2; ++i) {
        f.box->group[i] = AddPicture(f.doc, "group" + std::to_string(i) + ".png", Solid(40, 40, i ? kTeal : kOlive));
        f.box->group[i].leftWidth = 12, f.box->group[i].rightWidth = 14, f.box->group[i].topHeight = 18;
        f.box->group[i].bottomHeight = 5;
    }
    f.box->box[0] = AddPicture(f.doc, "box.png", Solid(10, 10, kPlum));
    // The caption in the box picture's colour, so every pixel of the band is that colour.
    f.box->textStyles[0].textColor = C(kPlum);
    const QImage image = f.Render("groupbox-pictures");
    const QRect band(kLeft + 12, kTops[0], kWidth - 12 - 14, 18);
    EXPECT_EQ(Count(image, band, kPlum), band.width() * band.height());
    EXPECT_EQ(Count(image, QRect(kLeft, kTops[0], kWidth, kBoxHeight), kPlum), band.width() * band.height());
    EXPECT_EQ(At(image, kLeft, kTops[0]), kOlive) << "the group picture outside the band";
    EXPECT_EQ(At(image, kLeft + kWidth - 1, kTops[0] + kBoxHeight - 1), kOlive);
    EXPECT_EQ(At(image, kLeft + 5, kTops[1] + 40), kTeal) << "the disabled box takes the disabled picture";
    EXPECT_EQ(Count(image, image.rect(), kEtch), 0) << "no etched frame where pictures are";
    EXPECT_EQ(At(image, kLeft, kTops[0] + kBoxHeight + 5), At(image, 5, 5)) << "the gap between the boxes";
}

TEST(GroupBoxPreview, KindOpensAtTheStoredSizeAndSurvivesOddMargins) {
    GroupFixture f;
    f.box->previewWidth = 260, f.box->previewHeight = 90;
    const auto* kind = vd::preview::FindPreviewKind(f.box->ID);
    ASSERT_TRUE(kind);
    EXPECT_STREQ(kind->tag, "groupbox");
    EXPECT_EQ(kind->size(f.doc, *f.box), QSize(260, 90));
    // Margins wider than the box leave no band from them: the caption goes where the system puts it.
    f.box->group[0] = AddPicture(f.doc, "g.png", Solid(40, 40, kOlive));
    f.box->group[0].leftWidth = 2000000000, f.box->group[0].rightWidth = 2000000000, f.box->group[0].topHeight = -7;
    f.box->textStyles[0].textColor = C(kRed);
    const QImage image = f.Render("groupbox-odd-margins");
    EXPECT_EQ(image.size(), QSize(260, 90));
    EXPECT_GT(CountNear(image, QRect(kLeft, kTops[0], 240, 20), kRed, 40), 10);
    EXPECT_EQ(RenderPreview(f.doc, *f.box, {}, QSize(12, 12)).size(), QSize(12, 12));
}

}  // namespace
