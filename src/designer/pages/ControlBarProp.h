#pragma once
// The control bar page: the bar's background fill or picture and its 3-D border. The preview shows one
// sample bar at the object's stored preview size.

#include "Resource/ResObjects/ResControlBar.h"
#include "designer/pages/BarFillPage.h"

class CControlBarProp : public CBarFillPage<CResControlBar> {
public:
    using Record = CResControlBar::Record;
    CControlBarProp() : CBarFillPage(20000) {}

protected:
    // All four draw types, "Fastness" (no fill) included.
    void BuildProperties(vd::PropertyGrid& grid) override { BuildBarGrid(grid, 4, false); }
};
