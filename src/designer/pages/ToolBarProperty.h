#pragma once
// The page for objects of ToolBar kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResToolBar.h"
#include "designer/pages/TypedPage.h"

class CToolBarProperty : public CTypedPage<CResToolBar> {
public:
    using Record = CResToolBar::Record;
    CToolBarProperty() : CTypedPage(4000) {}
};
