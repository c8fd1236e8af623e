#include "testskin/DropDownStylePart.h"

#include <QLineEdit>
#include <QPainter>

#include <algorithm>

#include "Resource/ResObjects/ResComboBox.h"
#include "preview/FieldControls.h"
#include "preview/PreviewCommon.h"
#include "testskin/SkinStyle.h"

namespace {

// The text keeps this far from the field's frame; the frame pictures' borders are about as thick.
constexpr int kFieldInset = 2;
// Room for the label's own margins either side of its text.
constexpr int kLabelMargin = 2;
// A field's height and its button's width are never measured beyond this, whatever a picture's rectangle
// says.
constexpr int kMaxMeasured = 256;
// Wide enough for any button picture a field is measured with.
constexpr int kProbeWidth = 4096;

}  // namespace

SkinStateIndex DropDownStateIndex(const QStyleOption& option) {
    if ((option.state & QStyle::State_Enabled) && (option.state & QStyle::State_On)) return kSkinPressed;
    return StateIndexOf(option);
}

QRect DropDownStylePart::ArrowRect(const SkinComboBox& record, const QStyleOption& option) const {
    return vd::preview::DropDownButtonRect(Style().Document()->Env(), record, option.rect, DropDownStateIndex(option));
}

QRect DropDownStylePart::EditFieldRect(const SkinComboBox& record, const QStyleOption& option) const {
    const QRect arrow = ArrowRect(record, option);
    QRect field = option.rect.adjusted(kFieldInset, kFieldInset, -kFieldInset, -kFieldInset);
    field.setRight(std::min(field.right(), arrow.left() - 1));
    return field.isValid() ? field : QRect(option.rect.topLeft(), QSize(0, 0));
}

void DropDownStylePart::DrawField(const SkinComboBox& record, const QStyleOption& option, QPainter* painter) const {
    const auto& env = Style().Document()->Env();
    const int index = DropDownStateIndex(option);
    vd::preview::DrawDropDownEdge(*painter, env, record, option.rect, index);
    // On a live control the standard arrow stays visible over a frame picture: it is the only button shown.
    vd::preview::DrawDropDownFallbackArrow(*painter, env, record, option.rect, index);
    vd::preview::DrawDropDownButton(*painter, record, option.rect, index);
}

bool DropDownStylePart::DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter*,
                                      const QWidget* widget) const {
    // The frameless text field inside a skinned field lets the field's picture show through.
    if (element != QStyle::PE_PanelLineEdit || !qobject_cast<const QLineEdit*>(widget)) return false;
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    return frame && frame->lineWidth == 0 && RecordFor(widget->parentWidget());
}

bool DropDownStylePart::DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                           QPainter* painter, const QWidget* widget) const {
    if (control != QStyle::CC_ComboBox) return false;
    const SkinComboBox* record = RecordFor(widget);
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (!record || !combo) return false;
    painter->save();
    DrawField(*record, *combo, painter);
    painter->restore();
    if ((combo->state & QStyle::State_HasFocus) && !combo->editable) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*combo);
        focus.rect = EditFieldRect(*record, *combo);
        Style().baseStyle()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    return true;
}

std::optional<QRect> DropDownStylePart::SubControlRect(QStyle::ComplexControl control,
                                                       const QStyleOptionComplex* option, QStyle::SubControl sub,
                                                       const QWidget* widget) const {
    if (control != QStyle::CC_ComboBox) return std::nullopt;
    const SkinComboBox* record = RecordFor(widget);
    if (!record) return std::nullopt;
    switch (sub) {
    case QStyle::SC_ComboBoxFrame:
    case QStyle::SC_ComboBoxListBoxPopup: return option->rect;
    case QStyle::SC_ComboBoxArrow: return ArrowRect(*record, *option);
    case QStyle::SC_ComboBoxEditField: return EditFieldRect(*record, *option);
    default: return std::nullopt;
    }
}

std::optional<QSize> DropDownStylePart::SizeFromContents(QStyle::ContentsType type, const QStyleOption* option,
                                                         const QSize& size, const QWidget* widget) const {
    if (type != QStyle::CT_ComboBox) return std::nullopt;
    const SkinComboBox* record = RecordFor(widget);
    if (!record) return std::nullopt;
    // The button as it stands on a field of that height; the frame picture's own height is the least a field
    // is measured at, so the picture is not squeezed.
    const int height = std::clamp(size.height() + 2 * kFieldInset + 2, 1, kMaxMeasured);
    QStyleOption normal(*option);
    normal.rect = QRect(0, 0, kProbeWidth, height);
    normal.state = QStyle::State_Enabled;
    const int button = std::min(ArrowRect(*record, normal).width(), kMaxMeasured);
    const SkinImageBase& edge = vd::preview::DropDownEdge(*record, vd::preview::kIndexNormal);
    const int natural = vd::preview::NamesPicture(edge) ? vd::preview::SliceHeight(edge) : 0;
    return QSize(size.width() + 2 * kFieldInset + 2 * kLabelMargin + button,
                 std::clamp(natural, height, kMaxMeasured));
}
