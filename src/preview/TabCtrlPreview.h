#pragma once
// The tab-control preview: for the orientation the page chooses, the strip's background and four sample
// tabs (Normal, the selected one, Disabled, Highlighted) laid along it with each state's offsets, the
// selected tab drawn last over its neighbours.

#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>

#include "preview/PreviewKind.h"

class QString;
struct SkinImageBase;
struct SkinTabCtrl;
struct SkinTabSide;

namespace vd::preview {

inline constexpr QSize kTabCtrlPreviewSize{450, 300};
// The tabs and the strip keep this far from the preview's edges.
inline constexpr int kTabCtrlInset = 10;

// The page's selector; its values are the record's side indices (top, bottom, left, right).
inline constexpr const char* kTabOrientationSelector = "Orientation";
enum TabSide { kTabTop = 0, kTabBottom = 1, kTabLeft = 2, kTabRight = 3 };
SelectorInfo TabOrientationSelector();

// The names of the five tab states by state index, as the page's offset groups and the sample tabs'
// captions show them.
inline constexpr std::array<const char*, 5> kTabStateNames = {"Normal", "Pressed", "DISABLE", "Highlighted", "DEFAULT"};
// The state of the selected sample tab, drawn last.
inline constexpr int kTabSelectedState = 1;
inline constexpr int kTabSampleTabs = 4;

// A tab drawn without an item picture: this long along the strip (four fit along the short side of the
// page's preview) and this thick across it; the selected one is drawn two pixels larger all round.
inline constexpr int kStandardTabLength = 68;
inline constexpr int kStandardTabThickness = 22;

// Where sample tab `state` (0..3) of the side lies in a preview of the given size, offsets and widening
// included. Tabs run along the strip from its start (left or top); a tab's length along the strip is its
// item picture's width (top, bottom) or height (left, right), or kStandardTabLength without the normal
// picture. The horizontal offset widens a tab towards the strip's start (the selected tab at both ends);
// the vertical offset moves it across the strip, away from the preview's edge towards the page.
QRect TabSampleRect(const SkinTabCtrl& tabs, int side, int state, QSize size);

// A tab strip in its own terms: `along` runs from the strip's start (left or top), `across` from the
// control's outer edge towards the page, so both orientations and both ends share one layout.
struct TabStrip {
    QRect area;
    int side = kTabTop;

    int Length() const;
    int Depth() const;
    // The piece of the strip at along..along + length, across..across + thickness (each bounded).
    QRect Piece(long long along, long long length, long long across, long long thickness) const;
    // The sides of a standard tab that get an edge: all but the one towards the page.
    uint32_t TabEdges() const;
};

// A tab picture's own size along (width) and across (height) the strip of the side: a left or right tab
// picture lies on its side, so its height runs along the strip. Empty when it names no picture or has no
// area.
QSize TabPictureSize(const SkinImageBase& image, int side);

// The picture a tab in `state` shows: its own, or the normal one when its own is missing; null without the
// normal picture (the standard tabs are drawn then).
const SkinImageBase* TabItemImage(const SkinTabSide& s, int state);

// Whether a caption in a tab of this side and rect runs along the tab (reading upwards on the left,
// downwards on the right): only on a left or right tab taller than it is wide; otherwise it is upright.
bool TabCaptionRunsAlong(int side, const QRect& rect);

// A tab's caption inside its rect, cut to it, in the tab font and the state's text style of the side.
void DrawTabCaption(QPainter& painter, const QString& text, const SkinTabCtrl& tabs, int side, int state,
                    const QRect& rect);

void DrawTabCtrlPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
