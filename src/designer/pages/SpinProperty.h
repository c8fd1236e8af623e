#pragma once
// The page for objects of Spin kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResSpin.h"
#include "designer/pages/TypedPage.h"

class CSpinProperty : public CTypedPage<CResSpin> {
public:
    using Record = CResSpin::Record;
    CSpinProperty() : CTypedPage(15000) {}
};
