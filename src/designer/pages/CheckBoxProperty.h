#pragma once
// The page for objects of CheckBox kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResCheckBox.h"
#include "designer/pages/TypedPage.h"

class CCheckBoxProperty : public CTypedPage<CResCheckBox> {
public:
    using Record = CResCheckBox::Record;
    CCheckBoxProperty() : CTypedPage(12000) {}
};
