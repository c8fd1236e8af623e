#pragma once
// The page for objects of ListBox kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResListBox.h"
#include "designer/pages/TypedPage.h"

class CListBoxProp : public CTypedPage<CResListBox> {
public:
    using Record = CResListBox::Record;
    CListBoxProp() : CTypedPage(27000) {}
};
