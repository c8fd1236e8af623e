#pragma once
// The control bar and rebar previews, one drawing for both: on the skin's button face, inset by
// kBarFillInset, the bar's background picture or its 3-D border around the fill its draw type chooses; a
// rebar adds its gripper picture at the left end of the bar.

#include <QRect>
#include <QSize>

#include "preview/PreviewKind.h"

namespace vd::preview {

// How far the sample bar keeps off the preview's edges.
inline constexpr int kBarFillInset = 10;

// The sample bar inside a preview of the given size.
QRect BarFillArea(QSize size);
// Where a rebar's gripper of the given size sits on the sample bar: at its left end inside the border,
// vertically centred, at the picture's own size (the part outside the bar is not drawn).
QRect BarGripperRect(const QRect& bar, QSize gripper);

void DrawBarFillPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
