#pragma once
// The progress bar page: the bar's pictures, its colour fills, its text and its draw type. The preview shows
// a horizontal and a vertical sample bar at the position of the "Action" row "Postion", a value of the page
// that is never saved with the skin.

#include "Resource/ResObjects/ResProgressBar.h"
#include "designer/pages/TypedPage.h"

class CProgressProperty : public CTypedPage<CResProgressBar> {
public:
    using Record = CResProgressBar::Record;
    CProgressProperty() : CTypedPage(6000) {}

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
