// The static preview: two samples half the inset area's size, "Normal" at the top left and "Disabled" at
// the bottom right, transparent or filled with each state's picture or colour, each labelled in its own
// style; the fixed 200 x 100 size whatever the record stores.
// With VORNADESK_PREVIEW_PNG_DIR set, the rendered previews are also saved there for a look.

#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResStatic.h"
#include "preview/PreviewKind.h"

using namespace previewtest;
using vd::preview::RenderPreview;

namespace {

const QColor kRed(220, 20, 20), kGreen(20, 170, 20), kBlue(20, 20, 220), kPlum(130, 30, 90);

// 200 x 100, inset by 10: each sample 90 x 40.
const QRect kNormal(10, 10, 90, 40), kDisabled(100, 50, 90, 40);

Color C(QColor q) { return Color(q.red(), q.green(), q.blue()); }

struct StaticFixture {
    StaticFixture() : item(&New<SkinStatic>(doc, 23000)) {
        item->backgroundColors = {C(kRed), C(kGreen)};
    }
    QImage Render(const QString& tag) {
        const QImage image = RenderPreview(doc, *item, {}, QSize());
        SaveIfAsked(image, tag);
        return image;
    }
    CSkinDocument doc;
    SkinStatic* item;
};

TEST(StaticPreview, TransparentStaticsPaintNoBackground) {
    StaticFixture f;
    ASSERT_EQ(f.item->transparent, 1);
    const QImage image = f.Render("static-transparent");
    ASSERT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(Count(image, image.rect(), kRed), 0);
    EXPECT_EQ(Count(image, image.rect(), kGreen), 0);
    EXPECT_EQ(At(image, kNormal.topLeft()), At(image, 5, 5));
}

TEST(StaticPreview, OpaqueStaticsFillTheirStatesColourOrPicture) {
    StaticFixture f;
    f.item->transparent = 0;
    QImage image = f.Render("static-colours");
    for (QPoint p : {kNormal.topLeft(), kNormal.bottomRight(), QPoint(kNormal.right(), kNormal.top())})
        EXPECT_EQ(At(image, p), kRed) << p.x() << "," << p.y();
    for (QPoint p : {kDisabled.topLeft(), kDisabled.bottomRight(), QPoint(kDisabled.left(), kDisabled.bottom())})
        EXPECT_EQ(At(image, p), kGreen) << p.x() << "," << p.y();
    const QColor ground = At(image, 5, 5);
    EXPECT_EQ(At(image, kDisabled.left(), kNormal.top()), ground) << "the other two quarters stay empty";
    EXPECT_EQ(At(image, kNormal.left(), kDisabled.top()), ground);
    EXPECT_EQ(At(image, 9, 9), ground);

    // The normal state's picture replaces its colour; the disabled one, without a picture, keeps its colour.
    f.item->backgrounds[0] = AddPicture(f.doc, "bk.png", Solid(7, 7, kBlue));
    image = f.Render("static-picture");
    EXPECT_EQ(At(image, kNormal.topLeft()), kBlue);
    EXPECT_EQ(At(image, kNormal.bottomRight()), kBlue);
    EXPECT_EQ(Count(image, image.rect(), kRed), 0);
    EXPECT_EQ(At(image, kDisabled.bottomRight()), kGreen);
}

TEST(StaticPreview, EachSampleIsLabelledInItsStatesStyle) {
    StaticFixture f;
    f.item->textStyles[0].textColor = C(kPlum);
    f.item->textStyles[1].textColor = C(kBlue);
    const QImage image = f.Render("static-text");
    EXPECT_GT(CountNear(image, kNormal, kPlum, 40), 10);
    EXPECT_EQ(CountNear(image, kDisabled, kPlum, 40), 0);
    EXPECT_GT(CountNear(image, kDisabled, kBlue, 40), 10);
    EXPECT_EQ(CountNear(image, kNormal, kBlue, 40), 0);
    EXPECT_GT(DarkInk(image, kDisabled, 160).width(), DarkInk(image, kNormal, 160).width())
        << "the samples say \"Normal\" and \"Disabled\", not the static's name";
}

TEST(StaticPreview, KindIsAlways200By100) {
    StaticFixture f;
    f.item->previewWidth = 900, f.item->previewHeight = 700;
    const auto* kind = vd::preview::FindPreviewKind(f.item->ID);
    ASSERT_TRUE(kind);
    EXPECT_STREQ(kind->tag, "static");
    EXPECT_EQ(kind->size(f.doc, *f.item), QSize(200, 100));
    EXPECT_EQ(RenderPreview(f.doc, *f.item, {}, QSize(8, 8)).size(), QSize(8, 8));
}

}  // namespace
