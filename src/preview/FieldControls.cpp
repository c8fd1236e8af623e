#include "preview/FieldControls.h"

#include <algorithm>
#include <cstddef>

#include "Resource/ResObjects/ResComboBox.h"
#include "Resource/ResObjects/ResIPAddress.h"
#include "platform/FrameControls.h"
#include "platform/SystemColors.h"
#include "preview/PreviewCommon.h"

namespace vd::preview {

namespace {

// The white field's edge: the pushed push button's own two pixels.
constexpr int kWhiteFieldEdge = 2;

// An index the arrays do not hold shows the normal look.
template <class Array>
const SkinImageBase& At(const Array& images, int index) {
    return images[index >= 0 && static_cast<size_t>(index) < images.size() ? static_cast<size_t>(index) : 0];
}

void DrawWhiteField(QPainter& painter, QRect rect, const SystemEnvironment& env) {
    if (rect.isEmpty()) return;
    DrawFrameControl(painter, rect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, env);
    rect.adjust(kWhiteFieldEdge, kWhiteFieldEdge, -kWhiteFieldEdge, -kWhiteFieldEdge);
    if (!rect.isEmpty()) painter.fillRect(rect, QColor(255, 255, 255));
}

// How the standard drop-down arrow shows the state when the button has no picture.
uint32_t ArrowLook(int index) {
    switch (index) {
    case kIndexPressed: return DFCS_PUSHED;
    case kIndexHighlighted: return DFCS_HOT;
    case kIndexDisabled: return DFCS_INACTIVE;
    default: return 0;
    }
}

// The button picture's place: its own width (never wider than the control) at the control's right end.
QRect ButtonFace(const SkinImageBase& button, const QRect& control) {
    const int width = std::clamp(SliceWidth(button), 0, std::max(control.width(), 0));
    return QRect(control.right() + 1 - width, control.top(), width, control.height());
}

}  // namespace

const SkinImageBase& DropDownEdge(const SkinComboBox& combo, int index) {
    return combo.edges[index == kIndexDisabled ? 1 : 0];
}

QRect DropDownButtonRect(const SystemEnvironment& env, const SkinComboBox& combo, const QRect& control, int index) {
    const SkinImageBase& button = At(combo.buttons, index);
    if (NamesPicture(button)) return ButtonFace(button, control);
    QRect inside = control;
    if (!NamesPicture(DropDownEdge(combo, index)))
        inside.adjust(kWhiteFieldEdge, kWhiteFieldEdge, -kWhiteFieldEdge, -kWhiteFieldEdge);
    const int width = std::clamp(SystemMetric(SM_CXHSCROLL, env), 0, std::max(inside.width(), 0));
    return QRect(inside.right() + 1 - width, inside.top(), width, inside.height());
}

void DrawDropDownEdge(QPainter& painter, const SystemEnvironment& env, const SkinComboBox& combo,
                      const QRect& control, int index) {
    if (!DrawImageRef(painter, control, DropDownEdge(combo, index))) DrawWhiteField(painter, control, env);
}

void DrawDropDownFallbackArrow(QPainter& painter, const SystemEnvironment& env, const SkinComboBox& combo,
                               const QRect& control, int index) {
    if (NamesPicture(At(combo.buttons, index))) return;
    QRect drop = DropDownButtonRect(env, combo, control, index);
    if (!drop.isEmpty()) DrawFrameControl(painter, drop, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | ArrowLook(index), env);
}

void DrawDropDownButton(QPainter& painter, const SkinComboBox& combo,
                        const QRect& control, int index) {
    // The arrow picture stands on the button picture's place even when that picture is missing.
    const SkinImageBase& button = At(combo.buttons, index);
    const QRect face = ButtonFace(button, control);
    DrawImageRef(painter, face, button);
    const SkinImageBase& arrow = At(combo.arrows, index);
    const int aw = SliceWidth(arrow), ah = SliceHeight(arrow);
    if (aw > 0 && ah > 0)
        DrawImageRef(painter,
                     BoundedRect(face.left() + (face.width() - aw) / 2, face.top() + (face.height() - ah) / 2, aw, ah),
                     arrow);
}

void DrawEditFieldFace(QPainter& painter, const SystemEnvironment& env, const SkinIPAddress& field, const QRect& rect,
                       int edgeIndex) {
    if (!DrawImageRef(painter, rect, At(field.edges, edgeIndex))) DrawWhiteField(painter, rect, env);
}

}  // namespace vd::preview
