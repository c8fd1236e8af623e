#pragma once
// Date-time edits drawn from the skin's first date-time record. One that opens a calendar is a drop-down
// field like a combo box (Qt draws it as one); one with stepping arrows instead keeps the record's frame
// picture around its text and the platform's arrows. Other spin boxes are not drawn here.

#include "testskin/DropDownStylePart.h"

class DateTimeStylePart : public DropDownStylePart {
public:
    using DropDownStylePart::DropDownStylePart;

    bool DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;

protected:
    const SkinComboBox* RecordFor(const QWidget* widget) const override;
};
