#include "platform/FrameEdges.h"

#include "platform/SystemColors.h"

namespace vd {
namespace {

struct Ring {
    bool present = false;
    QColor topLeft;
    QColor bottomRight;
};

// One ring on the chosen sides; the rectangle shrinks only on the sides that were drawn.
void DrawRing(QPainter& p, QRect& r, const Ring& ring, uint32_t sides) {
    if (!ring.present || r.width() <= 0 || r.height() <= 0)
        return;
    const int l = r.x(), t = r.y(), w = r.width(), h = r.height();
    if (sides & BF_TOP)
        p.fillRect(QRect(l, t, w - 1, 1), ring.topLeft);
    if (sides & BF_LEFT)
        p.fillRect(QRect(l, t, 1, h - 1), ring.topLeft);
    if (sides & BF_RIGHT)
        p.fillRect(QRect(l + w - 1, t, 1, h), ring.bottomRight);
    if (sides & BF_BOTTOM)
        p.fillRect(QRect(l, t + h - 1, w, 1), ring.bottomRight);
    r.adjust((sides & BF_LEFT) ? 1 : 0, (sides & BF_TOP) ? 1 : 0, (sides & BF_RIGHT) ? -1 : 0,
             (sides & BF_BOTTOM) ? -1 : 0);
}

}  // namespace

void DrawEdge(QPainter& p, QRect& rect, uint32_t edge, uint32_t flags, const SystemEnvironment& env) {
    Ring outer, inner;
    if (edge & BDR_RAISEDOUTER)
        outer = {true, SysColor(COLOR_3DLIGHT, env), SysColor(COLOR_3DDKSHADOW, env)};
    else if (edge & BDR_SUNKENOUTER)
        outer = {true, SysColor(COLOR_BTNSHADOW, env), SysColor(COLOR_BTNHIGHLIGHT, env)};
    if (edge & BDR_RAISEDINNER)
        inner = {true, SysColor(COLOR_BTNHIGHLIGHT, env), SysColor(COLOR_BTNSHADOW, env)};
    else if (edge & BDR_SUNKENINNER)
        inner = {true, SysColor(COLOR_3DDKSHADOW, env), SysColor(COLOR_3DLIGHT, env)};

    QColor middle = SysColor(COLOR_BTNFACE, env);
    if (flags & BF_MONO) {
        const QColor frame = SysColor(COLOR_WINDOWFRAME, env), window = SysColor(COLOR_WINDOW, env);
        outer = {outer.present, frame, frame};
        inner = {inner.present, window, window};
        middle = window;
    } else if (flags & BF_FLAT) {
        const QColor shadow = SysColor(COLOR_BTNSHADOW, env), face = SysColor(COLOR_BTNFACE, env);
        outer = {outer.present, shadow, shadow};
        inner = {inner.present, face, face};
    } else if ((flags & BF_SOFT) && outer.present && inner.present) {
        std::swap(outer.topLeft, inner.topLeft);
    }

    QRect r = rect.normalized();
    const uint32_t sides = flags & BF_RECT;
    DrawRing(p, r, outer, sides);
    DrawRing(p, r, inner, sides);
    if ((flags & BF_MIDDLE) && r.width() > 0 && r.height() > 0)
        p.fillRect(r, middle);
    if (flags & BF_ADJUST)
        rect = r;
}

void Draw3dRect(QPainter& p, const QRect& rect, const QColor& topLeft, const QColor& bottomRight) {
    QRect r = rect;
    DrawRing(p, r, {true, topLeft, bottomRight}, BF_RECT);
}

void DrawEtchedLine(QPainter& p, QPoint start, int length, Qt::Orientation orientation, const SystemEnvironment& env) {
    if (length <= 0)
        return;
    const bool vertical = orientation == Qt::Vertical;
    const QSize line = vertical ? QSize(1, length) : QSize(length, 1);
    p.fillRect(QRect(start, line), SysColor(COLOR_BTNSHADOW, env));
    p.fillRect(QRect(start + (vertical ? QPoint(1, 0) : QPoint(0, 1)), line), SysColor(COLOR_BTNHIGHLIGHT, env));
}

void DrawRaisedFrame(QPainter& p, const QRect& rect, const SystemEnvironment& env) {
    QRect r = rect;
    DrawEdge(p, r, EDGE_RAISED, BF_RECT, env);
}

}  // namespace vd
