#include "preview/TrackbarPreview.h"

#include <algorithm>

#include "Resource/ResObjects/ResTrackBar.h"
#include "Resource/SkinDocument.h"
#include "platform/FrameControls.h"
#include "platform/FrameEdges.h"
#include "platform/SystemColors.h"
#include "preview/ControlPreview.h"
#include "preview/PreviewCommon.h"
#include "preview/SkinColors.h"

namespace vd::preview {
namespace {

// One sample trackbar: which channel (normal or disabled) and which thumb shape it shows; no thumb on
// the disabled lane.
struct Lane {
    int channel;
    const SkinStateImageSet<5>* thumb;
};

// A lane laid out along x (start at 0) and across y, so both orientations share one drawing; `horizontal`
// says how the lane's own axes map onto the preview.
struct LaneFrame {
    QRect screen;
    bool horizontal;
    // A piece of the lane: `along` from its start, `across` from its top (left), in preview coordinates.
    QRect Piece(int along, int length, int across, int thickness) const {
        return horizontal ? QRect(screen.left() + along, screen.top() + across, length, thickness)
                          : QRect(screen.left() + across, screen.top() + along, thickness, length);
    }
    int Length() const { return horizontal ? screen.width() : screen.height(); }
    int Thickness() const { return horizontal ? screen.height() : screen.width(); }
};

// A picture's own size measured along and across the lane; empty when it names no picture or has no area.
QSize OwnSize(const SkinImageBase& image, bool horizontal) {
    if (!NamesPicture(image)) return {};
    const int w = SliceWidth(image), h = SliceHeight(image);
    if (w <= 0 || h <= 0) return {};
    return horizontal ? QSize(w, h) : QSize(h, w);
}

void DrawChannel(QPainter& painter, const PreviewContext& ctx, const LaneFrame& lane, const SkinImageBase& image,
                 bool disabled) {
    const QSize own = OwnSize(image, lane.horizontal);
    if (!own.isEmpty()) {
        const int thickness = own.height();
        DrawImageRef(painter, lane.Piece(0, lane.Length(), (lane.Thickness() - thickness) / 2, thickness), image);
        return;
    }
    const int thickness = kStandardChannelThickness;
    DrawStandardTrackbarChannel(painter, ctx.doc,
                                lane.Piece(0, lane.Length(), (lane.Thickness() - thickness) / 2, thickness), disabled);
}

void DrawThumb(QPainter& painter, const PreviewContext& ctx, const LaneFrame& lane, const SkinImageBase& image,
               int position) {
    const QSize own = OwnSize(image, lane.horizontal);
    const QSize size = own.isEmpty() ? kStandardThumbSize : own;
    const int offset = TrackbarThumbOffset(lane.Length(), size.width(), position);
    const QRect at = lane.Piece(offset, size.width(), (lane.Thickness() - size.height()) / 2, size.height());
    if (!own.isEmpty()) {
        DrawImageRef(painter, at, image);
        return;
    }
    QRect button = at;
    DrawFrameControl(painter, button, DFC_BUTTON, DFCS_BUTTONPUSH, ctx.doc.Env());
}

}  // namespace

void DrawStandardTrackbarChannel(QPainter& painter, const CSkinDocument& doc, QRect groove, bool disabled) {
    DrawEdge(painter, groove, EDGE_SUNKEN, BF_RECT | BF_ADJUST, doc.Env());
    if (!groove.isEmpty())
        painter.fillRect(groove, disabled ? SkinSysColor(doc, COLOR_BTNFACE) : SkinSysColor(doc, COLOR_WINDOW));
}

SelectorInfo TrackbarPositionSelector() {
    return {kTrackbarPositionSelector, {}, kTrackbarInitialPosition, SelectorEdit::Slider, 0, 100};
}

QRect TrackbarHorizontalLane(int i) {
    return QRect(kTrackbarMargin, kTrackbarMargin + i * (kTrackbarLaneThickness + kTrackbarLaneGap),
                 kTrackbarLaneLength, kTrackbarLaneThickness);
}

QRect TrackbarVerticalLane(int i) {
    const int columnLeft = kTrackbarMargin + kTrackbarLaneLength + kTrackbarColumnGap;
    return QRect(columnLeft + i * (kTrackbarLaneThickness + kTrackbarLaneGap), kTrackbarMargin, kTrackbarLaneThickness,
                 kTrackbarLaneLength);
}

int TrackbarThumbOffset(int laneLength, int thumbLength, int position) {
    if (laneLength <= 0) return 0;
    const int offset = static_cast<int>(std::clamp(position, 0, 100) * 0.01 * laneLength);
    // At the far end the thumb would start where the lane ends and hang out of it by its whole length.
    return std::clamp(offset, 0, std::max(0, laneLength - std::max(0, thumbLength)));
}

void DrawTrackbarPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* t = dynamic_cast<const SkinTrackbar*>(&ctx.record);
    if (!t) return;
    DrawControlGround(painter, ctx.doc, QRect(QPoint(0, 0), ctx.size));
    const int position =
        std::clamp(SelectorValue(ctx.selectors, kTrackbarPositionSelector, kTrackbarInitialPosition), 0, 100);

    const Lane horizontal[kTrackbarLanes] = {{0, &t->thumbHorz}, {0, &t->thumbUp}, {0, &t->thumbDown}, {1, nullptr}};
    const Lane vertical[kTrackbarLanes] = {{0, &t->thumbVert}, {0, &t->thumbLeft}, {0, &t->thumbRight}, {1, nullptr}};
    for (int i = 0; i < kTrackbarLanes; ++i)
        for (const bool isHorizontal : {true, false}) {
            const Lane& lane = isHorizontal ? horizontal[i] : vertical[i];
            const LaneFrame frame{isHorizontal ? TrackbarHorizontalLane(i) : TrackbarVerticalLane(i), isHorizontal};
            const auto& channels = isHorizontal ? t->horzChannel : t->vertChannel;
            painter.save();
            // Whatever size a picture has, a sample never reaches into its neighbour's lane.
            painter.setClipRect(frame.screen, Qt::IntersectClip);
            DrawChannel(painter, ctx, frame, channels[static_cast<size_t>(lane.channel)], lane.channel == 1);
            if (lane.thumb) DrawThumb(painter, ctx, frame, lane.thumb->images[0], position);
            painter.restore();
        }
}

}  // namespace vd::preview
