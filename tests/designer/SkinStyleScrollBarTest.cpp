// Scroll bars drawn from the skin's first scroll-bar record: every piece in the state the user puts it in,
// the thumb where the value puts it, the mouse hitting the pieces as drawn, the bars and dead corner of
// scroll areas, the platform look without a record, and hostile numbers.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QStyleFactory>

#include <climits>
#include <memory>

#include "Resource/ResObjects/ResScrollBar.h"
#include "SkinStyleRangesTestSupport.h"

namespace {

using previewtest::At;
using previewtest::Ink;
using styletest::StyleFixture;

// Bar geometry the skin below sets: horizontal bars kThick high with kButton-long arrow buttons.
constexpr int kThick = 20;
constexpr int kButton = 30;
constexpr int kLength = 200;
constexpr int kTrack = kLength - 2 * kButton;

// One colour per piece and state: piece p, state s.
QColor Colour(int piece, int state) { return QColor(40 + 50 * piece, 30 + 60 * state, 200 - 20 * piece); }
enum Piece { kBack, kBody, kFirst, kSecond, kCorner };

struct ScrollSkin : StyleFixture {
    SkinScrollBar& bar = previewtest::New<SkinScrollBar>(doc, 7000);
    ScrollSkin() {
        for (int s = 0; s < 4; ++s) {
            const auto i = static_cast<size_t>(s);
            bar.hBk[i] = bar.vBk[i] = Solid("back" + std::to_string(s), 8, 8, Colour(kBack, s));
            bar.hBar[i] = bar.vBar[i] = Solid("body" + std::to_string(s), 8, 8, Colour(kBody, s));
            bar.leftBtn[i] = bar.upBtn[i] = Solid("first" + std::to_string(s), 8, 8, Colour(kFirst, s));
            bar.rightBtn[i] = bar.downBtn[i] = Solid("second" + std::to_string(s), 8, 8, Colour(kSecond, s));
        }
        bar.deadCorner[0] = Solid("corner", 8, 8, Colour(kCorner, 0));
        bar.deadCorner[1] = Solid("cornerOff", 8, 8, Colour(kCorner, 2));
        bar.hHeight = bar.vWidth = kThick;
        bar.hBtnWidth = bar.vBtnHeight = kButton;
    }
    QScrollBar* Bar(QWidget& owner, Qt::Orientation orientation, int max = 100, int page = 20) {
        auto* b = new QScrollBar(orientation, &owner);
        b->setRange(0, max);
        b->setPageStep(page);
        return Styled(b, orientation == Qt::Horizontal ? QSize(kLength, kThick) : QSize(kThick, kLength));
    }
};

const int kMid = kThick / 2;

TEST(SkinStyleScrollBarTest, NormalBarShowsEveryPieceAndTheThumbAtTheValue) {
    ScrollSkin f;
    QWidget owner;
    QScrollBar* bar = f.Bar(owner, Qt::Horizontal);
    EXPECT_EQ(bar->sizeHint().height(), kThick);
    QImage image = StyleFixture::Grab(bar);
    EXPECT_EQ(At(image, 5, kMid), Colour(kFirst, 0));
    EXPECT_EQ(At(image, kLength - 5, kMid), Colour(kSecond, 0));
    EXPECT_EQ(At(image, kLength - kButton - 5, kMid), Colour(kBack, 0));
    // At the start the thumb touches the first button; its length is the page's share of the track.
    QRect thumb = Ink(image, Colour(kBody, 0));
    EXPECT_EQ(thumb.left(), kButton);
    const double share = 20.0 / (100 + 20) * kTrack;
    EXPECT_NEAR(thumb.width(), share, 2.0);
    EXPECT_EQ(thumb.height(), kThick);

    // At the end it reaches the second button (its start and length each truncated, so it may stop a
    // pixel short, as the preview's does).
    bar->setValue(100);
    image = StyleFixture::Grab(bar);
    thumb = Ink(image, Colour(kBody, 0));
    EXPECT_NEAR(thumb.right(), kLength - kButton - 1, 1);
    // Half way, its middle is half way along the room it travels.
    bar->setValue(50);
    thumb = Ink(StyleFixture::Grab(bar), Colour(kBody, 0));
    EXPECT_NEAR(thumb.left() - kButton, (kTrack - thumb.width()) / 2.0, 1.5);
}

TEST(SkinStyleScrollBarTest, VerticalBarRunsDownwards) {
    ScrollSkin f;
    QWidget owner;
    QScrollBar* bar = f.Bar(owner, Qt::Vertical);
    EXPECT_EQ(bar->sizeHint().width(), kThick);
    bar->setValue(100);
    const QImage image = StyleFixture::Grab(bar);
    EXPECT_EQ(At(image, kMid, 5), Colour(kFirst, 0));
    EXPECT_EQ(At(image, kMid, kLength - 5), Colour(kSecond, 0));
    const QRect thumb = Ink(image, Colour(kBody, 0));
    EXPECT_NEAR(thumb.bottom(), kLength - kButton - 1, 1);
    EXPECT_EQ(thumb.width(), kThick);
}

TEST(SkinStyleScrollBarTest, DisabledBarShowsDisabledPiecesAndNoThumb) {
    ScrollSkin f;
    QWidget owner;
    QScrollBar* bar = f.Bar(owner, Qt::Horizontal);
    bar->setEnabled(false);
    const QImage image = StyleFixture::Grab(bar);
    EXPECT_EQ(At(image, 5, kMid), Colour(kFirst, 2));
    EXPECT_EQ(At(image, kLength - 5, kMid), Colour(kSecond, 2));
    EXPECT_EQ(At(image, kButton + 2, kMid), Colour(kBack, 2));
    for (int s = 0; s < 4; ++s) EXPECT_TRUE(Ink(image, Colour(kBody, s)).isEmpty()) << s;
}

TEST(SkinStyleScrollBarTest, PressedPieceShowsPressedAndTheOthersStayNormal) {
    ScrollSkin f;
    QWidget owner;
    QScrollBar* bar = f.Bar(owner, Qt::Horizontal);
    bar->setValue(50);
    // Holding the first arrow.
    styletest::Press(bar, QPoint(5, kMid));
    QImage image = StyleFixture::Grab(bar);
    EXPECT_EQ(At(image, 5, kMid), Colour(kFirst, 1));
    EXPECT_EQ(At(image, kLength - 5, kMid), Colour(kSecond, 0));
    EXPECT_FALSE(Ink(image, Colour(kBody, 0)).isEmpty());
    styletest::Release(bar, QPoint(5, kMid));
    image = StyleFixture::Grab(bar);
    EXPECT_EQ(At(image, 5, kMid), Colour(kFirst, 0));

    // Holding the track after the thumb: that stretch of track is pressed, the one before it is not.
    bar->setValue(0);
    const QPoint page(kLength - kButton - 3, kMid);
    styletest::Press(bar, page);
    image = StyleFixture::Grab(bar);
    const QRect thumb = Ink(image, Colour(kBody, 0));
    ASSERT_FALSE(thumb.isEmpty());
    EXPECT_EQ(At(image, page), Colour(kBack, 1));
    if (thumb.left() > kButton) EXPECT_EQ(At(image, kButton, kMid), Colour(kBack, 0));
    styletest::Release(bar, page);
}

TEST(SkinStyleScrollBarTest, HoveredPieceShowsHighlighted) {
    ScrollSkin f;
    QWidget owner;
    QScrollBar* bar = f.Bar(owner, Qt::Horizontal);
    const QRect thumb = Ink(StyleFixture::Grab(bar), Colour(kBody, 0));
    styletest::HoverAt(bar, thumb.center());
    QImage image = StyleFixture::Grab(bar);
    EXPECT_EQ(At(image, thumb.center()), Colour(kBody, 3));
    EXPECT_EQ(At(image, 5, kMid), Colour(kFirst, 0));
    styletest::HoverAt(bar, QPoint(kLength - 5, kMid));
    image = StyleFixture::Grab(bar);
    EXPECT_EQ(At(image, kLength - 5, kMid), Colour(kSecond, 3));
    EXPECT_EQ(At(image, thumb.center()), Colour(kBody, 0));
}

TEST(SkinStyleScrollBarTest, MouseHitsThePiecesAsDrawn) {
    ScrollSkin f;
    QWidget owner;
    QScrollBar* bar = f.Bar(owner, Qt::Horizontal);
    bar->setSingleStep(3);
    // The skin's second button is kButton long: a click just inside it steps once.
    const QPoint second(kLength - kButton + 1, kMid);
    styletest::Press(bar, second);
    styletest::Release(bar, second);
    EXPECT_EQ(bar->value(), 3);
    // Dragging the thumb to the far end scrolls to the end.
    const QRect thumb = Ink(StyleFixture::Grab(bar), Colour(kBody, 0));
    styletest::Press(bar, thumb.center());
    styletest::DragTo(bar, QPoint(kLength + 50, kMid));
    styletest::Release(bar, QPoint(kLength + 50, kMid));
    EXPECT_EQ(bar->value(), 100);
}

TEST(SkinStyleScrollBarTest, ScrollAreasTakeTheSkinnedBarsAndDeadCorner) {
    ScrollSkin f;
    auto list = std::make_unique<QListWidget>();
    for (int i = 0; i < 40; ++i) list->addItem(QStringLiteral("A rather long line of text, number %1").arg(i));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    f.Styled(list.get(), QSize(160, 160));
    QCoreApplication::processEvents();  // the area lays its bars out again at the skin's thickness
    EXPECT_EQ(list->verticalScrollBar()->width(), kThick);
    EXPECT_EQ(list->horizontalScrollBar()->height(), kThick);
    const QImage image = StyleFixture::Grab(list.get());
    const QRect vertical = list->verticalScrollBar()->geometry().translated(list->verticalScrollBar()->parentWidget()->mapTo(list.get(), QPoint()));
    EXPECT_EQ(At(image, vertical.center().x(), vertical.top() + 3), Colour(kFirst, 0));
    // The square between the two bars is the skin's dead corner.
    const QRect horizontal = list->horizontalScrollBar()->geometry().translated(list->horizontalScrollBar()->parentWidget()->mapTo(list.get(), QPoint()));
    EXPECT_EQ(At(image, vertical.center().x(), horizontal.center().y()), Colour(kCorner, 0));
}

TEST(SkinStyleScrollBarTest, WithoutARecordTheBarIsFusions) {
    StyleFixture f;  // a document holding no scroll bar
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    auto grab = [&](QStyle* style) {
        QScrollBar bar(Qt::Horizontal);
        bar.setRange(0, 100);
        bar.setValue(30);
        if (style == &f.style) {
            f.Styled(&bar, QSize(kLength, 16));
        } else {
            bar.setStyle(style);
            bar.resize(kLength, 16);
            bar.setAttribute(Qt::WA_DontShowOnScreen);
            bar.show();
        }
        return StyleFixture::Grab(&bar);
    };
    EXPECT_TRUE(styletest::SameImage(grab(&f.style), grab(fusion.get())));
}

// Thicknesses, button lengths, corners and ranges no sane skin holds: drawn without crashing, and the bar
// keeps a usable size.
TEST(SkinStyleScrollBarTest, HostileNumbersNeverCrash) {
    ScrollSkin f;
    f.bar.hHeight = -5;
    f.bar.vWidth = INT_MAX;
    f.bar.hBtnWidth = INT_MAX;
    f.bar.vBtnHeight = -INT_MAX;
    for (auto* states : {&f.bar.hBar, &f.bar.vBar})
        for (SkinImageBase& body : *states) body.leftWidth = body.rightWidth = body.topHeight = body.bottomHeight = INT_MAX / 2;
    f.bar.hThumb[0] = f.Solid("grip", 4, 4, Qt::black);
    f.bar.hThumb[0].right = INT_MAX;  // a slice reaching far past its picture
    f.bar.leftArrow[0].name = "missing.png";  // names no picture
    QWidget owner;
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical})
        for (const auto& [min, max, page] : {std::tuple{0, 0, 0}, std::tuple{INT_MIN, INT_MAX, INT_MAX},
                                             std::tuple{5, 6, 0}, std::tuple{0, 100, -3}}) {
            QScrollBar* bar = f.Bar(owner, orientation, 0, 0);
            bar->setRange(min, max);
            bar->setPageStep(page);
            bar->setValue(max);
            const QSize hint = bar->sizeHint();
            EXPECT_GT(hint.width(), 0);
            EXPECT_LT(hint.width(), 2000);
            EXPECT_LT(hint.height(), 2000);
            EXPECT_FALSE(StyleFixture::Grab(bar).isNull());
            bar->resize(0, 0);
            StyleFixture::Grab(bar);
        }
}

}  // namespace
