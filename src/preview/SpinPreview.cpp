#include "preview/SpinPreview.h"

#include <algorithm>

#include "Resource/ResObjects/ResSpin.h"
#include "Resource/SkinDocument.h"
#include "platform/FrameControls.h"
#include "preview/ControlPreview.h"
#include "preview/PreviewCommon.h"
#include "preview/ScrollParts.h"

namespace vd::preview {
namespace {

// The record's state indices, which the selector's values are.
enum SpinState { kSpinNormal = 0, kSpinPressed = 1, kSpinDisabled = 2, kSpinHighlighted = 3 };

int ChosenState(const PreviewContext& ctx) {
    const int v = SelectorValue(ctx.selectors, "State", kSpinNormal);
    return v >= kSpinNormal && v <= kSpinHighlighted ? v : kSpinNormal;
}

// One button: its face, its arrow and the system arrow standing in for a missing face.
struct Button {
    const SkinImageBase& face;
    const SkinImageBase& arrow;
    uint32_t scroll;  // DFCS_SCROLLLEFT, ...
};

// A button's size: its face picture's own, or the machine's scroll-arrow size without one; never larger
// than the room there is.
QSize ButtonSize(const SkinImageBase& face, QSize standard, QSize room) {
    QSize size = standard;
    if (NamesPicture(face) && SliceWidth(face) > 0 && SliceHeight(face) > 0) size = {SliceWidth(face), SliceHeight(face)};
    return size.boundedTo(room.expandedTo(QSize(0, 0)));
}

}  // namespace

void DrawSpinButton(QPainter& painter, const QRect& rect, const SkinImageBase& face, const SkinImageBase& arrow,
                    uint32_t scroll, int state, const SystemEnvironment& env) {
    if (rect.isEmpty()) return;
    if (!DrawImageRef(painter, rect, face)) {
        QRect control = rect;
        DrawFrameControl(painter, control, DFC_SCROLL, scroll | StandardArrowStateBits(state), env);
    }
    const int w = SliceWidth(arrow), h = SliceHeight(arrow);
    if (w <= 0 || h <= 0) return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    // Cut to the button first, so an enormous arrow from the file is never laid out at its full size.
    const int aw = std::min(w, rect.width()), ah = std::min(h, rect.height());
    DrawImageRef(painter, QRect(rect.left() + (rect.width() - aw) / 2, rect.top() + (rect.height() - ah) / 2, aw, ah),
                 arrow);
    painter.restore();
}

SelectorInfo SpinStateSelector() {
    return {"State",
            {{"Normal", kSpinNormal}, {"Highlighted", kSpinHighlighted}, {"Pressed", kSpinPressed}, {"Disabled", kSpinDisabled}},
            kSpinNormal};
}

void DrawSpinPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* spin = dynamic_cast<const SkinSpin*>(&ctx.record);
    if (!spin) return;
    const QRect whole(QPoint(0, 0), ctx.size);
    DrawControlGround(painter, ctx.doc, whole);
    const QRect area = whole.adjusted(kSpinInset, kSpinInset, -kSpinInset, -kSpinInset);
    if (area.isEmpty()) return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);

    const int state = ChosenState(ctx);
    const size_t s = static_cast<size_t>(state);
    const SystemEnvironment& env = ctx.doc.Env();
    const QSize standard(env.Metric(SM_CXHSCROLL), env.Metric(SM_CYVSCROLL));

    // Horizontal: left and right side by side along the top of the area.
    const Button left{spin->leftBtn.images[s], spin->leftArrow.images[s], DFCS_SCROLLLEFT};
    const Button right{spin->rightBtn.images[s], spin->rightArrow.images[s], DFCS_SCROLLRIGHT};
    const QRect leftRect(area.topLeft(), ButtonSize(left.face, standard, area.size()));
    const QRect rightRect(QPoint(leftRect.right() + 1, area.top()),
                          ButtonSize(right.face, standard, QSize(area.right() - leftRect.right(), area.height())));
    DrawSpinButton(painter, leftRect, left.face, left.arrow, left.scroll, state, env);
    DrawSpinButton(painter, rightRect, right.face, right.arrow, right.scroll, state, env);

    // Vertical: up above down, below the horizontal spin.
    const int top = area.top() + std::max(leftRect.height(), rightRect.height()) + kSpinGap;
    const QSize below(area.width(), area.bottom() + 1 - top);
    const Button up{spin->upBtn.images[s], spin->upArrow.images[s], DFCS_SCROLLUP};
    const Button down{spin->downBtn.images[s], spin->downArrow.images[s], DFCS_SCROLLDOWN};
    const QRect upRect(QPoint(area.left(), top), ButtonSize(up.face, standard, below));
    const QRect downRect(QPoint(area.left(), upRect.bottom() + 1),
                         ButtonSize(down.face, standard, QSize(area.width(), area.bottom() - upRect.bottom())));
    DrawSpinButton(painter, upRect, up.face, up.arrow, up.scroll, state, env);
    DrawSpinButton(painter, downRect, down.face, down.arrow, down.scroll, state, env);
    painter.restore();
}

}  // namespace vd::preview
