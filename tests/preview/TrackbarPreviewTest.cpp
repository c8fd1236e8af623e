// The trackbar preview: where the thumbs sit for a position (the percentage of the 150-pixel lane,
// truncated, the thumb held inside its lane at the far end), channels at their own thickness centred in
// their lane, the disabled lanes without a thumb, lanes that never overlap whatever the pictures' sizes,
// and the standard groove and push-button thumb that stand in for missing pictures.
// With VORNADESK_PREVIEW_PNG_DIR set, the rendered previews are also saved there for a look.

#include <gtest/gtest.h>

#include <array>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResTrackBar.h"
#include "preview/PreviewKind.h"
#include "preview/TrackbarPreview.h"

using namespace previewtest;
using vd::preview::RenderPreview;
using vd::preview::SelectorValues;

namespace {

// The layout worked out by hand: lanes 150 x 40, ten pixels in and ten apart; the vertical lanes start
// 20 pixels right of the horizontal column (x 180, 230, 280, 330).
QRect HorzLane(int i) { return QRect(10, 10 + 50 * i, 150, 40); }
QRect VertLane(int i) { return QRect(180 + 50 * i, 10, 40, 150); }

const QColor kHorzChannel(200, 40, 40), kHorzChannelOff(120, 40, 40);
const QColor kVertChannel(40, 200, 40), kVertChannelOff(40, 120, 40);
// One colour per thumb shape: horizontal, up, down, vertical, left, right.
const std::array<QColor, 6> kThumb = {QColor(10, 10, 220), QColor(10, 120, 220), QColor(10, 220, 220),
                                      QColor(220, 10, 220), QColor(220, 120, 10), QColor(220, 220, 10)};

struct TrackbarFixture : ::testing::Test {
    CSkinDocument doc{OtherMachine()};
    SkinTrackbar* bar = &New<SkinTrackbar>(doc, 14000);

    QImage Render(int position) { return RenderPreview(doc, *bar, SelectorValues{{"Postion", position}}); }

    // Channels 8 thick; horizontal thumbs 10 long and 30 high, vertical ones 30 wide and 10 long.
    void AddPictures(int thumbLength = 10, int thumbThickness = 30) {
        bar->horzChannel[0] = AddPicture(doc, "hc.png", Solid(20, 8, kHorzChannel));
        bar->horzChannel[1] = AddPicture(doc, "hd.png", Solid(20, 8, kHorzChannelOff));
        bar->vertChannel[0] = AddPicture(doc, "vc.png", Solid(8, 20, kVertChannel));
        bar->vertChannel[1] = AddPicture(doc, "vd.png", Solid(8, 20, kVertChannelOff));
        SkinStateImageSet<5>* sets[] = {&bar->thumbHorz, &bar->thumbUp,   &bar->thumbDown,
                                        &bar->thumbVert, &bar->thumbLeft, &bar->thumbRight};
        for (int i = 0; i < 6; ++i) {
            const bool horizontal = i < 3;
            const QImage art = horizontal ? Solid(thumbLength, thumbThickness, kThumb[i])
                                          : Solid(thumbThickness, thumbLength, kThumb[i]);
            sets[i]->images[0] = AddPicture(doc, "t" + std::to_string(i) + ".png", art);
            // Other states in a colour the preview must never show: it draws the normal state only.
            for (size_t s = 1; s < 5; ++s)
                sets[i]->images[s] = AddPicture(doc, "t" + std::to_string(i) + "s.png", Solid(5, 5, Qt::black));
        }
    }
};

TEST_F(TrackbarFixture, OpensAtItsPageSizeWithPostionFifty) {
    const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(14000);
    ASSERT_NE(kind, nullptr);
    EXPECT_STREQ(kind->tag, "trackbar");
    EXPECT_EQ(kind->size(doc, *bar), QSize(400, 250));
    ASSERT_EQ(kind->selectors.size(), 1u);
    EXPECT_STREQ(kind->selectors[0].caption, "Postion");
    EXPECT_EQ(kind->selectors[0].initial, 50);
    EXPECT_EQ(kind->selectors[0].edit, vd::preview::SelectorEdit::Slider);
    EXPECT_EQ(kind->selectors[0].Parse("100"), 100);
    EXPECT_FALSE(kind->selectors[0].Parse("101"));
}

TEST_F(TrackbarFixture, LanesStayInsideThePreviewAndApart) {
    std::array<QRect, 8> lanes;
    for (int i = 0; i < 4; ++i) {
        lanes[i] = vd::preview::TrackbarHorizontalLane(i);
        lanes[4 + i] = vd::preview::TrackbarVerticalLane(i);
        EXPECT_EQ(lanes[i], HorzLane(i));
        EXPECT_EQ(lanes[4 + i], VertLane(i));
    }
    for (size_t i = 0; i < lanes.size(); ++i) {
        EXPECT_TRUE(QRect(0, 0, 400, 250).contains(lanes[i])) << i;
        for (size_t j = i + 1; j < lanes.size(); ++j) EXPECT_FALSE(lanes[i].intersects(lanes[j])) << i << " " << j;
    }
}

TEST_F(TrackbarFixture, ThumbsSitAtThePercentageOfTheLane) {
    AddPictures();
    for (int position : {0, 50, 100, 37}) {
        SCOPED_TRACE(position);
        const QImage image = Render(position);
        SaveIfAsked(image, QStringLiteral("trackbar-%1").arg(position));
        // Truncated percentage of 150; at 100 the 10-pixel thumb would start at the lane's end, so it stops
        // with its trailing edge there.
        const int offset = position == 100 ? 140 : static_cast<int>(position * 0.01 * 150);
        for (int i = 0; i < 3; ++i) {
            const QRect lane = HorzLane(i);
            const int x = lane.left() + offset, y = lane.top() + 5;  // the 30-high thumb spans top + 5 .. + 34
            EXPECT_EQ(At(image, x, y), kThumb[i]) << i;
            EXPECT_EQ(At(image, x + 9, lane.top() + 34), kThumb[i]) << i;
            EXPECT_NE(At(image, x + 10, y), kThumb[i]) << i;
            EXPECT_NE(At(image, x, lane.top() + 4), kThumb[i]) << i;
            if (offset > 0) EXPECT_EQ(At(image, x - 1, lane.top() + 20), kHorzChannel) << i;
            EXPECT_EQ(Count(image, QRect(0, 0, 400, 250), kThumb[i]), 10 * 30) << i;
        }
        for (int i = 0; i < 3; ++i) {
            const QRect lane = VertLane(i);
            const int x = lane.left() + 5, y = lane.top() + offset;
            EXPECT_EQ(At(image, x, y), kThumb[3 + i]) << i;
            EXPECT_EQ(At(image, x + 29, y + 9), kThumb[3 + i]) << i;
            EXPECT_NE(At(image, x, y + 10), kThumb[3 + i]) << i;
            if (offset > 0) EXPECT_EQ(At(image, lane.left() + 20, y - 1), kVertChannel) << i;
            EXPECT_EQ(Count(image, QRect(0, 0, 400, 250), kThumb[3 + i]), 30 * 10) << i;
        }
        EXPECT_EQ(Count(image, QRect(0, 0, 400, 250), Qt::black), 0);
    }
}

TEST_F(TrackbarFixture, PositionsBeyondTheRangeShowTheNearerEnd) {
    AddPictures();
    EXPECT_EQ(Render(-40), Render(0));
    EXPECT_EQ(Render(1000), Render(100));
    EXPECT_EQ(vd::preview::TrackbarThumbOffset(150, 10, 50), 75);
    EXPECT_EQ(vd::preview::TrackbarThumbOffset(150, 400, 50), 0);
    EXPECT_EQ(vd::preview::TrackbarThumbOffset(0, 10, 50), 0);
}

TEST_F(TrackbarFixture, ChannelsAtTheirOwnThicknessAndTheDisabledLaneWithoutThumb) {
    AddPictures();
    const QImage image = Render(0);
    const QColor ground = Q(doc.Env().colors[COLOR_BTNFACE]);
    for (int i = 0; i < 4; ++i) {
        const QRect lane = HorzLane(i);
        const QColor channel = i == 3 ? kHorzChannelOff : kHorzChannel;
        // Eight pixels centred in forty: rows top + 16 .. top + 23, the whole lane long.
        for (int x : {lane.left() + 20, lane.right()}) {
            EXPECT_EQ(At(image, x, lane.top() + 16), channel) << i;
            EXPECT_EQ(At(image, x, lane.top() + 23), channel) << i;
            EXPECT_EQ(At(image, x, lane.top() + 15), ground) << i;
            EXPECT_EQ(At(image, x, lane.top() + 24), ground) << i;
        }
        EXPECT_EQ(At(image, lane.right() + 1, lane.top() + 20), ground) << i;
    }
    for (int i = 0; i < 4; ++i) {
        const QRect lane = VertLane(i);
        const QColor channel = i == 3 ? kVertChannelOff : kVertChannel;
        EXPECT_EQ(At(image, lane.left() + 16, lane.bottom()), channel) << i;
        EXPECT_EQ(At(image, lane.left() + 23, lane.bottom()), channel) << i;
        EXPECT_EQ(At(image, lane.left() + 15, lane.bottom()), ground) << i;
        EXPECT_EQ(At(image, lane.left() + 24, lane.bottom()), ground) << i;
    }
    // The disabled lanes hold their channel and nothing else.
    EXPECT_EQ(Count(image, HorzLane(3), kHorzChannelOff), 150 * 8);
    EXPECT_EQ(Count(image, VertLane(3), kVertChannelOff), 150 * 8);
}

TEST_F(TrackbarFixture, OversizedPicturesStayInTheirOwnLane) {
    AddPictures(60, 300);
    bar->horzChannel[0] = AddPicture(doc, "big.png", Solid(20, 200, kHorzChannel));
    for (int position : {0, 100}) {
        const QImage image = Render(position);
        for (int i = 0; i < 3; ++i) {
            // Each thumb is cut to its lane: it fills the lane across, its own 60 pixels along.
            EXPECT_EQ(Count(image, QRect(0, 0, 400, 250), kThumb[i]), 60 * 40) << i;
            EXPECT_EQ(Count(image, HorzLane(i), kThumb[i]), 60 * 40) << i;
            EXPECT_EQ(Count(image, VertLane(i), kThumb[3 + i]), 40 * 60) << i;
            EXPECT_EQ(Count(image, QRect(0, 0, 400, 250), kThumb[3 + i]), 40 * 60) << i;
        }
        // The 200-high channel fills its lanes across and never reaches the gaps between them.
        EXPECT_EQ(Count(image, QRect(0, 0, 400, 250), kHorzChannel),
                  3 * (150 * 40 - 60 * 40)) << position;
    }
}

TEST_F(TrackbarFixture, WithoutPicturesAGrooveAndAPushButtonThumb) {
    const QImage image = Render(50);
    SaveIfAsked(image, QStringLiteral("trackbar-standard"));
    const SystemEnvironment& env = doc.Env();
    const QColor face = Q(env.colors[COLOR_BTNFACE]), window = Q(env.colors[COLOR_WINDOW]);
    const QColor shadow = Q(env.colors[COLOR_BTNSHADOW]), dark = Q(env.colors[COLOR_3DDKSHADOW]);
    for (int i = 0; i < 4; ++i) {
        const QRect lane = HorzLane(i);
        // A six-pixel sunken groove centred in the lane (rows top + 17 .. top + 22): a shadow line on top,
        // the window colour inside while working, the button face once disabled.
        EXPECT_EQ(At(image, lane.left() + 20, lane.top() + 17), shadow) << i;
        EXPECT_EQ(At(image, lane.left() + 20, lane.top() + 19), i == 3 ? face : window) << i;
        EXPECT_EQ(At(image, lane.left() + 20, lane.top() + 16), face) << i;
        const QRect vlane = VertLane(i);
        EXPECT_EQ(At(image, vlane.left() + 17, vlane.top() + 20), shadow) << i;
        EXPECT_EQ(At(image, vlane.left() + 19, vlane.top() + 20), i == 3 ? face : window) << i;
    }
    for (int i = 0; i < 3; ++i) {
        // An 11 x 21 push button from the lane's start + 75, centred across (top + 9 .. top + 29): its
        // dark outer edge is its last column, and its face covers the groove.
        const QRect lane = HorzLane(i);
        const int left = lane.left() + 75, top = lane.top() + 9;
        EXPECT_EQ(At(image, left + 10, top + 3), dark) << i;
        EXPECT_EQ(At(image, left + 11, top + 3), face) << i;
        EXPECT_EQ(At(image, left + 5, lane.top() + 19), face) << i;
        const QRect vlane = VertLane(i);
        EXPECT_EQ(At(image, vlane.left() + 9 + 3, vlane.top() + 75 + 10), dark) << i;
        EXPECT_EQ(At(image, vlane.left() + 19, vlane.top() + 75 + 5), face) << i;
    }
    // No thumb on the disabled lanes: the groove runs through where it would be.
    EXPECT_EQ(At(image, HorzLane(3).left() + 80, HorzLane(3).top() + 17), shadow);
    EXPECT_EQ(At(image, HorzLane(3).left() + 80, HorzLane(3).top() + 5), face);
}

}  // namespace
