#pragma once
// The tab-control preview: for the orientation the page chooses, the strip's background and four sample
// tabs (Normal, the selected one, Disabled, Highlighted) laid along it with each state's offsets, the
// selected tab drawn last over its neighbours.

#include <QRect>
#include <QSize>

#include <array>

#include "preview/PreviewKind.h"

struct SkinTabCtrl;

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

void DrawTabCtrlPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
