#include "preview/BarFillPreview.h"

#include <QPainter>

#include <algorithm>

#include "Resource/ResObjects/ResControlBar.h"
#include "Resource/SkinDocument.h"
#include "platform/FrameEdges.h"
#include "platform/QtConvert.h"
#include "preview/ControlPreview.h"
#include "preview/DrawTypeFill.h"
#include "preview/PreviewCommon.h"

namespace vd::preview {

namespace {

// The fill inside the border. "Fastness" paints none, and neither does a kind this designer does not know,
// so a broken value shows as an empty bar rather than as one of the fills.
void FillInside(QPainter& painter, const QRect& rect, const SkinControlBar& bar) {
    if (bar.drawType == kGradientHorz || bar.drawType == kGradientVert || bar.drawType == kRecursive)
        FillByDrawType(painter, rect, bar.start, bar.end, bar.drawType, bar.step);
}

}  // namespace

QRect BarFillArea(QSize size) {
    return QRect(QPoint(0, 0), size).adjusted(kBarFillInset, kBarFillInset, -kBarFillInset, -kBarFillInset);
}

QRect BarGripperRect(const QRect& bar, QSize gripper) {
    const QRect inside = bar.adjusted(1, 1, -1, -1);
    return QRect(inside.left(), inside.top() + (inside.height() - gripper.height()) / 2, gripper.width(),
                 gripper.height());
}

void DrawBarFillPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* bar = dynamic_cast<const SkinControlBar*>(&ctx.record);
    if (!bar) return;
    DrawControlGround(painter, ctx.doc, QRect(QPoint(0, 0), ctx.size));
    const QRect area = BarFillArea(ctx.size);
    if (area.isEmpty()) return;
    if (!DrawImageRef(painter, area, bar->background)) {
        Draw3dRect(painter, area, ToQColor(bar->highlight), ToQColor(bar->shadow));
        FillInside(painter, area.adjusted(1, 1, -1, -1), *bar);
    }
    if (const auto* rebar = dynamic_cast<const SkinReBar*>(bar)) {
        const QSize own(SliceWidth(rebar->gripper), SliceHeight(rebar->gripper));
        if (own.isEmpty()) return;
        painter.save();
        painter.setClipRect(area, Qt::IntersectClip);
        DrawImageRef(painter, BarGripperRect(area, own), rebar->gripper);
        painter.restore();
    }
}

}  // namespace vd::preview
