// The progress preview: the horizontal and the vertical sample bar filled to "Postion" (growing from the
// other end with "R"), the three draw types with every fallback, the colour fills, the text in its two
// colours, and text patterns from a file that must never reach printf unchecked.
// With VORNADESK_PREVIEW_PNG_DIR set, the rendered previews are also saved there for a look.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResProgressBar.h"
#include "preview/PreviewKind.h"
#include "preview/ProgressPreview.h"

using namespace previewtest;
using vd::preview::FormatProgressText;
using vd::preview::RenderPreview;
using vd::preview::SelectorValues;

namespace {

const QColor kPlainBlue(49, 106, 197);
const QColor kRed(200, 30, 30), kGreen(30, 160, 30), kYellow(230, 210, 20);

// A 500 x 300 preview: the horizontal bar at (10, 10) 480 x 25, the vertical one at (10, 100) 25 x 190.
constexpr int kHLeft = 10, kHTop = 10, kHLength = 480;
constexpr int kVLeft = 10, kVTop = 100, kVLength = 190;
constexpr int kThick = 25;

struct ProgressFixture {
    ProgressFixture() { bar = &New<SkinProgressBar>(doc, 6000); }
    QImage Render(int position, QSize size = QSize()) {
        return RenderPreview(doc, *bar, {{"Postion", position}}, size);
    }

    CSkinDocument doc;
    SkinProgressBar* bar = nullptr;
};

// Where a pixel at distance d along a bar (0 = where a growing bar starts) lies on the screen, for the
// middle of the bar's thickness at offset `across`.
QPoint HorizontalAt(int d, int across, bool reversed) {
    return reversed ? QPoint(kHLeft + kHLength - 1 - d, kHTop + kThick - 1 - across) : QPoint(kHLeft + d, kHTop + across);
}
QPoint VerticalAt(int d, int across, bool reversed) {
    return reversed ? QPoint(kVLeft + kThick - 1 - across, kVTop + d) : QPoint(kVLeft + across, kVTop + kVLength - 1 - d);
}

// The fill length of a bar of this length at this position, truncated.
int Filled(int length, int position) { return length * position / 100; }

// FillGradient's colour at index i of n lines from first to second: the first line is the first colour.
QColor GradientAt(Color first, Color second, int i, int n) {
    const float t = static_cast<float>(n - i) / static_cast<float>(n);
    auto mix = [t](int a, int b) { return std::clamp(static_cast<int>(t * a + (1 - t) * b), 0, 255); };
    return QColor(mix(first.r, second.r), mix(first.g, second.g), mix(first.b, second.b));
}

bool Near(QColor a, QColor b, int tolerance = 1) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// The pixels along the middle of a bar that have the colour, counted from where it starts growing.
struct ColourRun {
    int first = -1, last = -1, count = 0;
};
template <class Where>
ColourRun RunOf(const QImage& image, int length, QColor colour, Where at) {
    ColourRun run;
    for (int d = 0; d < length; ++d)
        if (At(image, at(d)) == colour) {
            if (run.first < 0) run.first = d;
            run.last = d;
            ++run.count;
        }
    return run;
}

ColourRun HorizontalRun(const QImage& image, QColor colour, bool reversed, int across = 12) {
    return RunOf(image, kHLength, colour, [&](int d) { return HorizontalAt(d, across, reversed); });
}
ColourRun VerticalRun(const QImage& image, QColor colour, bool reversed, int across = 12) {
    return RunOf(image, kVLength, colour, [&](int d) { return VerticalAt(d, across, reversed); });
}

// ---- position and direction ----

TEST(ProgressPreview, ANewBarPreviewsCompletelyWithoutAnyPicture) {
    ProgressFixture f;
    const QImage image = RenderPreview(f.doc, *f.bar, {});  // "Postion" at its initial 50
    SaveIfAsked(image, QStringLiteral("progress-new"));
    ASSERT_EQ(image.size(), QSize(500, 300)) << "the record's preview size";
    const SystemEnvironment& env = f.doc.Env();
    EXPECT_EQ(At(image, 0, 0), Q(env.colors[COLOR_BTNHIGHLIGHT]));
    EXPECT_EQ(At(image, 499, 299), Q(env.colors[COLOR_BTNSHADOW]));
    EXPECT_EQ(At(image, 300, 200), Q(env.colors[COLOR_BTNFACE])) << "the ground, not the checkerboard";
    // Each bar: white, in a sunken edge, filled half way inside a one-pixel margin.
    for (bool vertical : {false, true}) {
        const QRect screen = vertical ? QRect(kVLeft, kVTop, kThick, kVLength) : QRect(kHLeft, kHTop, kHLength, kThick);
        const int length = vertical ? kVLength : kHLength;
        EXPECT_EQ(At(image, screen.topLeft()), Q(f.bar->shadow3d)) << vertical;
        EXPECT_EQ(At(image, screen.bottomRight()), Q(f.bar->highlight3d)) << vertical;
        const ColourRun blue = vertical ? VerticalRun(image, kPlainBlue, false) : HorizontalRun(image, kPlainBlue, false);
        EXPECT_EQ(blue.first, 1) << vertical;
        EXPECT_EQ(blue.last, Filled(length, 50) - 2) << vertical;
        EXPECT_EQ(blue.count, Filled(length, 50) - 2) << vertical;
        auto at = [&](int d) { return At(image, vertical ? VerticalAt(d, 12, false) : HorizontalAt(d, 12, false)); };
        EXPECT_EQ(at(Filled(length, 50) - 1), QColor(Qt::white)) << vertical;
        EXPECT_EQ(at(length - 2), QColor(Qt::white)) << vertical;
    }
}

TEST(ProgressPreview, AtZeroTheForegroundIsEmptyAndAtHundredItFillsTheBar) {
    ProgressFixture f;
    const QImage empty = f.Render(0);
    EXPECT_EQ(Count(empty, empty.rect(), kPlainBlue), 0);
    const QImage full = f.Render(100);
    SaveIfAsked(full, QStringLiteral("progress-100"));
    EXPECT_EQ(Count(full, QRect(kHLeft, kHTop, kHLength, kThick), kPlainBlue), (kHLength - 2) * (kThick - 2));
    EXPECT_EQ(Count(full, QRect(kVLeft, kVTop, kThick, kVLength), kPlainBlue), (kVLength - 2) * (kThick - 2));
    EXPECT_EQ(Count(full, QRect(kHLeft + 1, kHTop + 1, kHLength - 2, kThick - 2), Qt::white), 0);
}

TEST(ProgressPreview, PositionsOutsideTheRangeTakeTheNearerEnd) {
    ProgressFixture f;
    EXPECT_EQ(f.Render(250), f.Render(100));
    EXPECT_EQ(f.Render(-7), f.Render(0));
}

TEST(ProgressPreview, WithRBothBarsGrowFromTheOppositeEnd) {
    ProgressFixture f;
    f.bar->r = 1;
    const QImage image = f.Render(50);
    SaveIfAsked(image, QStringLiteral("progress-reversed"));
    // The horizontal bar from the right, the vertical one from the top.
    const ColourRun h = HorizontalRun(image, kPlainBlue, true);
    EXPECT_EQ(h.first, 1);
    EXPECT_EQ(h.last, Filled(kHLength, 50) - 2);
    EXPECT_EQ(At(image, kHLeft + kHLength - 2, kHTop + 12), kPlainBlue);
    EXPECT_EQ(At(image, kHLeft + 1, kHTop + 12), Qt::white);
    const ColourRun v = VerticalRun(image, kPlainBlue, true);
    EXPECT_EQ(v.first, 1);
    EXPECT_EQ(v.last, Filled(kVLength, 50) - 2);
    EXPECT_EQ(At(image, kVLeft + 12, kVTop + 1), kPlainBlue);
    EXPECT_EQ(At(image, kVLeft + 12, kVTop + kVLength - 2), Qt::white);
    // Without R the vertical bar grows from the bottom.
    f.bar->r = 0;
    const QImage upright = f.Render(50);
    EXPECT_EQ(At(upright, kVLeft + 12, kVTop + kVLength - 2), kPlainBlue);
    EXPECT_EQ(At(upright, kVLeft + 12, kVTop + 1), Qt::white);
    // The edge looks sunken whichever way the bars grow.
    for (const QImage* shown : {&image, &upright}) {
        EXPECT_EQ(At(*shown, kHLeft, kHTop), Q(f.bar->shadow3d));
        EXPECT_EQ(At(*shown, kHLeft + kHLength - 1, kHTop + kThick - 1), Q(f.bar->highlight3d));
        EXPECT_EQ(At(*shown, kVLeft, kVTop), Q(f.bar->shadow3d));
        EXPECT_EQ(At(*shown, kVLeft + kThick - 1, kVTop + kVLength - 1), Q(f.bar->highlight3d));
    }
}

TEST(ProgressPreview, TheBarsFollowThePreviewSize) {
    ProgressFixture f;
    const QImage image = f.Render(100, QSize(200, 160));
    ASSERT_EQ(image.size(), QSize(200, 160));
    // Horizontal 180 long, vertical 50 long.
    EXPECT_EQ(HorizontalRun(image, kPlainBlue, false).count, 0 + (200 - 20 - 2));
    EXPECT_EQ(Count(image, QRect(kVLeft, kVTop, kThick, 50), kPlainBlue), (50 - 2) * (kThick - 2));
}

// ---- types and fallbacks ----

TEST(ProgressPreview, BlockImagesCoverTheBarAndItsFilledPart) {
    ProgressFixture f;
    f.bar->background = AddPicture(f.doc, "bk.png", Solid(6, 6, kYellow));
    f.bar->foreground = AddPicture(f.doc, "fg.png", Solid(6, 6, kGreen));
    const QImage image = f.Render(30);
    SaveIfAsked(image, QStringLiteral("progress-blocks"));
    const int h = Filled(kHLength, 30), v = Filled(kVLength, 30);
    EXPECT_EQ(Count(image, QRect(kHLeft, kHTop, h, kThick), kGreen), h * kThick) << "no margin, no edge";
    EXPECT_EQ(Count(image, QRect(kHLeft + h, kHTop, kHLength - h, kThick), kYellow), (kHLength - h) * kThick);
    EXPECT_EQ(Count(image, QRect(kVLeft, kVTop + kVLength - v, kThick, v), kGreen), v * kThick);
    EXPECT_EQ(Count(image, QRect(kVLeft, kVTop, kThick, kVLength - v), kYellow), (kVLength - v) * kThick);
    EXPECT_EQ(Count(image, image.rect(), kPlainBlue), 0);
}

TEST(ProgressPreview, TheSmoothImageKeepsTwoPixelsInAndTakesTheBlockImagesHeight) {
    ProgressFixture f;
    f.bar->drawType = 1;
    f.bar->foreground = AddPicture(f.doc, "fg.png", Solid(6, 15, kGreen));
    f.bar->foregroundSmooth = AddPicture(f.doc, "smooth.png", Solid(6, 9, kRed));
    const QImage image = f.Render(40);
    SaveIfAsked(image, QStringLiteral("progress-smooth"));
    // 15 high, centred in 25: rows 5 to 19 across the bar; from 2 to the filled length along it.
    const int h = Filled(kHLength, 40);
    EXPECT_EQ(Count(image, QRect(kHLeft + 2, kHTop + 5, h - 2, 15), kRed), (h - 2) * 15);
    EXPECT_EQ(Count(image, QRect(kHLeft, kHTop, kHLength, kThick), kRed), (h - 2) * 15);
    EXPECT_EQ(Count(image, image.rect(), kGreen), 0) << "the block picture is not drawn";
    const int v = Filled(kVLength, 40);
    EXPECT_EQ(Count(image, QRect(kVLeft, kVTop, kThick, kVLength), kRed), (v - 2) * 15);
    // At 100 the picture stops two pixels before the far end too.
    const QImage full = f.Render(100);
    EXPECT_EQ(Count(full, QRect(kHLeft, kHTop, kHLength, kThick), kRed), (kHLength - 4) * 15);

    // Without a block picture the smooth picture keeps its own height: 9, rows 8 to 16.
    f.bar->foreground = SkinImageBase{};
    const QImage own = f.Render(40);
    EXPECT_EQ(Count(own, QRect(kHLeft + 2, kHTop + 8, h - 2, 9), kRed), (h - 2) * 9);
    EXPECT_EQ(Count(own, QRect(kHLeft, kHTop, kHLength, kThick), kRed), (h - 2) * 9);
}

TEST(ProgressPreview, AMissingForegroundPictureFallsBackToThePlainBlue) {
    for (int type : {0, 1}) {
        ProgressFixture f;
        f.bar->drawType = type;
        // The other type's foreground picture is not the one that counts.
        if (type == 0) f.bar->foregroundSmooth = AddPicture(f.doc, "smooth.png", Solid(6, 9, kRed));
        if (type == 1) f.bar->foreground = AddPicture(f.doc, "fg.png", Solid(6, 15, kGreen));
        f.bar->background = AddPicture(f.doc, "bk.png", Solid(6, 6, kYellow));
        const QImage image = f.Render(50);
        const ColourRun blue = HorizontalRun(image, kPlainBlue, false);
        EXPECT_EQ(blue.first, 1) << type;
        EXPECT_EQ(blue.count, Filled(kHLength, 50) - 2) << type;
        EXPECT_EQ(At(image, kHLeft, kHTop), kYellow) << "a background picture has no edge: " << type;
        EXPECT_EQ(Count(image, image.rect(), kRed) + Count(image, image.rect(), kGreen), 0) << type;
    }
}

TEST(ProgressPreview, UnknownDrawTypesDrawAsBlocks) {
    ProgressFixture f;
    f.bar->foreground = AddPicture(f.doc, "fg.png", Solid(6, 6, kGreen));
    const QImage blocks = f.Render(50);
    for (int type : {-1, 3, std::numeric_limits<int>::max()}) {
        f.bar->drawType = type;
        EXPECT_EQ(f.Render(50), blocks) << type;
    }
}

// ---- colour bars ----

TEST(ProgressPreview, ColourBarsFillBackgroundAndForegroundInsideTheEdge) {
    ProgressFixture f;
    f.bar->drawType = 2;
    f.bar->bkStart = f.bar->bkEnd = Color(kGreen.red(), kGreen.green(), kGreen.blue());
    f.bar->fgStart = f.bar->fgEnd = Color(kRed.red(), kRed.green(), kRed.blue());
    f.bar->shadow3d = Color(1, 2, 3);
    f.bar->highlight3d = Color(4, 5, 6);
    f.bar->background = AddPicture(f.doc, "bk.png", Solid(6, 6, kYellow));  // not used by colour bars
    const QImage image = f.Render(50);
    SaveIfAsked(image, QStringLiteral("progress-colour"));
    const int h = Filled(kHLength, 50);
    // The filled part reaches the bar's start; the edge covers its outer pixel.
    EXPECT_EQ(HorizontalRun(image, kRed, false).first, 1);
    EXPECT_EQ(HorizontalRun(image, kRed, false).last, h - 1);
    EXPECT_EQ(HorizontalRun(image, kGreen, false).first, h);
    EXPECT_EQ(HorizontalRun(image, kGreen, false).last, kHLength - 2);
    EXPECT_EQ(At(image, kHLeft, kHTop), QColor(1, 2, 3));
    EXPECT_EQ(At(image, kHLeft + kHLength - 1, kHTop + kThick - 1), QColor(4, 5, 6));
    EXPECT_EQ(Count(image, image.rect(), kYellow), 0);
    EXPECT_EQ(VerticalRun(image, kRed, false).last, Filled(kVLength, 50) - 1);
}

TEST(ProgressPreview, HorizontalAndVerticalGradientsRunAlongAndAcrossTheBar) {
    ProgressFixture f;
    f.bar->drawType = 2;
    f.bar->bkStart = Color(0, 40, 200);
    f.bar->bkEnd = Color(250, 140, 0);
    const QImage along = f.Render(0);
    SaveIfAsked(along, QStringLiteral("progress-gradient"));
    // Inside the edge the bar is 478 lines long; line i has the gradient's colour i.
    const int n = kHLength - 2;
    for (int i : {0, 1, 100, 239, n - 1}) {
        EXPECT_TRUE(Near(At(along, HorizontalAt(1 + i, 12, false)), GradientAt(f.bar->bkStart, f.bar->bkEnd, i, n))) << i;
        EXPECT_TRUE(Near(At(along, VerticalAt(1 + i * (kVLength - 2) / n, 12, false)),
                         GradientAt(f.bar->bkStart, f.bar->bkEnd, i * (kVLength - 2) / n, kVLength - 2)))
            << i;
    }

    f.bar->bkDrawType = 1;
    const QImage across = f.Render(0);
    const int m = kThick - 2;
    for (int i : {0, 5, m - 1}) {
        EXPECT_TRUE(Near(At(across, HorizontalAt(50, 1 + i, false)), GradientAt(f.bar->bkStart, f.bar->bkEnd, i, m)))
            << i;
        EXPECT_EQ(At(across, HorizontalAt(50, 1 + i, false)), At(across, HorizontalAt(400, 1 + i, false))) << i;
        // The vertical bar is turned a quarter: its gradient runs from its left side.
        EXPECT_TRUE(Near(At(across, QPoint(kVLeft + 1 + i, kVTop + 50)), GradientAt(f.bar->bkStart, f.bar->bkEnd, i, m)))
            << i;
    }

    // The foreground's own gradient runs along its filled part from the bar's start.
    f.bar->bkDrawType = 0;
    f.bar->fgStart = Color(255, 0, 0);
    f.bar->fgEnd = Color(0, 0, 255);
    const QImage filled = f.Render(50);
    const int h = Filled(kHLength, 50);
    for (int i : {1, 100, h - 1})
        EXPECT_TRUE(Near(At(filled, HorizontalAt(i, 12, false)), GradientAt(f.bar->fgStart, f.bar->fgEnd, i, h))) << i;
}

TEST(ProgressPreview, TheRecursiveFillStepsLighterTowardsTheMiddleOfTheBar) {
    ProgressFixture f;
    f.bar->drawType = 2;
    f.bar->bkDrawType = 2;
    f.bar->bkStart = Color(100, 110, 120);
    f.bar->bkStep = 5;
    const QImage image = f.Render(0);
    SaveIfAsked(image, QStringLiteral("progress-recursive"));
    // Across the bar inside the edge: the colour, the colour + step, then 10 more each line to the middle
    // (line 12: 100 + 5 + 10 * 10).
    const int mid = 12;
    EXPECT_EQ(At(image, HorizontalAt(200, 1, false)), QColor(100, 110, 120));
    EXPECT_EQ(At(image, HorizontalAt(200, 2, false)), QColor(105, 115, 125));
    EXPECT_EQ(At(image, HorizontalAt(200, 3, false)), QColor(115, 125, 135));
    EXPECT_EQ(At(image, HorizontalAt(200, kThick - 2, false)), QColor(100, 110, 120));
    EXPECT_EQ(At(image, HorizontalAt(200, kThick - 3, false)), QColor(105, 115, 125));
    EXPECT_EQ(At(image, HorizontalAt(200, mid, false)), QColor(205, 215, 225));
    EXPECT_EQ(At(image, HorizontalAt(10, mid, false)), At(image, HorizontalAt(400, mid, false)));

    // Steps beyond a channel's range saturate instead of overflowing.
    for (int step : {std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        f.bar->bkStep = step;
        const QImage extreme = f.Render(0);
        EXPECT_EQ(At(extreme, HorizontalAt(200, 2, false)),
                  step > 0 ? QColor(255, 255, 255) : QColor(0, 0, 0)) << step;
    }
}

// ---- text ----

TEST(ProgressPreview, TheTextTakesTheOverColourOnlyOverTheFilledPart) {
    for (bool reversed : {false, true}) {
        ProgressFixture f;
        f.bar->drawType = 2;
        f.bar->r = reversed;
        f.bar->bkStart = f.bar->bkEnd = Color(255, 255, 255);
        f.bar->fgStart = f.bar->fgEnd = Color(0, 0, 0);
        f.bar->showText = 1;
        f.bar->textNormal = Color(0, 150, 0);
        f.bar->textOver = Color(230, 0, 0);
        f.bar->font.height = -16;
        const QImage image = f.Render(50);
        SaveIfAsked(image, QStringLiteral("progress-text-r%1").arg(reversed));
        const QColor normal(0, 150, 0), over(230, 0, 0);
        // "50%" straddles the middle of each bar, where the fill ends.
        const int h = kHLeft + Filled(kHLength, 50);
        const QRect left(kHLeft + 1, kHTop + 1, h - kHLeft - 1, kThick - 2), right(h, kHTop + 1, kHLeft + kHLength - 1 - h, kThick - 2);
        const QRect filledPart = reversed ? right : left, rest = reversed ? left : right;
        EXPECT_GT(CountNear(image, filledPart, over, 40), 5) << reversed;
        EXPECT_EQ(CountNear(image, filledPart, normal, 60), 0) << reversed;
        EXPECT_GT(CountNear(image, rest, normal, 40), 5) << reversed;
        EXPECT_EQ(CountNear(image, rest, over, 60), 0) << reversed;

        const int v = Filled(kVLength, 50);
        const QRect top(kVLeft + 1, kVTop + 1, kThick - 2, kVLength - v - 1), bottom(kVLeft + 1, kVTop + kVLength - v, kThick - 2, v - 1);
        const QRect vFilled = reversed ? top : bottom, vRest = reversed ? bottom : top;
        EXPECT_GT(CountNear(image, vFilled, over, 40), 5) << reversed;
        EXPECT_EQ(CountNear(image, vFilled, normal, 60), 0) << reversed;
        EXPECT_GT(CountNear(image, vRest, normal, 40), 5) << reversed;
        EXPECT_EQ(CountNear(image, vRest, over, 60), 0) << reversed;

        // The horizontal text reads across, the vertical one along its bar.
        QRect hInk, vInk;
        for (const QColor& c : {normal, over})
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (Near(At(image, x, y), c, 40)) (y < kVTop ? hInk : vInk) |= QRect(x, y, 1, 1);
        EXPECT_GT(hInk.width(), hInk.height()) << reversed;
        EXPECT_GT(vInk.height(), vInk.width()) << reversed;
    }
}

TEST(ProgressPreview, NoTextWithoutShowTextAndHostilePatternsDrawSafely) {
    ProgressFixture f;
    f.bar->drawType = 2;
    f.bar->bkStart = f.bar->bkEnd = Color(255, 255, 255);
    f.bar->textNormal = Color(0, 150, 0);
    EXPECT_EQ(CountNear(f.Render(0), QRect(0, 0, 500, 300), QColor(0, 150, 0), 40), 0);
    f.bar->showText = 1;
    for (const char* pattern : {"%s%s%s%n", "%d%x%p", "%999999999f", "%.0f%.0f%.0f%s", "%", "%n%%"}) {
        f.bar->textFormat = pattern;
        EXPECT_EQ(f.Render(30).size(), QSize(500, 300)) << pattern;
    }
}

TEST(ProgressText, FormatsOneFloatingPointConversion) {
    EXPECT_EQ(FormatProgressText("%.0f%%", 50), "50%");
    EXPECT_EQ(FormatProgressText("%.0f%%", 0), "0%");
    EXPECT_EQ(FormatProgressText("%5.1f", 7), "  7.0");
    EXPECT_EQ(FormatProgressText("%-7.2e|", 50), "5.00e+01|");
    EXPECT_EQ(FormatProgressText("%+g done", 100), "+100 done");
    EXPECT_EQ(FormatProgressText("%08.3F", 12.5), "0012.500");
    EXPECT_EQ(FormatProgressText("%#.0f", 3), "3.");
    EXPECT_EQ(FormatProgressText("%%%.0f", 9), "%9");
    EXPECT_EQ(FormatProgressText("Loading", 9), "Loading");
    EXPECT_EQ(FormatProgressText("", 9), "");
    EXPECT_EQ(FormatProgressText("%99.99f", 50), "50." + std::string(99, '0'));
}

TEST(ProgressText, ShowsEverythingElseAsWritten) {
    // Conversions that would read an argument that is not there, or a pointer, or write through one.
    EXPECT_EQ(FormatProgressText("%s", 50), "%s");
    EXPECT_EQ(FormatProgressText("%n", 50), "%n");
    EXPECT_EQ(FormatProgressText("%d%%", 50), "%d%");
    EXPECT_EQ(FormatProgressText("%p %x", 50), "%p %x");
    EXPECT_EQ(FormatProgressText("%*f", 50), "%*f");
    EXPECT_EQ(FormatProgressText("%Lf %lf", 50), "%Lf %lf");
    // Only the first conversion is formatted.
    EXPECT_EQ(FormatProgressText("%.0f of %.0f", 50), "50 of %.0f");
    EXPECT_EQ(FormatProgressText("%s %.0f", 50), "%s 50");
    // Widths and precisions of more than two digits.
    EXPECT_EQ(FormatProgressText("%100f", 50), "%100f");
    EXPECT_EQ(FormatProgressText("%.100f", 50), "%.100f");
    EXPECT_EQ(FormatProgressText("%2147483648.2147483648f", 50), "%2147483648.2147483648f");
    // A lone "%" at the end, and an unfinished conversion.
    EXPECT_EQ(FormatProgressText("100%", 50), "100%");
    EXPECT_EQ(FormatProgressText("%.2", 50), "%.2");
    EXPECT_EQ(FormatProgressText(std::string("%\0f", 3), 50), std::string("%\0f", 3));
}

// ---- limits ----

TEST(ProgressPreview, HostileNumbersAndHugeSizesStillDraw) {
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    for (const auto& [a, b] : {std::pair{kMin, kMax}, std::pair{kMax, kMin}, std::pair{-1, 5}}) {
        for (int type : {0, 1, 2}) {
            ProgressFixture f;
            f.bar->background = AddPicture(f.doc, "bk.png", Solid(6, 6, kYellow));
            f.bar->foreground = AddPicture(f.doc, "fg.png", Solid(6, 6, kGreen));
            f.bar->foregroundSmooth = AddPicture(f.doc, "smooth.png", Solid(6, 6, kRed));
            for (SkinImageBase* image : {&f.bar->background, &f.bar->foreground, &f.bar->foregroundSmooth}) {
                image->left = a, image->top = a, image->right = b, image->bottom = b;
                image->leftWidth = a, image->rightWidth = b, image->topHeight = b, image->bottomHeight = a;
            }
            f.bar->drawType = type;
            f.bar->bkDrawType = f.bar->fgDrawType = 2;
            f.bar->bkStep = a, f.bar->fgStep = b;
            f.bar->showText = 1;
            f.bar->barTextStyle.leftOffset = a, f.bar->barTextStyle.topOffset = b;
            f.bar->font.height = a;
            f.bar->previewWidth = a, f.bar->previewHeight = b;
            EXPECT_EQ(f.Render(a, QSize(500, 300)).size(), QSize(500, 300));
            EXPECT_EQ(f.Render(b, QSize(30, 20)).size(), QSize(30, 20)) << "no room for the bars";
            EXPECT_TRUE(f.Render(50).isNull()) << "the record's own size is beyond any preview";
        }
    }
    ProgressFixture f;
    f.bar->drawType = 2;
    f.bar->showText = 1;
    const QImage wide = f.Render(100, QSize(16000, 300));
    ASSERT_EQ(wide.size(), QSize(16000, 300));
    EXPECT_EQ(At(wide, HorizontalAt(15000, 12, false)), Q(f.bar->fgStart));
}

TEST(ProgressPreview, ThePageSelectorIsASliderFromZeroToHundred) {
    const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(6001);
    ASSERT_NE(kind, nullptr);
    EXPECT_STREQ(kind->tag, "progress");
    const vd::preview::SelectorInfo* position = vd::preview::FindSelector(*kind, "postion");
    ASSERT_NE(position, nullptr);
    EXPECT_STREQ(position->caption, "Postion");
    EXPECT_EQ(position->edit, vd::preview::SelectorEdit::Slider);
    EXPECT_EQ(position->initial, 50);
    EXPECT_EQ(position->minimum, 0);
    EXPECT_EQ(position->maximum, 100);
    const vd::preview::PreviewKind* status = vd::preview::FindPreviewKind(5999);
    ASSERT_NE(status, nullptr);
    EXPECT_STREQ(status->tag, "statusbar");
    EXPECT_TRUE(status->selectors.empty());
}

}  // namespace
