#pragma once
// The page for frames (IDs 3000 to 3499; caption buttons take the rest of the block). Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResFrame.h"
#include "designer/pages/TypedPage.h"

class CFrameProperty : public CTypedPage<CResFrame> {
public:
    using Record = CResFrame::Record;
    CFrameProperty() : CTypedPage(3000, 500) {}
};
