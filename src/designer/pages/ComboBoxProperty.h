#pragma once
// The page for objects of ComboBox kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResComboBox.h"
#include "designer/pages/TypedPage.h"

class CComboBoxProperty : public CTypedPage<CResComboBox> {
public:
    using Record = CResComboBox::Record;
    CComboBoxProperty() : CTypedPage(9000) {}
};
