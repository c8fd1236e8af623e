#pragma once
// The page for objects of ProgressBar kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResProgressBar.h"
#include "designer/pages/TypedPage.h"

class CProgressProperty : public CTypedPage<CResProgressBar> {
public:
    using Record = CResProgressBar::Record;
    CProgressProperty() : CTypedPage(6000) {}
};
