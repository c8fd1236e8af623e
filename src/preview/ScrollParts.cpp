#include "preview/ScrollParts.h"

#include <algorithm>

#include "platform/FrameControls.h"
#include "preview/PreviewCommon.h"

namespace vd::preview {

ThumbSpan PlaceScrollThumb(int track, long long max, long long page, long long pos, int minLength) {
    if (track <= 0) return {};
    const long long positions = max - page + 1;
    if (max <= 0 || positions <= 0) return {0, track};
    const double length = std::clamp(std::max(static_cast<double>(page) / static_cast<double>(max) * track,
                                              static_cast<double>(minLength)),
                                     0.0, static_cast<double>(track));
    const double at = static_cast<double>(std::clamp(pos, 0LL, positions));
    const double offset = (track - length) / static_cast<double>(positions) * at;
    return {static_cast<int>(offset), static_cast<int>(length)};
}

uint32_t StandardArrowStateBits(int stateIndex) {
    switch (stateIndex) {
    case 1: return DFCS_PUSHED;
    case 2: return DFCS_INACTIVE;
    case 3: return DFCS_HOT;
    default: return 0;
    }
}

void DrawCentredImage(QPainter& painter, const QRect& rect, const SkinImageBase& image) {
    const int w = SliceWidth(image), h = SliceHeight(image);
    if (w <= 0 || h <= 0 || rect.isEmpty()) return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    DrawImageRef(painter, QRect(rect.left() + (rect.width() - w) / 2, rect.top() + (rect.height() - h) / 2, w, h),
                 image);
    painter.restore();
}

void DrawScrollTrack(QPainter& painter, const QRect& rect, const SkinImageBase& back) {
    if (!rect.isEmpty() && !DrawImageRef(painter, rect, back)) painter.fillRect(rect, kScrollTrackColour);
}

void DrawScrollButton(QPainter& painter, const QRect& rect, const SkinImageBase& face, const SkinImageBase& arrow,
                      uint32_t scroll, int stateIndex, const SystemEnvironment& env) {
    if (rect.isEmpty()) return;
    if (!DrawImageRef(painter, rect, face)) {
        QRect control = rect;
        DrawFrameControl(painter, control, DFC_SCROLL, scroll | StandardArrowStateBits(stateIndex), env);
    }
    DrawCentredImage(painter, rect, arrow);
}

void DrawScrollThumb(QPainter& painter, const QRect& rect, const SkinImageBase& body, const SkinImageBase& grip,
                     const SystemEnvironment& env) {
    if (rect.isEmpty()) return;
    if (!DrawImageRef(painter, rect, body)) {
        QRect control = rect;
        DrawFrameControl(painter, control, DFC_BUTTON, DFCS_BUTTONPUSH, env);
    }
    DrawCentredImage(painter, rect, grip);
}

ScrollBarImages ScrollBarImagesOf(const SkinScrollBar& b, Qt::Orientation orientation) {
    if (orientation == Qt::Horizontal)
        return {b.hBk, b.hBar, b.hThumb, b.leftBtn, b.leftArrow, b.rightBtn, b.rightArrow, DFCS_SCROLLLEFT,
                DFCS_SCROLLRIGHT};
    return {b.vBk, b.vBar, b.vThumb, b.upBtn, b.upArrow, b.downBtn, b.downArrow, DFCS_SCROLLUP, DFCS_SCROLLDOWN};
}

}  // namespace vd::preview
