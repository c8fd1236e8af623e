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
#include "preview/FieldControls.h"
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
    DrawEditFieldFace(painter, ctx.doc.Env(), field, lower, state);
    return lower;
}

}  // namespace

void DrawComboBoxPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* combo = dynamic_cast<const SkinComboBox*>(&ctx.record);
    if (!combo) return;
    const int state = FourStateValue(ctx);
    const int index = FourStateIndex(state);
    const SystemEnvironment& env = ctx.doc.Env();

    DrawControlGround(painter, ctx.doc, QRect(QPoint(0, 0), ctx.size));
    const QRect area = InsetArea(ctx.size);
    const QRect control(area.left(), area.top(), area.width(), kComboHeight);
    if (control.isEmpty()) return;

    // The standard arrow goes over the white field but under a frame picture, as the engine draws them.
    const bool framed = NamesPicture(DropDownEdge(*combo, index));
    if (!framed) DrawDropDownEdge(painter, env, *combo, control, index);
    DrawDropDownFallbackArrow(painter, env, *combo, control, index);
    if (framed) DrawDropDownEdge(painter, env, *combo, control, index);
    DrawStateName(painter, StateName(FourStateSelector(), state), control);
    DrawDropDownButton(painter, *combo, control, index);
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
