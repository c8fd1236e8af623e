#pragma once
// The combo-box page: the frame in its normal and disabled pictures and the drop-down button's face and
// arrow in four states ("ComboBtnImage", "ComboArrowImage"), previewed in the state chosen with "State".

#include "Resource/ResObjects/ResComboBox.h"
#include "designer/pages/ComboLikePage.h"

class CComboBoxProperty : public CComboLikePage<CResComboBox> {
public:
    using Record = CResComboBox::Record;
    CComboBoxProperty() : CComboLikePage(9000, "ComboBtnImage", "ComboArrowImage") {}
};
