#pragma once
// The page for objects of RadioBox kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResCheckBox.h"
#include "designer/pages/TypedPage.h"

class CRadioBoxProperty : public CTypedPage<CResRadioBox> {
public:
    using Record = CResRadioBox::Record;
    CRadioBoxProperty() : CTypedPage(13000) {}
};
