#pragma once
// The dialog page: the dialog's background picture or fill, its draw type and step, and its text font. The
// preview shows a sample dialog window drawn with the skin's first frame, at the object's stored preview
// size.

#include "Resource/ResObjects/ResDialog.h"
#include "designer/pages/TypedPage.h"

class CDialogProp : public CTypedPage<CResDialog> {
public:
    using Record = CResDialog::Record;
    CDialogProp() : CTypedPage(24000) {}

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
