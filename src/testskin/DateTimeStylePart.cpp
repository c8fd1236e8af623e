#include "testskin/DateTimeStylePart.h"

#include <QDateTimeEdit>
#include <QPainter>

#include "Resource/ResObjects/ResComboBox.h"
#include "preview/FieldControls.h"
#include "testskin/SkinStyle.h"

const SkinComboBox* DateTimeStylePart::RecordFor(const QWidget* widget) const {
    if (!qobject_cast<const QDateTimeEdit*>(widget) || !Style().Document()) return nullptr;
    return FirstRecordOf(Style().Document()->Datetimes());
}

bool DateTimeStylePart::DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                           QPainter* painter, const QWidget* widget) const {
    if (control != QStyle::CC_SpinBox) return DropDownStylePart::DrawComplexControl(control, option, painter, widget);
    const SkinComboBox* record = RecordFor(widget);
    const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
    if (!record || !spin) return false;
    painter->save();
    vd::preview::DrawDropDownEdge(*painter, Style().Document()->Env(), *record, spin->rect, StateIndexOf(*spin));
    painter->restore();
    // The record has no stepping buttons: the platform's arrows stand where the platform puts them.
    const QStyle* platform = Style().baseStyle();
    for (const auto& [sub, arrow] : {std::pair{QStyle::SC_SpinBoxUp, QStyle::PE_IndicatorSpinUp},
                                     std::pair{QStyle::SC_SpinBoxDown, QStyle::PE_IndicatorSpinDown}}) {
        if (!(spin->subControls & sub)) continue;
        QStyleOptionSpinBox button(*spin);
        button.rect = platform->subControlRect(QStyle::CC_SpinBox, spin, sub, widget);
        const bool enabled = sub == QStyle::SC_SpinBoxUp ? (spin->stepEnabled & QAbstractSpinBox::StepUpEnabled)
                                                          : (spin->stepEnabled & QAbstractSpinBox::StepDownEnabled);
        if (!enabled) button.state &= ~QStyle::State_Enabled;
        platform->drawPrimitive(arrow, &button, painter, widget);
    }
    return true;
}
