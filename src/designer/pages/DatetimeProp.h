#pragma once
// The page for objects of Datetime kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResComboBox.h"
#include "designer/pages/TypedPage.h"

class CDatetimeProp : public CTypedPage<CResDatetime> {
public:
    using Record = CResDatetime::Record;
    CDatetimeProp() : CTypedPage(25000) {}
};
