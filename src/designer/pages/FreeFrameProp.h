#pragma once
// The page for objects of FreeFrame kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResFreeFrame.h"
#include "designer/pages/TypedPage.h"

class CFreeFrameProp : public CTypedPage<CResFreeFrame> {
public:
    using Record = CResFreeFrame::Record;
    CFreeFrameProp() : CTypedPage(26000) {}
};
