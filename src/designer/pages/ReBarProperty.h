#pragma once
// The page for objects of ReBar kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResControlBar.h"
#include "designer/pages/TypedPage.h"

class CReBarProperty : public CTypedPage<CResReBar> {
public:
    using Record = CResReBar::Record;
    CReBarProperty() : CTypedPage(21000) {}
};
