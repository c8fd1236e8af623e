// Progress bars drawn from the skin's first progress record: filled as far as the value says, from the
// end the bar and the skin's "R" choose, from pictures or colours, with the text in its two colours; busy
// bars sweep; the platform look without a record; hostile values never crash.

#include <gtest/gtest.h>

#include <QProgressBar>
#include <QStyleFactory>

#include <climits>
#include <memory>

#include "Resource/ResObjects/ResProgressBar.h"
#include "SkinStyleRangesTestSupport.h"
#include "testskin/ProgressBarStylePart.h"

namespace {

using previewtest::At;
using previewtest::CountNear;
using styletest::StyleFixture;

constexpr int kLong = 200;
constexpr int kThick = 24;
const QColor kBack(230, 220, 200);
const QColor kFill(30, 110, 40);

struct ProgressSkin : StyleFixture {
    SkinProgressBar& bar = previewtest::New<SkinProgressBar>(doc, 6000);
    ProgressSkin() {
        bar.background = Solid("back", 10, 10, kBack);
        bar.foreground = Solid("fill", 10, 10, kFill);
        bar.drawType = 0;
        bar.showText = 0;
    }
    QProgressBar* Bar(QWidget& owner, int value, Qt::Orientation orientation = Qt::Horizontal) {
        auto* b = new QProgressBar(&owner);
        b->setOrientation(orientation);
        b->setRange(0, 100);
        b->setValue(value);
        return Styled(b, orientation == Qt::Horizontal ? QSize(kLong, kThick) : QSize(kThick, kLong));
    }
};

const int kMid = kThick / 2;

TEST(SkinStyleProgressBarTest, FillsAsFarAsTheValueFromTheChosenEnd) {
    ProgressSkin f;
    QWidget owner;
    QProgressBar* bar = f.Bar(owner, 30);
    const int filled = kLong * 30 / 100;
    QImage image = StyleFixture::Grab(bar);
    EXPECT_EQ(At(image, filled - 1, kMid), kFill);
    EXPECT_EQ(At(image, filled, kMid), kBack);

    bar->setInvertedAppearance(true);
    image = StyleFixture::Grab(bar);
    EXPECT_EQ(At(image, kLong - filled, kMid), kFill);
    EXPECT_EQ(At(image, kLong - filled - 1, kMid), kBack);

    // The skin's "R" turns it round once more.
    f.bar.r = 1;
    image = StyleFixture::Grab(bar);
    EXPECT_EQ(At(image, filled - 1, kMid), kFill);
    EXPECT_EQ(At(image, filled, kMid), kBack);
}

TEST(SkinStyleProgressBarTest, VerticalBarGrowsUpwards) {
    ProgressSkin f;
    QWidget owner;
    QProgressBar* bar = f.Bar(owner, 25, Qt::Vertical);
    const int filled = kLong / 4;
    const QImage image = StyleFixture::Grab(bar);
    EXPECT_EQ(At(image, kMid, kLong - filled), kFill);
    EXPECT_EQ(At(image, kMid, kLong - filled - 1), kBack);
}

TEST(SkinStyleProgressBarTest, ColourTypeFillsWithTheSkinsColours) {
    ProgressSkin f;
    f.bar.drawType = 2;
    f.bar.bkStart = f.bar.bkEnd = Color(250, 240, 100);
    f.bar.fgStart = f.bar.fgEnd = Color(100, 20, 160);
    QWidget owner;
    QProgressBar* bar = f.Bar(owner, 50);
    const QImage image = StyleFixture::Grab(bar);
    EXPECT_EQ(At(image, kLong / 4, kMid), QColor(100, 20, 160));
    EXPECT_EQ(At(image, kLong * 3 / 4, kMid), QColor(250, 240, 100));
}

TEST(SkinStyleProgressBarTest, TextTakesOneColourOverTheFillAndTheOtherBeside) {
    ProgressSkin f;
    f.bar.showText = 1;
    f.bar.textFormat = "%.0f%%";
    f.bar.textNormal = Color(255, 0, 0);
    f.bar.textOver = Color(0, 0, 255);
    f.bar.font.height = -18;
    f.bar.font.weight = 700;
    QWidget owner;
    QProgressBar* bar = f.Bar(owner, 50);
    const QImage image = StyleFixture::Grab(bar);
    const QRect left(0, 0, kLong / 2, kThick), right(kLong / 2, 0, kLong / 2, kThick);
    EXPECT_GT(CountNear(image, left, QColor(0, 0, 255), 60), 5);
    EXPECT_EQ(CountNear(image, left, QColor(255, 0, 0), 60), 0);
    EXPECT_GT(CountNear(image, right, QColor(255, 0, 0), 60), 5);
    EXPECT_EQ(CountNear(image, right, QColor(0, 0, 255), 60), 0);

    // The widget hiding its text hides the skin's.
    bar->setTextVisible(false);
    EXPECT_EQ(CountNear(StyleFixture::Grab(bar), QRect(0, 0, kLong, kThick), QColor(255, 0, 0), 60), 0);
}

TEST(SkinStyleProgressBarTest, BusyBlockSweepsAlongTheBar) {
    using Part = ProgressBarStylePart;
    const int sweep = Part::kBusySweepMs;
    // Each span lies on the bar, and the block goes somewhere as time passes.
    for (const int length : {0, 1, 3, kLong})
        for (qint64 t = -sweep; t <= 2 * sweep; t += sweep / 16) {
            const auto [from, to] = Part::BusySpan(t, length);
            EXPECT_LE(0, from);
            EXPECT_LE(from, to);
            EXPECT_LE(to, length);
        }
    const auto quarter = Part::BusySpan(sweep / 4, kLong);
    const auto half = Part::BusySpan(sweep / 2, kLong);
    EXPECT_LT(quarter.first, half.first);
    EXPECT_GT(half.second - half.first, 0);
    EXPECT_LE(half.second - half.first, kLong / 4);
    EXPECT_EQ(Part::BusySpan(sweep / 2 + sweep, kLong), half);  // it repeats each sweep
    // Over one sweep the block's leading edge reaches both ends.
    bool start = false, end = false;
    for (qint64 t = 0; t < sweep; ++t) {
        const auto [from, to] = Part::BusySpan(t, kLong);
        start = start || (from == 0 && to > 0);
        end = end || to == kLong;
    }
    EXPECT_TRUE(start);
    EXPECT_TRUE(end);

    // A busy widget paints without a crash.
    ProgressSkin f;
    QWidget owner;
    QProgressBar* bar = f.Bar(owner, 0);
    bar->setRange(0, 0);
    EXPECT_FALSE(StyleFixture::Grab(bar).isNull());
}

TEST(SkinStyleProgressBarTest, WithoutARecordTheBarIsFusions) {
    StyleFixture f;
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QProgressBar skinned;
    skinned.setValue(40);
    f.Styled(&skinned, QSize(kLong, kThick));
    QProgressBar plain;
    plain.setValue(40);
    plain.setStyle(fusion.get());
    plain.resize(kLong, kThick);
    plain.setAttribute(Qt::WA_DontShowOnScreen);
    plain.show();
    EXPECT_TRUE(styletest::SameImage(StyleFixture::Grab(&skinned), StyleFixture::Grab(&plain)));
}

TEST(SkinStyleProgressBarTest, HostileValuesNeverCrash) {
    ProgressSkin f;
    f.bar.showText = 1;
    f.bar.textFormat = "%s%n%d%99999.99999f";
    f.bar.foreground.right = INT_MAX;
    f.bar.background.leftWidth = INT_MAX;
    f.bar.bkStep = INT_MIN;
    QWidget owner;
    for (const int type : {0, 1, 2, 7})
        for (const auto& [min, max, value] : {std::tuple{INT_MIN, INT_MAX, INT_MAX}, std::tuple{5, 5, 5},
                                              std::tuple{0, 100, -50}}) {
            f.bar.drawType = type;
            QProgressBar* bar = f.Bar(owner, 0);
            bar->setRange(min, max);
            bar->setValue(value);
            EXPECT_LT(bar->sizeHint().height(), 2000);
            EXPECT_FALSE(StyleFixture::Grab(bar).isNull());
            bar->resize(1, 1);
            StyleFixture::Grab(bar);
        }
}

}  // namespace
