// The scroll-bar preview: which state's pictures it shows (Highlighted is the record's index 3), where the
// thumb goes for Max, PageSize and Pos (Pos cut back to the last position), the disabled look without a
// thumb and with the disabled dead corner, the standard controls standing in for every missing picture,
// and numbers from the page or the file that would divide by zero or reach outside the bars.
// With VORNADESK_PREVIEW_PNG_DIR set, the rendered previews are also saved there for a look.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResScrollBar.h"
#include "preview/PreviewKind.h"
#include "preview/ScrollBarPreview.h"

using namespace previewtest;
using vd::preview::RenderPreview;
using vd::preview::SelectorValues;

namespace {

// The layout the tests use, worked out by hand for a 300 x 200 preview: the area is shrunk by 20 and then
// by 2, so the bars live in x 22..277, y 22..177.
constexpr int kInLeft = 22, kInTop = 22, kInRight = 277, kInBottom = 177;
constexpr int kHH = 20, kVW = 16, kHBtn = 24, kVBtn = 18;
// Horizontal bar: y 158..177, x 22..261; its buttons 22..45 and 238..261; the track 46..237.
constexpr int kHBarTop = kInBottom + 1 - kHH, kHBarRight = kInRight - kVW;
constexpr int kHTrackStart = kInLeft + kHBtn, kHTrackLength = (kHBarRight - kInLeft + 1) - 2 * kHBtn;
// Vertical bar: x 262..277, y 22..157; the track 40..139.
constexpr int kVBarLeft = kInRight + 1 - kVW, kVBarBottom = kHBarTop - 1;
constexpr int kVTrackStart = kInTop + kVBtn, kVTrackLength = (kVBarBottom - kInTop + 1) - 2 * kVBtn;
constexpr int kHMid = kHBarTop + kHH / 2;   // a row through the horizontal bar
constexpr int kVMid = kVBarLeft + kVW / 2;  // a column through the vertical bar

// The thumb a scrolled window shows: [first, last] pixel along the track.
std::pair<int, int> ExpectedThumb(int trackStart, int track, double max, double page, double pos) {
    const double positions = max - page + 1;
    pos = std::min(pos, positions);
    const double length = page / max * track;
    const int start = static_cast<int>(trackStart + (track - length) / positions * pos);
    return {start, start + static_cast<int>(length) - 1};
}

// The first and last x (or y) along a line where the colour is found, or {-1, -1}.
std::pair<int, int> Extent(const QImage& image, QColor colour, bool horizontal, int line) {
    int first = -1, last = -1;
    const int n = horizontal ? image.width() : image.height();
    for (int i = 0; i < n; ++i)
        if ((horizontal ? image.pixelColor(i, line) : image.pixelColor(line, i)) == colour) {
            if (first < 0) first = i;
            last = i;
        }
    return {first, last};
}

// A scroll bar with known thicknesses and, on request, a solid picture of its own colour for every state
// of the track, thumb body, buttons and dead corner.
struct ScrollBarFixture {
    CSkinDocument doc{OtherMachine(Color(5, 10, 15))};
    SkinScrollBar* bar = nullptr;

    ScrollBarFixture() {
        bar = &New<SkinScrollBar>(doc, 7000);
        bar->hHeight = kHH;
        bar->vWidth = kVW;
        bar->hBtnWidth = kHBtn;
        bar->vBtnHeight = kVBtn;
    }

    // The colour of a member's picture in record state s: each array gets its own hue, each state its own
    // shade.
    static QColor Colour(int array, int s) { return QColor(40 + array * 25, 200 - s * 40, 30 + s * 50); }

    void AddPictures() {
        SkinScrollBar::States* arrays[] = {&bar->hBk, &bar->hBar, &bar->leftBtn, &bar->rightBtn,
                                           &bar->vBk, &bar->vBar, &bar->upBtn,   &bar->downBtn};
        for (int a = 0; a < 8; ++a)
            for (int s = 0; s < 4; ++s)
                (*arrays[a])[static_cast<size_t>(s)] =
                    AddPicture(doc, "p" + std::to_string(a) + "_" + std::to_string(s) + ".png", Solid(8, 8, Colour(a, s)));
        bar->deadCorner[0] = AddPicture(doc, "dn.png", Solid(4, 4, QColor(1, 2, 3)));
        bar->deadCorner[1] = AddPicture(doc, "ddis.png", Solid(4, 4, QColor(3, 2, 1)));
    }

    QImage Render(SelectorValues selectors = {}) { return RenderPreview(doc, *bar, selectors); }
};

enum { kHBk, kHBar, kLeft, kRight, kVBk, kVBar, kUp, kDown };

// ---- states ----

TEST(ScrollBarPreview, EachStateShowsItsOwnPicturesHighlightedBeingIndexThree) {
    ScrollBarFixture f;
    f.AddPictures();
    // The selector's value and the record index it must show.
    const std::array<std::pair<int, int>, 4> cases = {{{0, 0}, {1, 1}, {2, 3}, {3, 2}}};
    for (const auto& [value, index] : cases) {
        const QImage image = f.Render({{"State", value}});
        ASSERT_FALSE(image.isNull());
        SaveIfAsked(image, QStringLiteral("scrollbar-state%1").arg(value));
        EXPECT_EQ(At(image, kHTrackStart + kHTrackLength - 2, kHMid), ScrollBarFixture::Colour(kHBk, index)) << value;
        EXPECT_EQ(At(image, kInLeft + 1, kHMid), ScrollBarFixture::Colour(kLeft, index)) << value;
        EXPECT_EQ(At(image, kHBarRight - 1, kHMid), ScrollBarFixture::Colour(kRight, index)) << value;
        EXPECT_EQ(At(image, kVMid, kVTrackStart + kVTrackLength - 2), ScrollBarFixture::Colour(kVBk, index)) << value;
        EXPECT_EQ(At(image, kVMid, kInTop + 1), ScrollBarFixture::Colour(kUp, index)) << value;
        EXPECT_EQ(At(image, kVMid, kVBarBottom - 1), ScrollBarFixture::Colour(kDown, index)) << value;
        if (value != 3) {
            EXPECT_EQ(At(image, kHTrackStart + 20, kHMid), ScrollBarFixture::Colour(kHBar, index)) << value;
            EXPECT_EQ(At(image, kVMid, kVTrackStart + 20), ScrollBarFixture::Colour(kVBar, index)) << value;
        }
    }
}

TEST(ScrollBarPreview, DisabledDrawsNoThumbAndTheDisabledDeadCorner) {
    ScrollBarFixture f;
    f.AddPictures();
    const QImage normal = f.Render({{"State", 0}});
    const QImage disabled = f.Render({{"State", 3}});
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(Count(disabled, disabled.rect(), ScrollBarFixture::Colour(kHBar, s)), 0) << s;
        EXPECT_EQ(Count(disabled, disabled.rect(), ScrollBarFixture::Colour(kVBar, s)), 0) << s;
    }
    // Without the thumb the disabled track runs unbroken from button to button.
    EXPECT_EQ(Extent(disabled, ScrollBarFixture::Colour(kHBk, 2), true, kHMid),
              std::make_pair(kHTrackStart, kHTrackStart + kHTrackLength - 1));
    const QRect corner(kVBarLeft, kHBarTop, kVW, kHH);
    EXPECT_EQ(Count(disabled, corner, QColor(3, 2, 1)), kVW * kHH);
    EXPECT_EQ(Count(normal, corner, QColor(1, 2, 3)), kVW * kHH);
    EXPECT_GT(Count(normal, normal.rect(), ScrollBarFixture::Colour(kHBar, 0)), 0);
}

// ---- the thumb ----

TEST(ScrollBarPreview, ThumbFollowsMaxPageSizeAndPos) {
    ScrollBarFixture f;
    f.AddPictures();
    const QColor body = ScrollBarFixture::Colour(kHBar, 0), vbody = ScrollBarFixture::Colour(kVBar, 0);
    // The page's first values (140, 40, 10), then others.
    EXPECT_EQ(Extent(f.Render(), body, true, kHMid), ExpectedThumb(kHTrackStart, kHTrackLength, 140, 40, 10));
    EXPECT_EQ(Extent(f.Render(), vbody, false, kVMid), ExpectedThumb(kVTrackStart, kVTrackLength, 140, 40, 10));
    const SelectorValues other = {{"Max", 1000}, {"PageSize", 300}, {"Pos", 77}};
    EXPECT_EQ(Extent(f.Render(other), body, true, kHMid), ExpectedThumb(kHTrackStart, kHTrackLength, 1000, 300, 77));
    EXPECT_EQ(Extent(f.Render(other), vbody, false, kVMid),
              ExpectedThumb(kVTrackStart, kVTrackLength, 1000, 300, 77));
    // Pos 0 starts the thumb at the track's start.
    EXPECT_EQ(Extent(f.Render({{"Pos", 0}}), body, true, kHMid).first, kHTrackStart);
}

TEST(ScrollBarPreview, PosBeyondTheLastPositionIsCutBackToIt) {
    ScrollBarFixture f;
    f.AddPictures();
    const QColor body = ScrollBarFixture::Colour(kHBar, 0);
    // Max 100, PageSize 20: the last position is 81, which puts the thumb at the track's end (both its
    // start and its length truncated, so it may stop a pixel short).
    const QImage beyond = f.Render({{"Max", 100}, {"PageSize", 20}, {"Pos", 95}});
    const auto expected = ExpectedThumb(kHTrackStart, kHTrackLength, 100, 20, 81);
    EXPECT_EQ(Extent(beyond, body, true, kHMid), expected);
    EXPECT_GE(expected.second, kHTrackStart + kHTrackLength - 2);
    EXPECT_EQ(beyond, f.Render({{"Max", 100}, {"PageSize", 20}, {"Pos", 81}}));
    EXPECT_NE(beyond, f.Render({{"Max", 100}, {"PageSize", 20}, {"Pos", 80}}));
}

TEST(ScrollBarPreview, RangesThatWouldDivideByZeroOrOverflowKeepTheThumbInTheTrack) {
    ScrollBarFixture f;
    f.AddPictures();
    const QColor body = ScrollBarFixture::Colour(kHBar, 0), rightButton = ScrollBarFixture::Colour(kRight, 0);
    const std::pair<int, int> wholeTrack(kHTrackStart, kHTrackStart + kHTrackLength - 1);
    // Nothing to scroll: no range, a negative one, or a page at least one unit larger than the range. The
    // thumb fills the track.
    const SelectorValues nothingToScroll[] = {{{"Max", 0}},
                                              {{"Max", -5}, {"PageSize", -10}},
                                              {{"Max", 10}, {"PageSize", 11}},
                                              {{"Max", 1}, {"PageSize", 1000000}, {"Pos", 100}}};
    for (const SelectorValues& s : nothingToScroll) {
        const QImage image = f.Render(s);
        EXPECT_EQ(Extent(image, body, true, kHMid), wholeTrack) << s.at("Max");
        EXPECT_EQ(At(image, kHBarRight - 1, kHMid), rightButton);
    }
    // A page as large as the range: one position, a full-length thumb.
    EXPECT_EQ(Extent(f.Render({{"Max", 50}, {"PageSize", 50}}), body, true, kHMid), wholeTrack);
    // A negative Pos counts as 0.
    EXPECT_EQ(f.Render({{"Pos", -40}}), f.Render({{"Pos", 0}}));
    // A negative page gives no thumb at all rather than one running backwards.
    EXPECT_EQ(Count(f.Render({{"Max", 100}, {"PageSize", -50}}), QRect(0, 0, 300, 200), body), 0);
    // The extremes an int can hold.
    const QImage extreme = f.Render({{"Max", INT_MAX}, {"PageSize", INT_MIN}, {"Pos", INT_MAX}});
    const auto [first, last] = Extent(extreme, body, true, kHMid);
    if (first >= 0) {
        EXPECT_GE(first, wholeTrack.first);
        EXPECT_LE(last, wholeTrack.second);
    }
    const QImage huge = f.Render({{"Max", INT_MAX}, {"PageSize", INT_MAX - 1}, {"Pos", INT_MAX}});
    EXPECT_LE(Extent(huge, body, true, kHMid).second, wholeTrack.second);
    EXPECT_GE(Extent(huge, body, true, kHMid).first, wholeTrack.first);
}

// ---- pictures and fallbacks ----

TEST(ScrollBarPreview, ArrowAndGripGlyphsAreCentredAtTheirOwnSize) {
    ScrollBarFixture f;
    f.AddPictures();
    const QColor arrow(250, 0, 0), grip(0, 0, 250), upArrow(0, 250, 0);
    f.bar->leftArrow[3] = AddPicture(f.doc, "la.png", Solid(6, 4, arrow));
    f.bar->hThumb[3] = AddPicture(f.doc, "grip.png", Solid(5, 7, grip));
    f.bar->upArrow[3] = AddPicture(f.doc, "ua.png", Solid(4, 6, upArrow));
    const QImage image = f.Render({{"State", 2}, {"Pos", 0}});
    SaveIfAsked(image, QStringLiteral("scrollbar-glyphs"));
    auto box = [&](QColor c) {
        QRect r;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == c) r |= QRect(x, y, 1, 1);
        return r;
    };
    EXPECT_EQ(box(arrow), QRect(kInLeft + (kHBtn - 6) / 2, kHBarTop + (kHH - 4) / 2, 6, 4));
    EXPECT_EQ(box(upArrow), QRect(kVBarLeft + (kVW - 4) / 2, kInTop + (kVBtn - 6) / 2, 4, 6));
    const int thumbLength = static_cast<int>(40.0 / 140 * kHTrackLength);
    EXPECT_EQ(box(grip), QRect(kHTrackStart + (thumbLength - 5) / 2, kHBarTop + (kHH - 7) / 2, 5, 7));
}

TEST(ScrollBarPreview, PreviewsCompletelyWithoutAnyPicture) {
    ScrollBarFixture f;
    const SystemEnvironment& env = f.doc.Env();
    const QImage image = f.Render();
    ASSERT_EQ(image.size(), QSize(300, 200));
    SaveIfAsked(image, QStringLiteral("scrollbar-plain"));
    EXPECT_EQ(At(image, 5, 5), Q(env.SysColor(COLOR_BTNFACE))) << "the ground";
    EXPECT_EQ(At(image, 20, 20), Q(env.SysColor(COLOR_BTNHIGHLIGHT))) << "the border's 3-D rectangle";
    EXPECT_EQ(At(image, 279, 179), Q(env.SysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(At(image, kHTrackStart + kHTrackLength - 2, kHMid), QColor(236, 233, 216)) << "the track";
    EXPECT_EQ(At(image, kVMid, kVTrackStart + kVTrackLength - 2), QColor(236, 233, 216));
    // The standard arrow buttons: their arrows in the button-text colour.
    const QColor ink = Q(env.SysColor(COLOR_BTNTEXT));
    EXPECT_GT(Count(image, QRect(kInLeft, kHBarTop, kHBtn, kHH), ink), 0);
    EXPECT_GT(Count(image, QRect(kHBarRight + 1 - kHBtn, kHBarTop, kHBtn, kHH), ink), 0);
    EXPECT_GT(Count(image, QRect(kVBarLeft, kInTop, kVW, kVBtn), ink), 0);
    EXPECT_GT(Count(image, QRect(kVBarLeft, kVBarBottom + 1 - kVBtn, kVW, kVBtn), ink), 0);
    // The thumb is a push button: a button-face body where the picture would be.
    const auto [first, last] = ExpectedThumb(kHTrackStart, kHTrackLength, 140, 40, 10);
    EXPECT_EQ(At(image, (first + last) / 2, kHMid), Q(env.SysColor(COLOR_BTNFACE)));
    EXPECT_EQ(At(image, first - 1, kHMid), QColor(236, 233, 216));
    // The dead corner is plain button face, and the state's name stands in the middle.
    EXPECT_EQ(Count(image, QRect(kVBarLeft, kHBarTop, kVW, kHH), Q(env.SysColor(COLOR_BTNFACE))), kVW * kHH);
    EXPECT_FALSE(DarkInk(image, QRect(100, 80, 100, 40)).isEmpty()) << "Normal";
    // Disabled arrows are drawn embossed, without the button-text colour.
    const QImage disabled = f.Render({{"State", 3}});
    EXPECT_EQ(Count(disabled, QRect(kInLeft, kHBarTop, kHBtn, kHH), ink), 0);
}

// ---- numbers from the file ----

// Outside the area the bars live in, nothing may change whatever the file says.
QImage Outside(QImage image) {
    QPainter p(&image);
    p.fillRect(QRect(kInLeft, kInTop, kInRight - kInLeft + 1, kInBottom - kInTop + 1), Qt::black);
    return image;
}

TEST(ScrollBarPreview, ThicknessesAndButtonSizesFromTheFileStayInsideTheArea) {
    ScrollBarFixture f;
    f.AddPictures();
    const QColor dn(1, 2, 3);

    // Negative and zero thicknesses draw no bar; the other bar takes the room.
    f.bar->hHeight = -5;
    f.bar->vWidth = 0;
    QImage image = f.Render();
    EXPECT_EQ(Count(image, image.rect(), ScrollBarFixture::Colour(kHBk, 0)), 0);
    EXPECT_EQ(Count(image, image.rect(), ScrollBarFixture::Colour(kVBk, 0)), 0);
    EXPECT_EQ(Count(image, image.rect(), dn), 0);

    // Thicknesses beyond the area: both bars are cut to it, the dead corner fills it.
    f.bar->hHeight = 100000;
    f.bar->vWidth = INT_MAX;
    image = f.Render();
    EXPECT_EQ(Count(image, QRect(kInLeft, kInTop, kInRight - kInLeft + 1, kInBottom - kInTop + 1), dn),
              (kInRight - kInLeft + 1) * (kInBottom - kInTop + 1));
    EXPECT_EQ(Outside(image), Outside(ScrollBarFixture().Render())) << "nothing outside the area";

    // Buttons longer than the bar share it half and half and leave no track.
    f.bar->hHeight = kHH;
    f.bar->vWidth = kVW;
    f.bar->hBtnWidth = 100000;
    f.bar->vBtnHeight = INT_MIN;
    image = f.Render();
    const int half = (kHBarRight - kInLeft + 1) / 2;
    EXPECT_EQ(Extent(image, ScrollBarFixture::Colour(kLeft, 0), true, kHMid), std::make_pair(kInLeft, kInLeft + half - 1));
    EXPECT_EQ(Extent(image, ScrollBarFixture::Colour(kRight, 0), true, kHMid),
              std::make_pair(kInLeft + half, kHBarRight));
    EXPECT_EQ(Count(image, image.rect(), ScrollBarFixture::Colour(kHBk, 0)), 0);
    EXPECT_EQ(Count(image, image.rect(), ScrollBarFixture::Colour(kHBar, 0)), 0);
    // No vertical buttons: the track and the thumb use the whole bar.
    EXPECT_EQ(Count(image, image.rect(), ScrollBarFixture::Colour(kUp, 0)), 0);
    EXPECT_EQ(Extent(image, ScrollBarFixture::Colour(kVBar, 0), false, kVMid),
              ExpectedThumb(kInTop, kVBarBottom - kInTop + 1, 140, 40, 10));
    EXPECT_EQ(Outside(image), Outside(ScrollBarFixture().Render()));
}

TEST(ScrollBarPreview, SmallAndOddPreviewSizesDoNotFail) {
    ScrollBarFixture f;
    f.AddPictures();
    for (QSize size : {QSize(1, 1), QSize(41, 41), QSize(44, 44), QSize(60, 300), QSize(2000, 30)}) {
        const QImage image = RenderPreview(f.doc, *f.bar, {}, size);
        ASSERT_EQ(image.size(), size);
        if (size.width() > 1) {
            EXPECT_EQ(At(image, 0, 0), Q(f.doc.Env().SysColor(COLOR_BTNHIGHLIGHT))) << size.width();
        }
    }
    // A state a caller makes up shows Normal.
    EXPECT_EQ(f.Render({{"State", 9}}), f.Render({{"State", 0}}));
}

}  // namespace
