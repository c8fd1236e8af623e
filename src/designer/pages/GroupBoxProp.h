#pragma once
// The group box page: the group frame and caption box pictures and the caption styles, normal and disabled,
// and the caption font. The preview shows a normal and a disabled sample box.

#include "Resource/ResObjects/ResGroupBox.h"
#include "designer/pages/TypedPage.h"

class CGroupBoxProp : public CTypedPage<CResGroupBox> {
public:
    using Record = CResGroupBox::Record;
    CGroupBoxProp() : CTypedPage(22000) {}

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
