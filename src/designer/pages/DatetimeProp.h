#pragma once
// The date-time picker page: the combo box's grid under the picker's own sub-category names ("BtnImage",
// "ArrowImage"), previewed in the state chosen with "State".

#include "Resource/ResObjects/ResComboBox.h"
#include "designer/pages/ComboLikePage.h"

class CDatetimeProp : public CComboLikePage<CResDatetime> {
public:
    using Record = CResDatetime::Record;
    CDatetimeProp() : CComboLikePage(25000, "BtnImage", "ArrowImage") {}
};
