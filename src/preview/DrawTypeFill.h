#pragma once
// The colour fill a "DrawType" value selects for backgrounds without a picture (dialogs; the same values
// as the control bar, rebar and progress bar fills).

#include <QPainter>
#include <QRect>

#include "Resource/ResObjects/ResControlBar.h"
#include "Resource/SkinRecords.h"

namespace vd::preview {

// The values are those of BackgroundDrawType (ResControlBar.h): 0 the horizontal gradient from start to
// end, 1 the vertical one, 2 the stepped fill from start with step; any other value draws the horizontal
// gradient. A step beyond a channel's whole range changes nothing more and is cut back, so the sums stay
// in range.
void FillByDrawType(QPainter& painter, const QRect& rect, Color start, Color end, int drawType, int step);

}  // namespace vd::preview
