#pragma once
// The page for objects of TrackBar kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResTrackBar.h"
#include "designer/pages/TypedPage.h"

class CTrackbarProperty : public CTypedPage<CResTrackBar> {
public:
    using Record = CResTrackBar::Record;
    CTrackbarProperty() : CTypedPage(14000) {}
};
