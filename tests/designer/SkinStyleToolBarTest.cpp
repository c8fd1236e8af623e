// Tool bars in the test program's style: the bar's background picture, colour or nothing (transparent),
// each tool button over its state's picture with its icon plain, raised or embossed, separators and the
// gripper from their pictures or as etched lines, drop-down buttons with their parts and arrow, the platform
// look without a record, and hostile records.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "SkinStyleTestSupport.h"
#include "platform/LogFontQt.h"

namespace {

using previewtest::Count;
using previewtest::Q;
using styletest::StyleFixture;

constexpr QSize kBarSize(400, 40);
constexpr int kButtonSide = 30;
// Button pictures by the record's state: Normal, Press, Disabled, Highlighted, Selected.
const QColor kButton[5] = {QColor(200, 40, 40), QColor(40, 200, 40), QColor(150, 150, 150), QColor(240, 200, 40),
                           QColor(40, 200, 200)};
const QColor kBackground(250, 230, 200);
const QColor kBackgroundColour(120, 140, 250);
const QColor kSeparator(90, 30, 120);
const QColor kGripper(20, 110, 60);
const QColor kIconInk(10, 20, 30);
const QColor kDropLeft(220, 120, 20);
const QColor kDropRight(20, 120, 220);
const QColor kArrowInk(160, 0, 80);

SkinToolBar& BarRecord(StyleFixture& f) {
    auto& t = previewtest::New<SkinToolBar>(f.doc, 4000);
    t.backgroundColor = Color(120, 140, 250);
    t.background = f.Solid("back.png", 10, 30, kBackground);
    for (int s = 0; s < 5; ++s)
        t.buttonImages[s] = f.Solid("button" + std::to_string(s) + ".png", kButtonSide, kButtonSide, kButton[s]);
    return t;
}

QIcon DarkIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(kIconInk);
    return QIcon(pixmap);
}

// A bar with New, Open (checkable), a separator and Delete.
struct Bar {
    QToolBar* bar = new QToolBar;
    QAction* first = bar->addAction(DarkIcon(), QStringLiteral("New"));
    QAction* checkable = bar->addAction(DarkIcon(), QStringLiteral("Open"));
    QAction* separator = bar->addSeparator();
    QAction* last = bar->addAction(DarkIcon(), QStringLiteral("Delete"));
    QToolButton* Button(QAction* action) const { return qobject_cast<QToolButton*>(bar->widgetForAction(action)); }
};

// The button's top-left corner pixel inside the bar (the icon sits in the middle).
QPoint Corner(QWidget* button) { return button->geometry().topLeft() + QPoint(1, 1); }
QRect Area(QWidget* w) { return w->geometry(); }

TEST(SkinStyleToolBarTest, EachButtonStateShowsItsPicture) {
    StyleFixture f;
    BarRecord(f);
    Bar b;
    std::unique_ptr<QToolBar> owner(f.Styled(b.bar, kBarSize));
    QToolButton* button = b.Button(b.first);
    ASSERT_NE(button, nullptr);
    // Buttons are at least as large as the normal picture.
    EXPECT_GE(button->width(), kButtonSide);
    EXPECT_GE(button->height(), kButtonSide);

    EXPECT_EQ(StyleFixture::Grab(b.bar).pixelColor(Corner(button)), kButton[0]);
    StyleFixture::Hover(button);
    EXPECT_EQ(StyleFixture::Grab(b.bar).pixelColor(Corner(button)), kButton[3]);
    StyleFixture::Hover(button, false);
    button->setDown(true);
    EXPECT_EQ(StyleFixture::Grab(b.bar).pixelColor(Corner(button)), kButton[1]);
    button->setDown(false);

    b.checkable->setCheckable(true);
    b.checkable->setChecked(true);
    EXPECT_EQ(StyleFixture::Grab(b.bar).pixelColor(Corner(b.Button(b.checkable))), kButton[4]);
    b.last->setEnabled(false);
    EXPECT_EQ(StyleFixture::Grab(b.bar).pixelColor(Corner(b.Button(b.last))), kButton[2]);
}

TEST(SkinStyleToolBarTest, IconsArePlainRaisedUnderTheMouseAndEmbossedWhenDisabled) {
    StyleFixture f;
    BarRecord(f);
    Bar b;
    std::unique_ptr<QToolBar> owner(f.Styled(b.bar, kBarSize));
    const QRect first = Area(b.Button(b.first));
    const QColor shadow = Q(vd::RaisedIconShadowColor(f.doc.Env().SysColor(COLOR_BTNFACE)));
    const QColor embossShadow = Q(f.doc.Env().SysColor(COLOR_BTNSHADOW));

    QImage image = StyleFixture::Grab(b.bar);
    EXPECT_EQ(Count(image, first, kIconInk), 16 * 16);
    EXPECT_EQ(Count(image, first, shadow), 0);

    StyleFixture::Hover(b.Button(b.first));
    image = StyleFixture::Grab(b.bar);
    EXPECT_EQ(Count(image, first, kIconInk), 16 * 16);
    // The shadow shows one pixel right and below, where the raised icon has moved away: two strips.
    EXPECT_EQ(Count(image, first, shadow), 2 * 2 * 16 - 4);

    b.first->setEnabled(false);
    image = StyleFixture::Grab(b.bar);
    EXPECT_EQ(Count(image, first, kIconInk), 0);
    EXPECT_GT(Count(image, first, embossShadow), 0);
}

TEST(SkinStyleToolBarTest, CaptionsUseTheRecordFontAndTheStatesStyle) {
    StyleFixture f;
    SkinToolBar& t = BarRecord(f);
    t.font.height = -18;
    t.buttonStyles[0].textColor = Color(0, 0, 255);
    t.buttonStyles[3].textColor = Color(255, 0, 0);
    Bar b;
    b.bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    std::unique_ptr<QToolBar> owner(f.Styled(b.bar, QSize(500, 40)));
    QToolButton* button = b.Button(b.last);
    // The button is wide enough for the icon and the caption in the record's font.
    const int caption = QFontMetrics(vd::ToQFont(t.font)).horizontalAdvance(QStringLiteral("Delete"));
    EXPECT_GT(button->width(), 16 + caption);

    const QRect text = Area(button).adjusted(16 + 4, 0, 0, 0);
    QImage image = StyleFixture::Grab(b.bar);
    EXPECT_GT(previewtest::CountNear(image, text, QColor(0, 0, 255), 40), 20);
    StyleFixture::Hover(button);
    image = StyleFixture::Grab(b.bar);
    EXPECT_EQ(previewtest::CountNear(image, text, QColor(0, 0, 255), 40), 0);
    EXPECT_GT(previewtest::CountNear(image, text, QColor(255, 0, 0), 40), 20);
}

TEST(SkinStyleToolBarTest, BackgroundIsThePictureOrTheColourOrNothingWhenTransparent) {
    StyleFixture f;
    SkinToolBar& t = BarRecord(f);
    Bar b;
    std::unique_ptr<QToolBar> owner(f.Styled(b.bar, kBarSize));
    const QPoint empty(kBarSize.width() - 5, kBarSize.height() / 2);
    EXPECT_EQ(StyleFixture::Grab(b.bar).pixelColor(empty), kBackground);

    t.background = SkinImageBase();
    b.bar->update();
    EXPECT_EQ(StyleFixture::Grab(b.bar).pixelColor(empty), kBackgroundColour);

    // A transparent bar shows its parent.
    t.transparentBk = 1;
    auto host = std::make_unique<QWidget>();
    QPalette palette = host->palette();
    palette.setColor(QPalette::Window, QColor(5, 250, 5));
    host->setPalette(palette);
    host->setAutoFillBackground(true);
    Bar inner;
    inner.bar->setParent(host.get());
    f.Styled(host.get(), kBarSize);
    inner.bar->setGeometry(QRect(QPoint(0, 0), kBarSize));
    EXPECT_EQ(StyleFixture::Grab(host.get()).pixelColor(empty), QColor(5, 250, 5));
}

TEST(SkinStyleToolBarTest, SeparatorIsItsPictureOrAnEtchedLine) {
    StyleFixture f;
    SkinToolBar& t = BarRecord(f);
    constexpr int kSeparatorWidth = 4;
    t.separator = f.Solid("sep.png", kSeparatorWidth, 20, kSeparator);
    Bar b;
    std::unique_ptr<QToolBar> owner(f.Styled(b.bar, kBarSize));
    QWidget* separator = b.bar->widgetForAction(b.separator);
    ASSERT_NE(separator, nullptr);
    // The picture with two pixels of air on each side.
    EXPECT_EQ(separator->width(), kSeparatorWidth + 4);
    QImage image = StyleFixture::Grab(b.bar);
    EXPECT_EQ(image.pixelColor(Area(separator).center()), kSeparator);
    // Four pixels in from the bar's top and bottom edges.
    EXPECT_EQ(Count(image, Area(separator), kSeparator), kSeparatorWidth * (separator->height() - 8));

    t.separator = SkinImageBase();
    b.bar->setOrientation(Qt::Vertical);  // relayout for the new extent
    b.bar->setOrientation(Qt::Horizontal);
    b.bar->resize(kBarSize);
    image = StyleFixture::Grab(b.bar);
    EXPECT_EQ(Count(image, Area(separator), kSeparator), 0);
    EXPECT_GT(Count(image, Area(separator), Q(f.doc.Env().SysColor(COLOR_BTNSHADOW))), 0);
    EXPECT_GT(Count(image, Area(separator), Q(f.doc.Env().SysColor(COLOR_BTNHIGHLIGHT))), 0);

    // A vertical bar shows the lying separator, at its own height.
    t.separatorHorz = f.Solid("seph.png", 20, kSeparatorWidth, kGripper);
    b.bar->setOrientation(Qt::Vertical);
    b.bar->resize(40, 300);
    EXPECT_EQ(separator->height(), kSeparatorWidth + 4);
    image = StyleFixture::Grab(b.bar);
    EXPECT_EQ(Count(image, Area(separator), kGripper), kSeparatorWidth * (separator->width() - 8));
}

TEST(SkinStyleToolBarTest, DropDownButtonShowsItsPartsAndTheArrowInItsColour) {
    StyleFixture f;
    SkinToolBar& t = BarRecord(f);
    t.dropLeft[0] = f.Solid("dl.png", 20, 24, kDropLeft);
    t.dropRight[0] = f.Solid("dr.png", 15, 24, kDropRight);
    t.dropLeft[1] = f.Solid("dlp.png", 20, 24, kButton[1]);
    t.dropRight[4] = f.Solid("drf.png", 15, 24, kButton[4]);  // Floated
    t.arrowColors[0] = Color(160, 0, 80);
    Bar b;
    auto menu = std::make_unique<QMenu>();
    menu->addAction(QStringLiteral("Item"));
    b.first->setMenu(menu.get());
    std::unique_ptr<QToolBar> owner(f.Styled(b.bar, kBarSize));
    QToolButton* button = b.Button(b.first);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    b.bar->resize(kBarSize + QSize(1, 0));
    b.bar->resize(kBarSize);

    const QRect area = Area(button);
    const QRect strip(area.right() - 14, area.top(), 15, area.height());
    QImage image = StyleFixture::Grab(b.bar);
    EXPECT_EQ(image.pixelColor(area.topLeft() + QPoint(1, 1)), kDropLeft);
    EXPECT_EQ(image.pixelColor(strip.topLeft() + QPoint(1, 1)), kDropRight);
    EXPECT_GT(Count(image, strip, kArrowInk), 3);
    EXPECT_EQ(Count(image, strip.adjusted(-16, 0, -16, 0), kArrowInk), 0);

    // Pressing the command part floats the arrow part.
    button->setDown(true);
    image = StyleFixture::Grab(b.bar);
    EXPECT_EQ(image.pixelColor(area.topLeft() + QPoint(1, 1)), kButton[1]);
    EXPECT_EQ(image.pixelColor(strip.topLeft() + QPoint(1, 1)), kButton[4]);
    button->setDown(false);

    // While the menu is open the arrow part is down and the command part floats.
    t.dropLeft[4] = f.Solid("dlf.png", 20, 24, kButton[3]);
    t.dropRight[1] = f.Solid("drp.png", 15, 24, kButton[2]);
    QImage open;
    QTimer::singleShot(0, menu.get(), [&] {
        open = StyleFixture::Grab(b.bar);
        menu->close();
    });
    button->showMenu();
    ASSERT_FALSE(open.isNull());
    EXPECT_EQ(open.pixelColor(area.topLeft() + QPoint(1, 1)), kButton[3]);
    EXPECT_EQ(open.pixelColor(strip.topLeft() + QPoint(1, 1)), kButton[2]);
}

TEST(SkinStyleToolBarTest, GripperOfABarInAMainWindowIsItsPicture) {
    StyleFixture f;
    SkinToolBar& t = BarRecord(f);
    constexpr int kGripperWidth = 6;
    t.gripper = f.Solid("grip.png", kGripperWidth, 20, kGripper);
    auto window = std::make_unique<QMainWindow>();
    Bar b;
    window->addToolBar(b.bar);
    window->setCentralWidget(new QWidget);
    f.Styled(window.get(), QSize(400, 200));
    EXPECT_EQ(f.style.pixelMetric(QStyle::PM_ToolBarHandleExtent, nullptr, b.bar), kGripperWidth + 4);
    const QImage image = StyleFixture::Grab(b.bar);
    // At its own width, four pixels in from the handle's ends: a solid column inside the bar's edges.
    const QRect ink = previewtest::Ink(image, kGripper);
    EXPECT_EQ(ink.width(), kGripperWidth);
    EXPECT_EQ(Count(image, ink, kGripper), ink.width() * ink.height());
    EXPECT_GE(ink.top(), 4);
    EXPECT_LE(ink.bottom(), b.bar->height() - 5);
    EXPECT_GT(ink.height(), b.bar->height() / 2);
    EXPECT_LT(ink.right(), kGripperWidth + 8);
}

TEST(SkinStyleToolBarTest, WithoutARecordTheBarLooksAsTheFusionStyleDrawsIt) {
    StyleFixture f;
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    Bar skinned, plain;
    std::unique_ptr<QToolBar> a(f.Styled(skinned.bar, kBarSize));
    std::unique_ptr<QToolBar> c(plain.bar);
    plain.bar->setStyle(fusion.get());
    for (QWidget* child : plain.bar->findChildren<QWidget*>()) child->setStyle(fusion.get());
    plain.bar->resize(kBarSize);
    plain.bar->setAttribute(Qt::WA_DontShowOnScreen);
    plain.bar->show();
    skinned.last->setEnabled(false);
    plain.last->setEnabled(false);
    EXPECT_EQ(StyleFixture::Grab(skinned.bar), StyleFixture::Grab(plain.bar));
}

TEST(SkinStyleToolBarTest, HostileRecordsNeverCrash) {
    StyleFixture f;
    SkinToolBar& t = BarRecord(f);
    t.buttonImages[0].right = 2000000000;
    t.buttonImages[3].right = -40;
    t.buttonImages[1].name = "missing.png";
    t.buttonImages[1].image = nullptr;
    t.separator = f.Solid("sep.png", 4, 20, kSeparator);
    t.separator.left = 1000000000;
    t.gripper = f.Solid("grip.png", 4, 20, kGripper);
    t.gripper.right = -1000000000;
    t.dropArrow[0] = f.Solid("arrow.png", 7, 4, kArrowInk);
    t.dropArrow[0].bottom = 2147483647;
    t.buttonStyles[0].leftOffset = -2000000000;
    t.textAlign = -7;
    auto window = std::make_unique<QMainWindow>();
    Bar b;
    auto menu = std::make_unique<QMenu>();
    b.first->setMenu(menu.get());
    b.bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    window->addToolBar(b.bar);
    f.Styled(window.get(), QSize(400, 200));
    for (QAction* action : {b.first, b.checkable, b.last}) {
        StyleFixture::Hover(b.Button(action));
        b.Button(action)->setDown(true);
    }
    EXPECT_FALSE(StyleFixture::Grab(window.get()).isNull());
    EXPECT_LE(b.Button(b.first)->sizeHint().height(), 512);
    b.bar->setOrientation(Qt::Vertical);
    EXPECT_FALSE(StyleFixture::Grab(window.get()).isNull());
}

}  // namespace
