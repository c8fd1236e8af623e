#pragma once
// The page for objects of Dialog kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResDialog.h"
#include "designer/pages/TypedPage.h"

class CDialogProp : public CTypedPage<CResDialog> {
public:
    using Record = CResDialog::Record;
    CDialogProp() : CTypedPage(24000) {}
};
