#include "platform/FrameControls.h"

#include <algorithm>
#include <array>

#include "platform/ArrowGlyphs.h"
#include "platform/FrameEdges.h"
#include "platform/SystemColors.h"

namespace vd {
namespace {

// Check boxes and radio buttons are square, centred in the rectangle they are given.
QRect CentredSquare(const QRect& r) {
    const int side = std::min(r.width(), r.height());
    return QRect(r.x() + (r.width() - side) / 2, r.y() + (r.height() - side) / 2, side, side);
}

void DrawPushButton(QPainter& p, QRect& rect, uint32_t state, const SystemEnvironment& env) {
    QRect box = rect;
    if (state & DFCS_DEFAULTBUTTON) {
        const QColor frame = SysColor(COLOR_WINDOWFRAME, env);
        Draw3dRect(p, box, frame, frame);
        box.adjust(1, 1, -1, -1);
    }
    if ((state & DFCS_PUSHED) && (state & DFCS_DEFAULTBUTTON)) {
        // A pressed default button sinks flat: one shadow ring around the face.
        const QColor shadow = SysColor(COLOR_BTNSHADOW, env);
        Draw3dRect(p, box, shadow, shadow);
        box.adjust(1, 1, -1, -1);
        if (box.width() > 0 && box.height() > 0)
            p.fillRect(box, SysColor(COLOR_BTNFACE, env));
    } else {
        uint32_t flags = BF_RECT | BF_SOFT | BF_MIDDLE | BF_ADJUST;
        if (state & DFCS_MONO)
            flags |= BF_MONO;
        else if (state & DFCS_FLAT)
            flags |= BF_FLAT;
        DrawEdge(p, box, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED, flags, env);
    }
    if (state & DFCS_ADJUSTRECT)
        rect = box;
}

// The classic 7 x 7 check mark: each column is three pixels high, starting at these rows.
constexpr std::array<int, 7> kCheckColumnTop = {2, 3, 4, 3, 2, 1, 0};

void DrawCheckBox(QPainter& p, const QRect& rect, uint32_t state, const SystemEnvironment& env) {
    QRect box = CentredSquare(rect);
    if (state & (DFCS_FLAT | DFCS_MONO)) {
        const QColor ring = SysColor((state & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW, env);
        Draw3dRect(p, box, ring, ring);
        box.adjust(1, 1, -1, -1);
    } else {
        DrawEdge(p, box, EDGE_SUNKEN, BF_RECT | BF_ADJUST, env);
    }
    if (box.width() <= 0 || box.height() <= 0)
        return;

    const bool threeState = (state & DFCS_BUTTON3STATE) != 0;
    const bool checked = (state & DFCS_CHECKED) != 0;
    const bool dimmed = (state & (DFCS_PUSHED | DFCS_INACTIVE)) != 0;
    if (dimmed) {
        p.fillRect(box, SysColor(COLOR_BTNFACE, env));
    } else if (threeState && checked) {
        // The indeterminate box: a one-pixel checkerboard of face and highlight.
        p.fillRect(box, SysColor(COLOR_BTNFACE, env));
        const QColor light = SysColor(COLOR_BTNHIGHLIGHT, env);
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left() + ((y - box.top()) & 1); x <= box.right(); x += 2)
                p.fillRect(QRect(x, y, 1, 1), light);
    } else {
        p.fillRect(box, SysColor(COLOR_WINDOW, env));
    }
    if (!checked)
        return;

    const QColor mark = SysColor((threeState || (state & DFCS_INACTIVE)) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT, env);
    const int scale = std::max(1, box.width() / 9);
    const int size = 7 * scale;
    const int ox = box.x() + (box.width() - size) / 2, oy = box.y() + (box.height() - size) / 2;
    p.save();
    p.setClipRect(box, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    for (int c = 0; c < 7; ++c)
        p.fillRect(QRect(ox + c * scale, oy + kCheckColumnTop[c] * scale, scale, 3 * scale), mark);
    p.restore();
}

void DrawRadioButton(QPainter& p, const QRect& rect, uint32_t state, const SystemEnvironment& env) {
    const QRect box = CentredSquare(rect);
    if (box.width() <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    auto disc = [&](const QRect& r, const QColor& c) {
        if (r.width() > 0) {
            p.setBrush(c);
            p.drawEllipse(r);
        }
    };
    // The upper-left half of a ring, from 45 to 225 degrees.
    auto upperLeft = [&](const QRect& r, const QColor& c) {
        if (r.width() > 0) {
            p.setBrush(c);
            p.drawPie(r, 45 * 16, 180 * 16);
        }
    };
    QRect inside = box;
    if (state & (DFCS_FLAT | DFCS_MONO)) {
        disc(box, SysColor((state & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW, env));
        inside = box.adjusted(1, 1, -1, -1);
    } else {
        disc(box, SysColor(COLOR_BTNHIGHLIGHT, env));
        upperLeft(box, SysColor(COLOR_BTNSHADOW, env));
        const QRect inner = box.adjusted(1, 1, -1, -1);
        disc(inner, SysColor(COLOR_3DLIGHT, env));
        upperLeft(inner, SysColor(COLOR_3DDKSHADOW, env));
        inside = box.adjusted(2, 2, -2, -2);
    }
    const bool dimmed = (state & (DFCS_PUSHED | DFCS_INACTIVE)) != 0;
    disc(inside, SysColor(dimmed ? COLOR_BTNFACE : COLOR_WINDOW, env));
    if (state & DFCS_CHECKED) {
        const int dot = std::max(2, box.width() / 3);
        const QColor mark = SysColor((state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT, env);
        disc(QRect(box.x() + (box.width() - dot) / 2, box.y() + (box.height() - dot) / 2, dot, dot), mark);
    }
    p.restore();
}

void DrawScrollButton(QPainter& p, const QRect& rect, ArrowDirection direction, uint32_t state,
                      const SystemEnvironment& env) {
    QRect box = rect;
    const bool pushed = (state & DFCS_PUSHED) != 0;
    if (pushed || (state & (DFCS_FLAT | DFCS_MONO))) {
        // Pressed scroll buttons are flat: one shadow ring, the glyph moved down-right by a pixel.
        const QColor ring = SysColor((state & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW, env);
        Draw3dRect(p, box, ring, ring);
        box.adjust(1, 1, -1, -1);
        if (box.width() > 0 && box.height() > 0)
            p.fillRect(box, SysColor(COLOR_BTNFACE, env));
    } else {
        DrawEdge(p, box, EDGE_RAISED, BF_RECT | BF_MIDDLE, env);
    }
    const int base = std::max(1, ((std::min(rect.width(), rect.height()) - 4) / 2) | 1);
    const QRect area = pushed ? rect.translated(1, 1) : rect;
    if (state & DFCS_INACTIVE) {
        DrawArrowTriangle(p, area.translated(1, 1), direction, base, SysColor(COLOR_BTNHIGHLIGHT, env));
        DrawArrowTriangle(p, area, direction, base, SysColor(COLOR_BTNSHADOW, env));
    } else {
        DrawArrowTriangle(p, area, direction, base, SysColor(COLOR_BTNTEXT, env));
    }
}

}  // namespace

bool DrawFrameControl(QPainter& p, QRect& rect, uint32_t type, uint32_t state, const SystemEnvironment& env) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return type == DFC_BUTTON || type == DFC_SCROLL;
    if (type == DFC_BUTTON) {
        if (state & DFCS_BUTTONPUSH)
            DrawPushButton(p, rect, state, env);
        else if (state & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK))
            DrawRadioButton(p, rect, state, env);
        else
            DrawCheckBox(p, rect, state, env);
        return true;
    }
    if (type == DFC_SCROLL) {
        switch (state & 0xFF) {
        case DFCS_SCROLLUP: DrawScrollButton(p, rect, ArrowDirection::Up, state, env); return true;
        case DFCS_SCROLLDOWN:
        case DFCS_SCROLLCOMBOBOX: DrawScrollButton(p, rect, ArrowDirection::Down, state, env); return true;
        case DFCS_SCROLLLEFT: DrawScrollButton(p, rect, ArrowDirection::Left, state, env); return true;
        case DFCS_SCROLLRIGHT: DrawScrollButton(p, rect, ArrowDirection::Right, state, env); return true;
        default: return false;
        }
    }
    return false;
}

}  // namespace vd
