// Group boxes, labels and the MDI area drawn by the test program's style: the group picture of each state
// with the contents inside its margins and the title in the record's style; labels taking the static's
// font and colours (and background unless transparent) and giving them back, labels of bars left alone;
// the MDI area's background picture fitted to the area's size as it changes, or its colour; Fusion's look
// without records; and hostile records.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QPainter>
#include <QStatusBar>
#include <QStyleFactory>
#include <QVBoxLayout>

#include <memory>

#include "Resource/ResObjects/ResClient.h"
#include "Resource/ResObjects/ResGroupBox.h"
#include "Resource/ResObjects/ResStatic.h"
#include "SkinStyleTestSupport.h"
#include "platform/LogFontQt.h"

namespace {

using previewtest::New;
using styletest::StyleFixture;

// --- group boxes ---

constexpr int kSide = 6, kBand = 22, kBottom = 5;
const QColor kGroupNormal(200, 120, 40), kGroupDisabled(150, 150, 150), kCaptionBox(250, 230, 200);

struct GroupFixture : StyleFixture {
    SkinGroupBox& record = New<SkinGroupBox>(doc, 22000);
    GroupFixture() {
        for (size_t i = 0; i < 2; ++i) {
            record.group[i] = Solid(i ? "g1.png" : "g0.png", 40, 40, i ? kGroupDisabled : kGroupNormal);
            record.group[i].leftWidth = record.group[i].rightWidth = kSide;
            record.group[i].topHeight = kBand;
            record.group[i].bottomHeight = kBottom;
        }
    }
};

TEST(SkinStyleContainerTest, GroupBoxShowsItsStatePictureWithTheContentsInside) {
    GroupFixture f;
    QGroupBox box(QStringLiteral("Group"));
    auto* inside = new QWidget(&box);
    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(inside);
    f.Styled(&box, QSize(200, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(inside->geometry(), QRect(kSide, kBand, 200 - 2 * kSide, 100 - kBand - kBottom));
    EXPECT_EQ(StyleFixture::Grab(&box).pixelColor(2, 50), kGroupNormal);
    box.setEnabled(false);
    EXPECT_EQ(StyleFixture::Grab(&box).pixelColor(2, 50), kGroupDisabled);
}

TEST(SkinStyleContainerTest, GroupBoxMarginsFollowTheSkinOnRefresh) {
    GroupFixture f;
    QGroupBox box(QStringLiteral("Group"));
    auto* inside = new QWidget(&box);
    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(inside);
    f.Styled(&box, QSize(200, 100));
    f.record.group[0].topHeight = 30;
    f.record.group[0].leftWidth = 11;
    f.style.Refresh();
    QCoreApplication::processEvents();
    EXPECT_EQ(inside->geometry().topLeft(), QPoint(11, 30));
}

TEST(SkinStyleContainerTest, GroupBoxTitleInTheBandInTheRecordsStyle) {
    GroupFixture f;
    const QColor ink(255, 0, 254);
    f.record.textStyles[0].textColor = Color(ink.red(), ink.green(), ink.blue());
    f.record.textStyles[0].horzAlign = 0;
    f.record.box[0] = f.Solid("box.png", 10, 10, kCaptionBox);
    f.record.font.height = -16;
    QGroupBox box(QStringLiteral("&Title"));
    f.Styled(&box, QSize(200, 100));
    const QImage image = StyleFixture::Grab(&box);
    // The box picture fills the band between the side margins; the title's ink starts at the band's left.
    EXPECT_EQ(image.pixelColor(200 - kSide - 2, kBand / 2), kCaptionBox);
    const QRect text = previewtest::InkOtherThan(image, kCaptionBox, QRect(kSide, 0, 200 - 2 * kSide, kBand));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_LE(text.left(), kSide + 2);
    EXPECT_NEAR(text.width(), QFontMetrics(vd::ToQFont(f.record.font)).horizontalAdvance(QStringLiteral("Title")), 4);
    EXPECT_GT(previewtest::CountNear(image, text, ink, 40), 0);
    EXPECT_GE(box.minimumSizeHint().width(), 2 * kSide + text.width());
}

TEST(SkinStyleContainerTest, GroupBoxWithoutRecordIsFusions) {
    StyleFixture f;
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QGroupBox mine(QStringLiteral("Group")), theirs(QStringLiteral("Group"));
    f.Styled(&mine, QSize(200, 100));
    theirs.setStyle(fusion.get());
    theirs.resize(200, 100);
    theirs.setAttribute(Qt::WA_DontShowOnScreen);
    theirs.show();
    EXPECT_EQ(mine.contentsRect(), theirs.contentsRect());
    EXPECT_EQ(StyleFixture::Grab(&mine), StyleFixture::Grab(&theirs));
}

TEST(SkinStyleContainerTest, GroupBoxHostileRecordsNeverCrash) {
    GroupFixture f;
    f.record.group[0].leftWidth = 1 << 30;
    f.record.group[0].topHeight = -(1 << 30);
    f.record.group[0].bottomHeight = 1 << 30;
    f.record.box[0].right = -1;
    f.record.textStyles[0].leftOffset = 1 << 30;
    QGroupBox box(QStringLiteral("Hostile"));
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(new QLabel(QStringLiteral("inside")));
    f.Styled(&box, QSize(200, 100));
    QCoreApplication::processEvents();
    EXPECT_TRUE(box.contentsRect().width() >= 0 && box.contentsRect().height() >= 0);
    EXPECT_LT(box.minimumSizeHint().width(), 1 << 16);
    StyleFixture::Grab(&box);
    box.resize(0, 0);
    StyleFixture::Grab(&box);
}

// --- labels ---

const QColor kStaticInk(10, 90, 200), kStaticGreyInk(170, 160, 150), kStaticBack(255, 240, 200);

struct StaticFixture : StyleFixture {
    SkinStatic& record = New<SkinStatic>(doc, 23000);
    StaticFixture() {
        record.textStyles[0].textColor = Color(kStaticInk.red(), kStaticInk.green(), kStaticInk.blue());
        record.textStyles[1].textColor = Color(kStaticGreyInk.red(), kStaticGreyInk.green(), kStaticGreyInk.blue());
        record.font.height = -19;
        record.backgroundColors[0] = Color(kStaticBack.red(), kStaticBack.green(), kStaticBack.blue());
    }
};

TEST(SkinStyleContainerTest, LabelTakesTheStaticsFontAndColoursAndGivesThemBack) {
    StaticFixture f;
    QWidget root;
    auto* label = new QLabel(QStringLiteral("Static"), &root);
    const QFont before = label->font();
    const QColor inkBefore = label->palette().color(QPalette::Active, QPalette::WindowText);
    f.Styled(&root, QSize(200, 60));
    EXPECT_EQ(label->font().pixelSize(), 19);
    EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), kStaticInk);
    EXPECT_EQ(label->palette().color(QPalette::Disabled, QPalette::WindowText), kStaticGreyInk);
    const QImage image = StyleFixture::Grab(label);
    EXPECT_GT(previewtest::CountNear(image, image.rect(), kStaticInk, 30), 0);

    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    label->setStyle(fusion.get());
    EXPECT_EQ(label->font(), before);
    EXPECT_FALSE(label->testAttribute(Qt::WA_SetFont));
    EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), inkBefore);
}

TEST(SkinStyleContainerTest, OpaqueStaticPaintsItsBackgroundPerState) {
    StaticFixture f;
    QLabel label(QStringLiteral("x"));
    label.setAlignment(Qt::AlignRight);
    f.Styled(&label, QSize(120, 40));
    EXPECT_NE(StyleFixture::Grab(&label).pixelColor(2, 30), kStaticBack);  // transparent by default

    f.record.transparent = 0;
    label.update();
    EXPECT_EQ(StyleFixture::Grab(&label).pixelColor(2, 30), kStaticBack);
    const QColor picture(90, 200, 90), disabledPicture(200, 200, 210);
    f.record.backgrounds[0] = f.Solid("sb0.png", 8, 8, picture);
    f.record.backgrounds[1] = f.Solid("sb1.png", 8, 8, disabledPicture);
    label.update();
    EXPECT_EQ(StyleFixture::Grab(&label).pixelColor(2, 30), picture);
    label.setEnabled(false);
    EXPECT_EQ(StyleFixture::Grab(&label).pixelColor(2, 30), disabledPicture);
}

TEST(SkinStyleContainerTest, LabelTextKeepsTheInsetsAndTheBackgroundsCorners) {
    StaticFixture f;
    f.record.textStyles[0].leftOffset = 3;
    f.record.textStyles[0].topOffset = 2;
    f.record.textStyles[0].rightOffset = 1 << 30;  // bounded
    f.record.transparent = 0;
    f.record.backgrounds[0] = f.Solid("corners.png", 20, 20, kStaticBack);
    f.record.backgrounds[0].leftWidth = 5;
    f.record.backgrounds[0].topHeight = 4;
    QLabel label(QStringLiteral("Inset"));
    label.setContentsMargins(1, 1, 1, 1);
    f.Styled(&label, QSize(200, 40));
    EXPECT_EQ(label.contentsMargins(), QMargins(1 + 3 + 5, 1 + 2 + 4, 1 + 64, 1));
    const QImage image = StyleFixture::Grab(&label);
    const QRect ink = previewtest::InkOtherThan(image, kStaticBack, image.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 9);

    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    label.setStyle(fusion.get());
    EXPECT_EQ(label.contentsMargins(), QMargins(1, 1, 1, 1));
}

TEST(SkinStyleContainerTest, LabelsOfBarsAreNotStatics) {
    StaticFixture f;
    QWidget root;
    auto* bar = new QStatusBar(&root);
    auto* inBar = new QLabel(QStringLiteral("Ready"), bar);
    bar->addWidget(inBar);
    auto* plain = new QLabel(QStringLiteral("Plain"), &root);
    f.Styled(&root, QSize(200, 60));
    EXPECT_NE(inBar->palette().color(QPalette::Active, QPalette::WindowText), kStaticInk);
    EXPECT_FALSE(inBar->testAttribute(Qt::WA_SetFont));
    EXPECT_EQ(plain->palette().color(QPalette::Active, QPalette::WindowText), kStaticInk);
}

TEST(SkinStyleContainerTest, LabelWithoutStaticRecordIsUntouched) {
    StyleFixture f;
    QLabel label(QStringLiteral("Plain"));
    const QPalette before = label.palette();
    f.Styled(&label, QSize(100, 30));
    EXPECT_FALSE(label.testAttribute(Qt::WA_SetFont));
    EXPECT_FALSE(label.testAttribute(Qt::WA_SetPalette));
    EXPECT_EQ(label.palette().color(QPalette::WindowText), before.color(QPalette::WindowText));
}

// --- the MDI area ---

TEST(SkinStyleContainerTest, MdiAreaBackgroundIsTheClientsPictureAtTheAreasSize) {
    StyleFixture f;
    SkinClient& record = New<SkinClient>(f.doc, 19000);
    // A picture whose 4-pixel corners are red and whose middle is green: drawn to the area's size, red
    // shows in each of the area's corners.
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(QColor(0, 160, 0));
    QPainter p(&picture);
    for (QPoint corner : {QPoint(0, 0), QPoint(16, 0), QPoint(0, 16), QPoint(16, 16)})
        p.fillRect(QRect(corner, QSize(4, 4)), QColor(220, 0, 0));
    p.end();
    record.background = previewtest::AddPicture(f.doc, "client.png", picture);
    record.background.leftWidth = record.background.rightWidth = 4;
    record.background.topHeight = record.background.bottomHeight = 4;
    QMdiArea area;
    const QBrush original = area.background();
    f.Styled(&area, QSize(200, 150));
    QCoreApplication::processEvents();
    QImage image = StyleFixture::Grab(area.viewport());
    EXPECT_EQ(image.pixelColor(100, 75), QColor(0, 160, 0));
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(220, 0, 0));

    area.resize(300, 260);
    QCoreApplication::processEvents();
    image = StyleFixture::Grab(area.viewport());
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(220, 0, 0));
    EXPECT_EQ(image.pixelColor(image.width() - 6, image.height() - 6), QColor(0, 160, 0));

    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    area.setStyle(fusion.get());
    EXPECT_EQ(area.background(), original);
}

TEST(SkinStyleContainerTest, MdiAreaWithoutPictureTakesTheClientsColour) {
    StyleFixture f;
    SkinClient& record = New<SkinClient>(f.doc, 19000);
    record.backgroundColor = Color(12, 34, 56);
    record.background.right = 1 << 30;  // no picture named; a hostile slice changes nothing
    QMdiArea area;
    f.Styled(&area, QSize(120, 90));
    QCoreApplication::processEvents();
    EXPECT_EQ(StyleFixture::Grab(area.viewport()).pixelColor(60, 45), QColor(12, 34, 56));
}

TEST(SkinStyleContainerTest, MdiAreaWithoutClientRecordKeepsItsBackground) {
    StyleFixture f;
    QMdiArea area;
    const QBrush original = area.background();
    f.Styled(&area, QSize(120, 90));
    EXPECT_EQ(area.background(), original);
}

}  // namespace
