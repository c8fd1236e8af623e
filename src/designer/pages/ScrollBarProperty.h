#pragma once
// The page for objects of ScrollBar kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResScrollBar.h"
#include "designer/pages/TypedPage.h"

class CScrollBarProperty : public CTypedPage<CResScrollBar> {
public:
    using Record = CResScrollBar::Record;
    CScrollBarProperty() : CTypedPage(7000) {}
};
