#pragma once
// The rebar page: the control bar's grid without the "Fastness" draw type, plus the gripper picture drawn
// at the start of each band.

#include "Resource/ResObjects/ResControlBar.h"
#include "designer/pages/BarFillPage.h"

class CReBarProperty : public CBarFillPage<CResReBar> {
public:
    using Record = CResReBar::Record;
    CReBarProperty() : CBarFillPage(21000) {}

protected:
    void BuildProperties(vd::PropertyGrid& grid) override { BuildBarGrid(grid, 3, true); }
};
