#pragma once
// The page for objects of TabCtrl kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResTabCtrl.h"
#include "designer/pages/TypedPage.h"

class CTabCtrlProperty : public CTypedPage<CResTabCtrl> {
public:
    using Record = CResTabCtrl::Record;
    CTabCtrlProperty() : CTypedPage(16000) {}
};
