// MDI children dressed in the test window's frame: the caption picture and the borders, the MDI close and
// minimise pictures as title bar buttons (hovered, pressed, inactive), the inactive caption, the contents
// inside the frame, the minimised child showing the minimised caption with its restore button, the
// frame's minimised-caption buttons taking their places, the platform look without a frame, and hostile
// frames.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyleFactory>

#include <array>
#include <memory>
#include <string>

#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "SkinStyleRangesTestSupport.h"
#include "testskin/MdiChildStylePart.h"

namespace {

using previewtest::New;
using styletest::StyleFixture;

constexpr int kCaption = 24;
constexpr int kBorder = 4;
constexpr int kButtonW = 16, kButtonH = 14;
constexpr int kMinCaption = 30;
const QSize kChildSize(220, 110);
const QColor kActiveCaption(230, 120, 20), kInactiveCaption(150, 150, 170), kBorderColour(90, 50, 10);
const QColor kMinCaptionColour(20, 160, 90), kInactiveMinCaptionColour(100, 180, 140);

// A colour per MDI button (close 0, minimise 1, restore 2) and picture state (Normal … Inactive).
QColor ButtonColour(int button, int state) { return QColor(20 + 80 * button, 200 - 30 * state, 60 + 40 * state); }

struct ChildFixture : StyleFixture {
    SkinFrame& frame = New<SkinFrame>(doc, 3000);
    QMdiArea area;
    QMdiSubWindow* child = nullptr;

    ChildFixture() {
        frame.activeTop = Solid("top.png", 100, kCaption, kActiveCaption);
        frame.inactiveTop = Solid("itop.png", 100, kCaption, kInactiveCaption);
        frame.activeLeft = Solid("left.png", kBorder, 40, kBorderColour);
        frame.activeRight = Solid("right.png", kBorder, 40, kBorderColour);
        frame.activeBottom = Solid("bottom.png", 40, kBorder, kBorderColour);
        frame.activeMinCaption = Solid("min.png", 160, kMinCaption, kMinCaptionColour);
        frame.inactiveMinCaption = Solid("imin.png", 160, kMinCaption, kInactiveMinCaptionColour);
        frame.captionActive.horzAlign = 2;  // the title keeps to the right, clear of the pixels looked at
        std::array<std::array<SkinImageBase, 5>*, 3> sets = {&frame.mdiClose, &frame.mdiMin, &frame.mdiRestore};
        for (int b = 0; b < 3; ++b)
            for (int s = 0; s < 5; ++s)
                (*sets[static_cast<size_t>(b)])[static_cast<size_t>(s)] =
                    Solid("b" + std::to_string(b) + std::to_string(s) + ".png", kButtonW, kButtonH, ButtonColour(b, s));
        style.SetSource(&doc, &frame);
        child = AddChild(QStringLiteral("Doc"));
        Styled(&area, QSize(420, 320));
        area.setActiveSubWindow(child);
        QCoreApplication::processEvents();
    }
    QMdiSubWindow* AddChild(const QString& title) {
        auto* sub = new QMdiSubWindow;
        sub->setWidget(new QLabel(title));
        sub->setWindowTitle(title);
        area.addSubWindow(sub);
        sub->resize(kChildSize);
        sub->move(8, 8);
        sub->show();
        return sub;
    }
    // The child's pixels as the area shows them.
    QImage GrabChild(QMdiSubWindow* sub) {
        return Grab(&area).copy(QRect(sub->mapTo(&area, QPoint(0, 0)), sub->size()));
    }
};

// Close at the right, inside the frame's right border width; minimise two pixels left of it.
QRect CloseRect(const SkinFrame& f, int width) {
    return QRect(width - f.rightMargin - kButtonW, (kCaption - kButtonH) / 2, kButtonW, kButtonH);
}
QRect MinRect(const SkinFrame& f, int width) { return CloseRect(f, width).translated(-kButtonW - 2, 0); }

TEST(SkinStyleMdiChildTest, CaptionBordersAndButtonsComeFromTheFrame) {
    ChildFixture f;
    const QImage image = f.GrabChild(f.child);
    previewtest::SaveIfAsked(image, QStringLiteral("mdi-child"));
    ASSERT_EQ(image.size(), kChildSize);
    EXPECT_EQ(image.pixelColor(40, 3), kActiveCaption);
    // The side borders run the whole height (vertical fit), up to the window's very corners.
    EXPECT_EQ(image.pixelColor(0, 0), kBorderColour);
    EXPECT_EQ(image.pixelColor(kChildSize.width() - 1, 0), kBorderColour);
    EXPECT_EQ(image.pixelColor(1, kChildSize.height() / 2), kBorderColour);
    EXPECT_EQ(image.pixelColor(kChildSize.width() - 2, kChildSize.height() / 2), kBorderColour);
    EXPECT_EQ(image.pixelColor(kChildSize.width() / 2, kChildSize.height() - 2), kBorderColour);
    EXPECT_EQ(image.pixelColor(CloseRect(f.frame, kChildSize.width()).center()), ButtonColour(0, 0));
    EXPECT_EQ(image.pixelColor(MinRect(f.frame, kChildSize.width()).center()), ButtonColour(1, 0));
    // No restore button on a child in its normal state, and the contents sit inside the frame.
    EXPECT_EQ(previewtest::Count(image, image.rect(), ButtonColour(2, 0)), 0);
    EXPECT_EQ(f.child->widget()->geometry(),
              QRect(kBorder, kCaption, kChildSize.width() - 2 * kBorder, kChildSize.height() - kCaption - kBorder));
}

TEST(SkinStyleMdiChildTest, AnotherCaptionHeightTakesEffectOnRefresh) {
    ChildFixture f;
    f.frame.activeTop = f.Solid("tall.png", 100, 40, kActiveCaption);
    f.style.Refresh();
    QCoreApplication::processEvents();
    EXPECT_EQ(f.child->widget()->geometry().top(), 40);
    EXPECT_EQ(f.GrabChild(f.child).pixelColor(40, 36), kActiveCaption);
}

TEST(SkinStyleMdiChildTest, ButtonsLightUnderTheMouseAndShowPressed) {
    ChildFixture f;
    const QRect close = CloseRect(f.frame, kChildSize.width());
    styletest::Mouse(f.child, QEvent::MouseMove, close.center(), Qt::NoButton);
    EXPECT_EQ(f.GrabChild(f.child).pixelColor(close.center()), ButtonColour(0, 3));
    EXPECT_EQ(f.GrabChild(f.child).pixelColor(MinRect(f.frame, kChildSize.width()).center()), ButtonColour(1, 0));
    styletest::Press(f.child, close.center());
    EXPECT_EQ(f.GrabChild(f.child).pixelColor(close.center()), ButtonColour(0, 1));
}

TEST(SkinStyleMdiChildTest, InactiveChildShowsTheInactiveLook) {
    ChildFixture f;
    QMdiSubWindow* other = f.AddChild(QStringLiteral("Other"));
    other->move(240, 8);
    f.area.setActiveSubWindow(other);
    QCoreApplication::processEvents();
    const QImage image = f.GrabChild(f.child);
    EXPECT_EQ(image.pixelColor(40, 3), kInactiveCaption);
    EXPECT_EQ(image.pixelColor(CloseRect(f.frame, kChildSize.width()).center()), ButtonColour(0, 4));
    EXPECT_EQ(f.GrabChild(other).pixelColor(40, 3), kActiveCaption);
}

TEST(SkinStyleMdiChildTest, MinimisedChildShowsTheMinimisedCaption) {
    ChildFixture f;
    f.child->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_EQ(f.child->size(), QSize(160, kMinCaption));
    const QImage image = f.GrabChild(f.child);
    previewtest::SaveIfAsked(image, QStringLiteral("mdi-minimised"));
    EXPECT_EQ(image.pixelColor(40, 2), kMinCaptionColour);
    EXPECT_EQ(previewtest::Count(image, image.rect(), kActiveCaption), 0);
    // Restore and close at its right end, two pixels in, the restore button adjacent to close's gap.
    const QRect close(160 - 2 - kButtonW, (kMinCaption - kButtonH) / 2, kButtonW, kButtonH);
    EXPECT_EQ(image.pixelColor(close.center()), ButtonColour(0, 0));
    EXPECT_EQ(image.pixelColor(close.translated(-kButtonW - 2, 0).center()), ButtonColour(2, 0));
    // Inactive, it shows the inactive minimised caption.
    QMdiSubWindow* other = f.AddChild(QStringLiteral("Other"));
    f.area.setActiveSubWindow(other);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.GrabChild(f.child).pixelColor(40, 2), kInactiveMinCaptionColour);
}

TEST(SkinStyleMdiChildTest, MinimisedCaptionButtonsOfTheFrameTakeTheirPlaces) {
    ChildFixture f;
    SkinSysButton& restore = New<SkinSysButton>(f.doc, 3500);
    restore.ownerFrameId = f.frame.ID;
    restore.type = 8;  // Min-Restore
    const QColor face(255, 10, 200);
    restore.images[0] = f.Solid("minrestore.png", 12, 12, face);
    restore.placement.horz = {};
    restore.placement.horz.alignType = 0;
    restore.placement.horz.spaceType = 3;
    restore.placement.horz.nearOffset = 100;
    restore.placement.horz.sizeValue = 12;
    restore.placement.horz.ignore = 0;
    restore.placement.vert = {};
    restore.placement.vert.spaceType = 3;
    restore.placement.vert.nearOffset = 3;
    restore.placement.vert.sizeValue = 12;
    restore.placement.vert.ignore = 0;
    f.child->showMinimized();
    QCoreApplication::processEvents();
    const QImage image = f.GrabChild(f.child);
    EXPECT_EQ(image.pixelColor(106, 9), face);
    // The MDI pictures give way to the frame's own buttons.
    EXPECT_EQ(previewtest::Count(image, image.rect(), ButtonColour(0, 0)), 0);
    QStyleOptionTitleBar option;
    option.initFrom(f.child);
    option.rect = QRect(0, 0, 160, kMinCaption);
    option.titleBarState = Qt::WindowMinimized;
    option.titleBarFlags = f.child->windowFlags();
    EXPECT_EQ(f.style.subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarNormalButton, f.child),
              QRect(100, 3, 12, 12));
}

TEST(SkinStyleMdiChildTest, ButtonStateOrder) {
    QStyleOptionTitleBar option;
    option.state = QStyle::State_Enabled | QStyle::State_Active | QStyle::State_MouseOver;
    option.activeSubControls = QStyle::SC_TitleBarCloseButton;
    EXPECT_EQ(MdiChildStylePart::MdiButtonState(option, QStyle::SC_TitleBarCloseButton), 3);
    EXPECT_EQ(MdiChildStylePart::MdiButtonState(option, QStyle::SC_TitleBarMinButton), 0);
    option.state |= QStyle::State_Sunken;
    EXPECT_EQ(MdiChildStylePart::MdiButtonState(option, QStyle::SC_TitleBarCloseButton), 1);
    option.state &= ~QStyle::State_Active;
    EXPECT_EQ(MdiChildStylePart::MdiButtonState(option, QStyle::SC_TitleBarCloseButton), 4);
    option.state &= ~QStyle::State_Enabled;
    EXPECT_EQ(MdiChildStylePart::MdiButtonState(option, QStyle::SC_TitleBarCloseButton), 2);
}

TEST(SkinStyleMdiChildTest, WithoutAFrameItIsFusions) {
    StyleFixture f;
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    auto build = [](QMdiArea& area) {
        auto* sub = new QMdiSubWindow;
        sub->setWidget(new QWidget);
        sub->setWindowTitle(QStringLiteral("Same"));
        area.addSubWindow(sub);
        sub->resize(kChildSize);
        sub->move(8, 8);
        return sub;
    };
    QMdiArea mine, theirs;
    QMdiSubWindow* mineChild = build(mine);
    QMdiSubWindow* theirChild = build(theirs);
    f.Styled(&mine, QSize(300, 200));
    theirs.setStyle(fusion.get());
    for (QWidget* w : theirs.findChildren<QWidget*>()) w->setStyle(fusion.get());
    theirs.resize(300, 200);
    theirs.setAttribute(Qt::WA_DontShowOnScreen);
    theirs.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(mineChild->widget()->geometry(), theirChild->widget()->geometry());
    EXPECT_EQ(StyleFixture::Grab(mineChild), StyleFixture::Grab(theirChild));
}

TEST(SkinStyleMdiChildTest, HostileFramesNeverCrash) {
    ChildFixture f;
    f.frame.activeTop.bottom = 1 << 30;
    f.frame.activeLeft.right = -(1 << 30);
    f.frame.activeRight.leftWidth = 1 << 30;
    f.frame.mdiClose[0].right = f.frame.mdiClose[0].left;  // an empty picture
    f.frame.mdiMin = {};                                     // no pictures at all
    f.frame.rightMargin = -(1 << 30);
    f.frame.leftMargin = 1 << 30;
    f.frame.iconLeftOffset = 1 << 30;
    f.frame.activeMinCaption.bottom = -5;
    f.style.Refresh();
    QCoreApplication::processEvents();
    EXPECT_LE(f.child->widget()->geometry().top(), 256);
    StyleFixture::Grab(&f.area);
    f.child->showMinimized();
    QCoreApplication::processEvents();
    StyleFixture::Grab(&f.area);
    f.child->showMaximized();
    QCoreApplication::processEvents();
    StyleFixture::Grab(&f.area);
    f.child->resize(1, 1);
    StyleFixture::Grab(&f.area);
}

}  // namespace
