#pragma once
// The spin page: the faces and arrows of the left, right, up and down buttons in their four states. The
// preview shows a horizontal and a vertical spin in the state chosen with the "Action" row "State"; that
// choice belongs to the page, not to the object.

#include "Resource/ResObjects/ResSpin.h"
#include "designer/pages/TypedPage.h"

class CSpinProperty : public CTypedPage<CResSpin> {
public:
    using Record = CResSpin::Record;
    CSpinProperty() : CTypedPage(15000) {}

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
