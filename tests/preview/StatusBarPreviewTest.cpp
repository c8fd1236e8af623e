// The status bar preview: the four sample panes laid out from the right, their texts always shown, the
// pane pictures only with "ItemImage", the last pane left out when only its picture is missing, the size
// grip pushing the panes left, and the ground in the skin's colours when the bar has no background.
// With VORNADESK_PREVIEW_PNG_DIR set, the rendered previews are also saved there for a look.

#include <gtest/gtest.h>

#include <limits>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResStatusBar.h"
#include "preview/PreviewKind.h"

using namespace previewtest;
using vd::preview::RenderPreview;

namespace {

const QColor kRed(200, 30, 30), kGreen(30, 160, 30), kBlue(20, 40, 220), kYellow(230, 210, 20);

struct StatusFixture {
    explicit StatusFixture(const SystemEnvironment& env = SystemEnvironment::Default()) : doc(env) {
        bar = &New<SkinStatusBar>(doc, 5000);
    }
    QImage Render(QSize size = QSize()) { return RenderPreview(doc, *bar, {}, size); }

    CSkinDocument doc;
    SkinStatusBar* bar = nullptr;
};

// The horizontal centre of the dark text ink between x = left and x = right (exclusive).
int InkCentre(const QImage& image, int left, int right) {
    const QRect ink = DarkInk(image, QRect(left, 2, right - left, image.height() - 4));
    if (ink.isEmpty()) return -1;
    return ink.left() + ink.width() / 2;
}

// Text is centred by default: its ink centre lies within a few pixels of the pane's centre.
void ExpectTextCentredIn(const QImage& image, int left, int right, const char* text) {
    const int centre = InkCentre(image, left, right);
    EXPECT_NE(centre, -1) << text << " has no ink";
    EXPECT_NEAR(centre, (left + right) / 2, 3) << text;
}

TEST(StatusBarPreview, ANewBarShowsTheFourTextsOnTheButtonFaceWithoutAnyPicture) {
    StatusFixture f;
    const QImage image = f.Render();
    SaveIfAsked(image, QStringLiteral("statusbar-new"));
    ASSERT_EQ(image.size(), QSize(600, 25)) << "the record's preview size";
    const SystemEnvironment& env = f.doc.Env();
    const QColor face = Q(env.colors[COLOR_BTNFACE]);
    EXPECT_EQ(At(image, 0, 0), Q(env.colors[COLOR_BTNHIGHLIGHT]));
    EXPECT_EQ(At(image, 599, 24), Q(env.colors[COLOR_BTNSHADOW]));
    EXPECT_EQ(At(image, 300, 2), face);
    EXPECT_EQ(Count(image, QRect(1, 1, 598, 2), face), 2 * 598) << "no checkerboard shows through";
    EXPECT_EQ(Count(image, QRect(1, 22, 598, 2), face), 2 * 598);
    // Panes of 70 from the right: SCRL 530..600, NUM 460..530, CAP 390..460, Ready 0..390.
    ExpectTextCentredIn(image, 530, 600, "SCRL");
    ExpectTextCentredIn(image, 460, 530, "NUM");
    ExpectTextCentredIn(image, 390, 460, "CAP");
    ExpectTextCentredIn(image, 0, 390, "Ready");
}

TEST(StatusBarPreview, PanePicturesFollowItemImageAndLastItemImage) {
    StatusFixture f;
    f.bar->itemImage = AddPicture(f.doc, "item.png", Solid(8, 8, kRed));
    f.bar->lastItemImage = AddPicture(f.doc, "last.png", Solid(8, 8, kGreen));
    const QImage image = f.Render();
    SaveIfAsked(image, QStringLiteral("statusbar-panes"));
    EXPECT_EQ(At(image, 530, 1), kGreen);
    EXPECT_EQ(At(image, 599, 24), kGreen);
    EXPECT_EQ(At(image, 529, 1), kRed);
    EXPECT_EQ(At(image, 0, 0), kRed) << "the Ready pane reaches the left edge";
    EXPECT_EQ(Count(image, QRect(0, 0, 530, 1), kRed), 530);
    ExpectTextCentredIn(image, 530, 600, "SCRL");
    ExpectTextCentredIn(image, 0, 390, "Ready");
}

TEST(StatusBarPreview, WithoutThePanePictureNoPanePictureIsDrawnAndTheLastPaneStays) {
    StatusFixture f;
    f.bar->lastItemImage = AddPicture(f.doc, "last.png", Solid(8, 8, kGreen));
    const QImage image = f.Render();
    EXPECT_EQ(Count(image, image.rect(), kGreen), 0);
    ExpectTextCentredIn(image, 530, 600, "SCRL");
    ExpectTextCentredIn(image, 0, 390, "Ready");
}

TEST(StatusBarPreview, APanePictureWithoutALastPicturePutsNumAtTheRight) {
    StatusFixture f;
    f.bar->itemImage = AddPicture(f.doc, "item.png", Solid(8, 8, kRed));
    f.bar->lastItemImage.name = "missing.png";  // names no loaded picture
    const QImage image = f.Render();
    SaveIfAsked(image, QStringLiteral("statusbar-no-last"));
    EXPECT_EQ(Count(image, image.rect().adjusted(0, 0, 0, -24), kRed), 600) << "NUM takes the right end";
    // NUM 530..600, CAP 460..530, Ready 0..460.
    ExpectTextCentredIn(image, 530, 600, "NUM");
    ExpectTextCentredIn(image, 460, 530, "CAP");
    ExpectTextCentredIn(image, 0, 460, "Ready");
}

TEST(StatusBarPreview, TheGripperSitsInTheCornerAndPushesThePanesLeft) {
    StatusFixture f;
    f.bar->itemImage = AddPicture(f.doc, "item.png", Solid(8, 8, kRed));
    f.bar->lastItemImage = AddPicture(f.doc, "last.png", Solid(8, 8, kGreen));
    f.bar->gripper = AddPicture(f.doc, "grip.png", Solid(12, 18, kBlue));
    const QImage image = f.Render();
    SaveIfAsked(image, QStringLiteral("statusbar-gripper"));
    // The grip 12 x 18 at (588, 7); SCRL 518..588, NUM 448..518, CAP 378..448, Ready 0..378.
    EXPECT_EQ(Count(image, image.rect(), kBlue), 12 * 18);
    EXPECT_EQ(Count(image, QRect(588, 7, 12, 18), kBlue), 12 * 18);
    EXPECT_EQ(At(image, 587, 1), kGreen);
    EXPECT_EQ(At(image, 518, 1), kGreen);
    EXPECT_EQ(At(image, 517, 1), kRed);
    EXPECT_NE(At(image, 590, 3), kGreen) << "nothing of the panes right of the grip's left edge";
    ExpectTextCentredIn(image, 518, 588, "SCRL");
    ExpectTextCentredIn(image, 0, 378, "Ready");
}

TEST(StatusBarPreview, TheBackgroundPictureReplacesTheGroundAndItsEdge) {
    StatusFixture f;
    f.bar->background = AddPicture(f.doc, "bk.png", Solid(4, 4, kYellow));
    const QImage image = f.Render();
    EXPECT_EQ(At(image, 0, 0), kYellow);
    EXPECT_EQ(At(image, 599, 24), kYellow);
    EXPECT_EQ(At(image, 300, 2), kYellow);
}

TEST(StatusBarPreview, TheGroundTakesTheApplicationObjectsColours) {
    StatusFixture f;
    auto* app = dynamic_cast<SkinApp*>(f.doc.NewItemOfType(17000));
    ASSERT_TRUE(app && app->ID == 17001);
    for (size_t i = 0; i < kAppColorKeys.size(); ++i) {
        const std::string key = kAppColorKeys[i].key;
        if (key == "CLR_BTNFACE") app->colors[i] = Color(120, 10, 10);
        if (key == "CLR_BTNHIGHLIGHT") app->colors[i] = Color(10, 120, 10);
        if (key == "CLR_BTNFSHADOW") app->colors[i] = Color(10, 10, 120);
    }
    const QImage image = f.Render();
    EXPECT_EQ(At(image, 0, 0), QColor(10, 120, 10));
    EXPECT_EQ(At(image, 599, 24), QColor(10, 10, 120));
    EXPECT_EQ(At(image, 300, 2), QColor(120, 10, 10));
}

TEST(StatusBarPreview, HostileSizesStillDraw) {
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    for (const auto& [a, b] : {std::pair{kMin, kMax}, std::pair{kMax, kMin}, std::pair{-1, 5}, std::pair{0, kMax}}) {
        StatusFixture f;
        f.bar->itemImage = AddPicture(f.doc, "item.png", Solid(8, 8, kRed));
        f.bar->gripper = AddPicture(f.doc, "grip.png", Solid(12, 18, kBlue));
        for (SkinImageBase* image : {&f.bar->itemImage, &f.bar->gripper}) {
            image->left = a, image->top = a, image->right = b, image->bottom = b;
            image->leftWidth = a, image->rightWidth = b, image->topHeight = b, image->bottomHeight = a;
        }
        f.bar->itemTextStyle.leftOffset = a, f.bar->itemTextStyle.rightOffset = b;
        f.bar->font.height = a;
        f.bar->previewWidth = a, f.bar->previewHeight = b;
        EXPECT_EQ(f.Render(QSize(300, 25)).size(), QSize(300, 25)) << a << " " << b;
        // The record's own size is drawn when it is drawable, refused otherwise; either way no crash.
        const QImage own = f.Render();
        EXPECT_TRUE(own.isNull() || own.size() == QSize(a, b));
    }
}

TEST(StatusBarPreview, ATinyBarDrawsWithoutRoomForThePanes) {
    StatusFixture f;
    f.bar->itemImage = AddPicture(f.doc, "item.png", Solid(8, 8, kRed));
    f.bar->itemTextStyle.textColor = Color(kRed.red(), kRed.green(), kRed.blue());  // the text hides in its pane
    const QImage image = f.Render(QSize(50, 10));
    ASSERT_EQ(image.size(), QSize(50, 10));
    EXPECT_EQ(Count(image, QRect(0, 0, 50, 1), kRed), 50) << "the NUM pane covers the narrow bar";
}

}  // namespace
