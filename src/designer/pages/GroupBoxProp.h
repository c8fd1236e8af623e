#pragma once
// The page for objects of GroupBox kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResGroupBox.h"
#include "designer/pages/TypedPage.h"

class CGroupBoxProp : public CTypedPage<CResGroupBox> {
public:
    using Record = CResGroupBox::Record;
    CGroupBoxProp() : CTypedPage(22000) {}
};
