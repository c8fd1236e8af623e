#pragma once
// Combo boxes, editable or not, drawn from the skin's first combo-box record: the frame picture of the
// state (normal or disabled), the drop button's face and arrow of the state at the right end.

#include "testskin/DropDownStylePart.h"

class ComboBoxStylePart : public DropDownStylePart {
public:
    using DropDownStylePart::DropDownStylePart;

protected:
    const SkinComboBox* RecordFor(const QWidget* widget) const override;
};
