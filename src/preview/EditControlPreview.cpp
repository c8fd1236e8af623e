#include "preview/EditControlPreview.h"

#include <algorithm>

#include "Resource/ResObjects/ResComboBox.h"
#include "Resource/ResObjects/ResIPAddress.h"
#include "Resource/SkinDocument.h"
#include "platform/DrawText.h"
#include "platform/FrameControls.h"
#include "platform/LogFontQt.h"
#include "platform/SystemColors.h"
#include "preview/ControlPreview.h"
#include "preview/PreviewCommon.h"
#include "preview/SkinColors.h"

namespace vd::preview {

namespace {

// The ground's inset and the heights of the two controls.
constexpr int kInset = 5;
constexpr int kComboHeight = 22;
constexpr int kFieldAreaHeight = 40;
constexpr int kIPDotSize = 2;

// The state's name as the "State" row lists it, so the preview and the grid never disagree.
QString StateName(const SelectorInfo& selector, int value) {
    for (const SelectorOption& o : selector.options)
        if (o.value == value) return QString::fromLatin1(o.label);
    return {};
}

// The name is drawn as on a fresh device context: black, in the default font, on a transparent background.
void DrawStateName(QPainter& painter, const QString& name, QRect rect) {
    painter.save();
    painter.setFont(ToQFont(LogFont{}));
    painter.setPen(QColor(0, 0, 0));
    DrawText(painter, name, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    painter.restore();
}

// A field without a picture: a pushed standard push button with a white inside.
void DrawWhiteField(QPainter& painter, QRect rect, const SystemEnvironment& env) {
    if (rect.isEmpty()) return;
    DrawFrameControl(painter, rect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, env);
    rect.adjust(2, 2, -2, -2);
    if (!rect.isEmpty()) painter.fillRect(rect, QColor(255, 255, 255));
}

// How the standard drop-down arrow shows the selector's state when the button has no picture.
uint32_t ComboArrowLook(int state) {
    switch (state) {
    case kFourPressed: return DFCS_PUSHED;
    case kFourHighlighted: return DFCS_HOT;
    case kFourDisabled: return DFCS_INACTIVE;
    default: return 0;
    }
}

// The ground inset on every side; the control stands at its top, cut off when the preview is too small.
QRect InsetArea(QSize size) { return QRect(QPoint(0, 0), size).adjusted(kInset, kInset, -kInset, -kInset); }

// The field of an edit-like control (the lower half of its area), after the ground and the state's name.
QRect DrawEditFieldBase(QPainter& painter, const PreviewContext& ctx, const SkinIPAddress& field) {
    const int state = ThreeStateValue(ctx);
    DrawControlGround(painter, ctx.doc, QRect(QPoint(0, 0), ctx.size));
    const QRect area = InsetArea(ctx.size);
    const QRect control(area.left(), area.top(), area.width(), kFieldAreaHeight);
    const int upper = control.height() / 2;
    DrawStateName(painter, StateName(ThreeStateSelector(), state),
                  QRect(control.left(), control.top(), control.width(), upper));
    const QRect lower(control.left(), control.top() + upper, control.width(), control.height() - upper);
    if (!DrawImageRef(painter, lower, field.edges[static_cast<size_t>(state)]))
        DrawWhiteField(painter, lower, ctx.doc.Env());
    return lower;
}

}  // namespace

void DrawComboBoxPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* combo = dynamic_cast<const SkinComboBox*>(&ctx.record);
    if (!combo) return;
    const int state = FourStateValue(ctx);
    const size_t index = static_cast<size_t>(FourStateIndex(state));
    const SystemEnvironment& env = ctx.doc.Env();
    // The frame has only two pictures: disabled, and normal for every other state.
    const SkinImageBase& edge = combo->edges[state == kFourDisabled ? 1 : 0];
    const SkinImageBase& button = combo->buttons[index];
    const SkinImageBase& arrow = combo->arrows[index];

    DrawControlGround(painter, ctx.doc, QRect(QPoint(0, 0), ctx.size));
    const QRect area = InsetArea(ctx.size);
    const QRect control(area.left(), area.top(), area.width(), kComboHeight);
    if (control.isEmpty()) return;

    QRect inside = control;
    if (!NamesPicture(edge)) {
        DrawWhiteField(painter, control, env);
        inside = control.adjusted(2, 2, -2, -2);
    }
    if (!NamesPicture(button)) {
        const int width = std::clamp(SystemMetric(SM_CXHSCROLL, env), 0, std::max(inside.width(), 0));
        QRect drop(inside.right() + 1 - width, inside.top(), width, inside.height());
        if (!drop.isEmpty())
            DrawFrameControl(painter, drop, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | ComboArrowLook(state), env);
    }
    DrawImageRef(painter, control, edge);
    DrawStateName(painter, StateName(FourStateSelector(), state), control);

    // The button keeps its picture's width (never wider than the control) at the control's right end.
    const int buttonWidth = std::clamp(SliceWidth(button), 0, control.width());
    const QRect face(control.right() + 1 - buttonWidth, control.top(), buttonWidth, control.height());
    DrawImageRef(painter, face, button);
    const int aw = SliceWidth(arrow), ah = SliceHeight(arrow);
    if (aw > 0 && ah > 0)
        DrawImageRef(painter,
                     BoundedRect(face.left() + (face.width() - aw) / 2, face.top() + (face.height() - ah) / 2, aw, ah),
                     arrow);
}

void DrawEditFieldPreview(QPainter& painter, const PreviewContext& ctx) {
    if (const auto* field = dynamic_cast<const SkinIPAddress*>(&ctx.record)) DrawEditFieldBase(painter, ctx, *field);
}

void DrawIPAddressPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* field = dynamic_cast<const SkinIPAddress*>(&ctx.record);
    if (!field) return;
    const QRect lower = DrawEditFieldBase(painter, ctx, *field);
    if (lower.isEmpty()) return;
    // The separators of the four numbers, at one, two and three quarters of the field, in the machine's
    // button-text colour: they stand on the white field or the edge picture, not on the skin's face.
    const QColor dot = SysColor(COLOR_BTNTEXT, ctx.doc.Env());
    const int top = lower.top() + (lower.height() - kIPDotSize) / 2;
    for (int i = 1; i <= 3; ++i) {
        const int offset = static_cast<int>(lower.width() * i * 0.25);
        painter.fillRect(QRect(lower.left() + offset, top, kIPDotSize, kIPDotSize), dot);
    }
}

QSize EditFieldPreviewSize(const CSkinDocument&, const SkinResStruct& record) {
    return {kEditFieldPreviewWidth, StoredPreviewSize<SkinIPAddress>(record).height()};
}

}  // namespace vd::preview
