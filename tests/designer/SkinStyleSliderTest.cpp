// Sliders drawn from the skin's first trackbar record: the channel and the thumb in each state, the thumb
// shape the tick marks ask for, the thumb where the value puts it and caught where it is drawn, the
// platform look without a record, and hostile picture sizes.

#include <gtest/gtest.h>

#include <QSlider>
#include <QStyleFactory>

#include <climits>
#include <memory>

#include "Resource/ResObjects/ResTrackBar.h"
#include "SkinStyleRangesTestSupport.h"

namespace {

using previewtest::At;
using previewtest::Ink;
using styletest::StyleFixture;

// The thumb pictures are kThumbLong along the bar and kThumbThick across it; the channel kChannel thick.
constexpr int kThumbLong = 10;
constexpr int kThumbThick = 20;
constexpr int kChannel = 4;
constexpr int kLength = 200;
constexpr int kTickRoom = 5;  // what a side with tick marks adds across

QColor Thumb(int shape, int state) { return QColor(20 + 40 * shape, 40 + 40 * state, 90); }
const QColor kChannelOn(200, 180, 10);
const QColor kChannelOff(150, 150, 150);
enum Shape { kPlain, kDown, kVertical };

struct SliderSkin : StyleFixture {
    SkinTrackbar& track = previewtest::New<SkinTrackbar>(doc, 14000);
    SliderSkin() {
        for (int s = 0; s < 5; ++s) {
            const auto i = static_cast<size_t>(s);
            const std::string n = std::to_string(s);
            track.thumbHorz.images[i] = Solid("plain" + n, kThumbLong, kThumbThick, Thumb(kPlain, s));
            track.thumbDown.images[i] = Solid("down" + n, kThumbLong, kThumbThick, Thumb(kDown, s));
            track.thumbVert.images[i] = Solid("vert" + n, kThumbThick, kThumbLong, Thumb(kVertical, s));
        }
        track.horzChannel[0] = Solid("channel", 30, kChannel, kChannelOn);
        track.horzChannel[1] = Solid("channelOff", 30, kChannel, kChannelOff);
        track.vertChannel[0] = Solid("vchannel", kChannel, 30, kChannelOn);
        track.vertChannel[1] = Solid("vchannelOff", kChannel, 30, kChannelOff);
    }
    QSlider* Slider(QWidget& owner, Qt::Orientation orientation = Qt::Horizontal) {
        auto* s = new QSlider(orientation, &owner);
        s->setRange(0, 100);
        style.ApplyTo(s);
        const QSize hint = s->sizeHint();
        return Styled(s, orientation == Qt::Horizontal ? QSize(kLength, hint.height()) : QSize(hint.width(), kLength));
    }
};

TEST(SkinStyleSliderTest, ThumbSitsOnTheChannelWhereTheValueSaysInEachState) {
    SliderSkin f;
    QWidget owner;
    QSlider* slider = f.Slider(owner);
    EXPECT_EQ(slider->height(), kThumbThick);
    QImage image = StyleFixture::Grab(slider);
    QRect thumb = Ink(image, Thumb(kPlain, 0));
    EXPECT_EQ(thumb, QRect(0, 0, kThumbLong, kThumbThick));
    // The channel runs the whole length at its own thickness, centred across.
    EXPECT_EQ(Ink(image, kChannelOn), QRect(kThumbLong, (kThumbThick - kChannel) / 2, kLength - kThumbLong, kChannel));

    slider->setValue(100);
    thumb = Ink(StyleFixture::Grab(slider), Thumb(kPlain, 0));
    EXPECT_EQ(thumb.right(), kLength - 1);
    slider->setValue(50);
    thumb = Ink(StyleFixture::Grab(slider), Thumb(kPlain, 0));
    EXPECT_NEAR(thumb.left(), (kLength - kThumbLong) / 2.0, 1.0);

    // Hovered, pressed, disabled.
    styletest::HoverAt(slider, thumb.center());
    EXPECT_EQ(At(StyleFixture::Grab(slider), thumb.center()), Thumb(kPlain, 3));
    styletest::Press(slider, thumb.center());
    EXPECT_EQ(At(StyleFixture::Grab(slider), thumb.center()), Thumb(kPlain, 1));
    styletest::Release(slider, thumb.center());
    slider->setEnabled(false);
    image = StyleFixture::Grab(slider);
    EXPECT_EQ(At(image, thumb.center()), Thumb(kPlain, 2));
    EXPECT_EQ(At(image, 2, kThumbThick / 2), kChannelOff);
}

TEST(SkinStyleSliderTest, TicksBelowTakeTheDownPointingThumbAboveTheirRoom) {
    SliderSkin f;
    QWidget owner;
    auto* slider = new QSlider(Qt::Horizontal, &owner);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(10);
    f.style.ApplyTo(slider);
    EXPECT_EQ(slider->sizeHint().height(), kThumbThick + kTickRoom);
    f.Styled(slider, QSize(kLength, kThumbThick + kTickRoom));
    const QImage image = StyleFixture::Grab(slider);
    EXPECT_EQ(Ink(image, Thumb(kDown, 0)), QRect(0, 0, kThumbLong, kThumbThick));
    EXPECT_TRUE(Ink(image, Thumb(kPlain, 0)).isEmpty());
}

TEST(SkinStyleSliderTest, VerticalSliderStartsAtTheBottom) {
    SliderSkin f;
    QWidget owner;
    QSlider* slider = f.Slider(owner, Qt::Vertical);
    EXPECT_EQ(slider->width(), kThumbThick);
    const QImage image = StyleFixture::Grab(slider);
    EXPECT_EQ(Ink(image, Thumb(kVertical, 0)), QRect(0, kLength - kThumbLong, kThumbThick, kThumbLong));
    EXPECT_EQ(At(image, kThumbThick / 2, 2), kChannelOn);
}

TEST(SkinStyleSliderTest, AStateWithoutAPictureShowsTheNormalOne) {
    SliderSkin f;
    f.track.thumbHorz.images[3] = SkinImageBase{};
    QWidget owner;
    QSlider* slider = f.Slider(owner);
    styletest::HoverAt(slider, QPoint(kThumbLong / 2, kThumbThick / 2));
    EXPECT_EQ(At(StyleFixture::Grab(slider), kThumbLong / 2, kThumbThick / 2), Thumb(kPlain, 0));
}

TEST(SkinStyleSliderTest, DraggingTheDrawnThumbMovesTheValue) {
    SliderSkin f;
    QWidget owner;
    QSlider* slider = f.Slider(owner);
    const QPoint grip(kThumbLong / 2, kThumbThick / 2);
    styletest::Press(slider, grip);
    styletest::DragTo(slider, QPoint(kLength + 40, grip.y()));
    styletest::Release(slider, QPoint(kLength + 40, grip.y()));
    EXPECT_EQ(slider->value(), 100);
    styletest::Press(slider, QPoint(kLength - kThumbLong / 2, grip.y()));
    styletest::DragTo(slider, QPoint(kLength / 2, grip.y()));
    styletest::Release(slider, QPoint(kLength / 2, grip.y()));
    EXPECT_NEAR(slider->value(), 50, 3);
}

TEST(SkinStyleSliderTest, WithoutARecordTheSliderIsFusions) {
    StyleFixture f;
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    auto grab = [&](QStyle* style) {
        QSlider slider(Qt::Horizontal);
        slider.setValue(40);
        // No tick marks: even a bare proxy over Fusion paints those in another colour than Fusion itself.
        if (style == &f.style) {
            f.Styled(&slider, QSize(kLength, 30));
        } else {
            slider.setStyle(style);
            slider.resize(kLength, 30);
            slider.setAttribute(Qt::WA_DontShowOnScreen);
            slider.show();
        }
        return StyleFixture::Grab(&slider);
    };
    EXPECT_TRUE(styletest::SameImage(grab(&f.style), grab(fusion.get())));
}

TEST(SkinStyleSliderTest, HostileSizesAndRangesNeverCrash) {
    SliderSkin f;
    f.track.thumbHorz.images[0].right = INT_MAX;
    f.track.thumbHorz.images[0].bottom = INT_MIN;
    f.track.thumbVert.images[0].name = "missing.png";
    f.track.horzChannel[0].bottom = INT_MAX;
    QWidget owner;
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical})
        for (const auto& [min, max] : {std::pair{0, 0}, std::pair{INT_MIN, INT_MAX}, std::pair{10, 5}}) {
            QSlider* slider = f.Slider(owner, orientation);
            slider->setTickPosition(QSlider::TicksBothSides);
            slider->setRange(min, max);
            slider->setValue(max);
            EXPECT_LT(slider->sizeHint().height(), 2000);
            EXPECT_LT(slider->sizeHint().width(), 2000);
            EXPECT_FALSE(StyleFixture::Grab(slider).isNull());
        }
}

}  // namespace
