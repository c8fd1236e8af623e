// Status bars in the test program's style: the background picture or the skin's face, pane frames from the
// pane pictures (the last pane from its own), the size grip from the gripper picture at its size, the
// bar's font and text colour, the platform look without a record, and hostile records.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QSizeGrip>
#include <QStatusBar>
#include <QStyleFactory>

#include <memory>

#include "Resource/ResObjects/ResStatusBar.h"
#include "SkinStyleTestSupport.h"

namespace {

using previewtest::Q;
using styletest::StyleFixture;

constexpr QSize kBarSize(400, 26);
constexpr QSize kGrip(14, 12);
const QColor kBackground(240, 220, 190);
const QColor kPane(200, 80, 40);
const QColor kLastPane(40, 80, 200);
const QColor kGripInk(30, 160, 60);

SkinStatusBar& BarRecord(StyleFixture& f) {
    auto& s = previewtest::New<SkinStatusBar>(f.doc, 5000);
    s.background = f.Solid("back.png", 10, 26, kBackground);
    s.itemImage = f.Solid("pane.png", 20, 26, kPane);
    s.lastItemImage = f.Solid("last.png", 20, 26, kLastPane);
    s.gripper = f.Solid("grip.png", kGrip.width(), kGrip.height(), kGripInk);
    return s;
}

// A bar with a stretching message pane and a permanent "Ready" pane at the right.
struct Bar {
    QStatusBar* bar = new QStatusBar;
    QLabel* message = new QLabel(QStringLiteral("Message"));
    QLabel* ready = new QLabel(QStringLiteral("Ready"));
    Bar() {
        bar->addWidget(message, 1);
        bar->addPermanentWidget(ready);
    }
};

// A pixel of a pane's frame just left of its widget (panes are framed 2 pixels wider than their widget).
QPoint FrameOf(QWidget* pane) { return QPoint(pane->geometry().left() - 1, pane->geometry().center().y()); }

TEST(SkinStyleStatusBarTest, PanesShowThePanePicturesAndTheLastPaneItsOwn) {
    StyleFixture f;
    SkinStatusBar& s = BarRecord(f);
    Bar b;
    b.bar->setSizeGripEnabled(false);  // a bar of its own lays no grip out
    std::unique_ptr<QStatusBar> owner(f.Styled(b.bar, kBarSize));
    QImage image = StyleFixture::Grab(b.bar);
    EXPECT_EQ(image.pixelColor(FrameOf(b.message)), kPane);
    EXPECT_EQ(image.pixelColor(FrameOf(b.ready)), kLastPane);
    // Panes run the bar's full height.
    EXPECT_EQ(image.pixelColor(FrameOf(b.message).x(), 0), kPane);
    EXPECT_EQ(image.pixelColor(FrameOf(b.message).x(), b.bar->height() - 1), kPane);

    // Without a picture of its own the last pane takes the pane picture.
    s.lastItemImage = SkinImageBase();
    b.bar->update();
    image = StyleFixture::Grab(b.bar);
    EXPECT_EQ(image.pixelColor(FrameOf(b.ready)), kPane);

    // Without a pane picture panes are not framed: the background shows.
    s.itemImage = SkinImageBase();
    b.bar->update();
    image = StyleFixture::Grab(b.bar);
    EXPECT_EQ(image.pixelColor(FrameOf(b.message)), kBackground);
    EXPECT_EQ(image.pixelColor(FrameOf(b.ready)), kBackground);

    // Without a background the skin's face shows.
    s.background = SkinImageBase();
    b.bar->update();
    image = StyleFixture::Grab(b.bar);
    const QColor face = Q(f.doc.Env().SysColor(COLOR_BTNFACE));
    EXPECT_EQ(image.pixelColor(FrameOf(b.message)), face);
    EXPECT_EQ(image.pixelColor(FrameOf(b.ready)), face);
}

TEST(SkinStyleStatusBarTest, SizeGripIsTheGripperPictureAtItsSizeInTheCorner) {
    StyleFixture f;
    BarRecord(f);
    auto window = std::make_unique<QMainWindow>();
    Bar b;
    window->setCentralWidget(new QWidget);
    window->setStatusBar(b.bar);
    f.Styled(window.get(), QSize(400, 200));
    QCoreApplication::sendPostedEvents();
    auto* grip = b.bar->findChild<QSizeGrip*>();
    ASSERT_NE(grip, nullptr);
    ASSERT_TRUE(grip->isVisible());
    EXPECT_EQ(grip->sizeHint(), kGrip);
    // The grip resizes from the window's bottom-right corner, where its picture sits whole.
    const QImage image = StyleFixture::Grab(window.get());
    const QRect grips(grip->mapTo(window.get(), QPoint(0, 0)), grip->size());
    EXPECT_EQ(previewtest::Count(image, grips, kGripInk), kGrip.width() * kGrip.height());
    EXPECT_EQ(image.pixelColor(grips.bottomRight()), kGripInk);
}

TEST(SkinStyleStatusBarTest, BarTakesTheRecordFontAndTextColourAndGivesThemBack) {
    StyleFixture f;
    SkinStatusBar& s = BarRecord(f);
    s.font.height = -17;
    s.itemTextStyle.textColor = Color(0, 0, 200);
    Bar b;
    std::unique_ptr<QStatusBar> owner(f.Styled(b.bar, kBarSize));
    EXPECT_EQ(b.ready->font().pixelSize(), 17);
    EXPECT_EQ(b.ready->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 200));

    f.style.unpolish(b.bar);
    EXPECT_FALSE(b.bar->testAttribute(Qt::WA_SetFont));
    EXPECT_FALSE(b.bar->testAttribute(Qt::WA_SetPalette));
    EXPECT_NE(b.ready->font().pixelSize(), 17);
}

TEST(SkinStyleStatusBarTest, WithoutARecordTheBarLooksAsTheFusionStyleDrawsIt) {
    StyleFixture f;
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    Bar skinned, plain;
    std::unique_ptr<QStatusBar> a(f.Styled(skinned.bar, kBarSize));
    std::unique_ptr<QStatusBar> c(plain.bar);
    plain.bar->setStyle(fusion.get());
    for (QWidget* child : plain.bar->findChildren<QWidget*>()) child->setStyle(fusion.get());
    plain.bar->resize(kBarSize);
    plain.bar->setAttribute(Qt::WA_DontShowOnScreen);
    plain.bar->show();
    EXPECT_EQ(StyleFixture::Grab(skinned.bar), StyleFixture::Grab(plain.bar));
}

TEST(SkinStyleStatusBarTest, HostileRecordsNeverCrash) {
    StyleFixture f;
    SkinStatusBar& s = BarRecord(f);
    s.gripper.right = 2000000000;
    s.gripper.bottom = -2000000000;
    s.itemImage.left = 1000000000;
    s.lastItemImage.name = "missing.png";
    s.lastItemImage.image = nullptr;
    s.background.topHeight = -5;
    s.background.bottomHeight = 2147483647;
    s.font.height = -300;
    Bar b;
    std::unique_ptr<QStatusBar> owner(f.Styled(b.bar, kBarSize));
    EXPECT_FALSE(StyleFixture::Grab(b.bar).isNull());
    if (auto* grip = b.bar->findChild<QSizeGrip*>()) EXPECT_LE(grip->sizeHint().width(), 256);
}

}  // namespace
