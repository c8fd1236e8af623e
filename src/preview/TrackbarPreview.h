#pragma once
// The trackbar preview: a column of horizontal sample trackbars and, right of it, a row of vertical ones,
// each in its own 150 x 40 lane, with the channel across the lane and the normal thumb at the page's
// "Postion" percentage.

#include <QRect>
#include <QSize>

#include "preview/PreviewKind.h"

class CSkinDocument;

namespace vd::preview {

inline constexpr QSize kTrackbarPreviewSize{400, 250};

// The page's selector: where the sample thumbs sit, in percent of the lane.
inline constexpr const char* kTrackbarPositionSelector = "Postion";
inline constexpr int kTrackbarInitialPosition = 50;
SelectorInfo TrackbarPositionSelector();

// The lanes: kTrackbarLaneLength along the bar, kTrackbarLaneThickness across it, kTrackbarLaneGap apart,
// kTrackbarMargin in from the preview's top-left corner; the vertical lanes start kTrackbarColumnGap right
// of the horizontal column.
inline constexpr int kTrackbarLaneLength = 150;
inline constexpr int kTrackbarLaneThickness = 40;
inline constexpr int kTrackbarLaneGap = 10;
inline constexpr int kTrackbarMargin = 10;
inline constexpr int kTrackbarColumnGap = 20;
inline constexpr int kTrackbarLanes = 4;

// Lane i (0..3) of the horizontal column (stacked downwards) and of the vertical one (side by side,
// running downwards from the top).
QRect TrackbarHorizontalLane(int i);
QRect TrackbarVerticalLane(int i);

// Without pictures: the channel is a sunken groove this thick, the thumb a push button of this size
// (length along the bar x thickness across it).
inline constexpr int kStandardChannelThickness = 6;
inline constexpr QSize kStandardThumbSize{11, 21};
// The standard groove in groove: sunken, white inside while the bar works, button face when it is disabled.
void DrawStandardTrackbarChannel(QPainter& painter, const CSkinDocument& doc, QRect groove, bool disabled);

// How far from the lane's start a thumb `thumbLength` long begins at `position` percent of a lane
// `laneLength` long: the percentage of the lane (truncated), held so the thumb stays inside the lane.
int TrackbarThumbOffset(int laneLength, int thumbLength, int position);

void DrawTrackbarPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
