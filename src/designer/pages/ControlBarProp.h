#pragma once
// The page for objects of ControlBar kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResControlBar.h"
#include "designer/pages/TypedPage.h"

class CControlBarProp : public CTypedPage<CResControlBar> {
public:
    using Record = CResControlBar::Record;
    CControlBarProp() : CTypedPage(20000) {}
};
