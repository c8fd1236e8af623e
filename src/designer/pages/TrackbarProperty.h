#pragma once
// The trackbar page: the horizontal and vertical channels, the six thumb shapes in their five states and
// the focus flag. The preview shows sample bars with the thumbs at the page's own "Postion", which belongs
// to the page, never to the trackbar.

#include "Resource/ResObjects/ResTrackBar.h"
#include "designer/pages/TypedPage.h"

class CTrackbarProperty : public CTypedPage<CResTrackBar> {
public:
    using Record = CResTrackBar::Record;
    CTrackbarProperty() : CTypedPage(14000) {}

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
