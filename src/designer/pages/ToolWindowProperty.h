#pragma once
// The page for objects of ToolWindow kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResToolWindow.h"
#include "designer/pages/TypedPage.h"

class CToolWindowProperty : public CTypedPage<CResToolWindow> {
public:
    using Record = CResToolWindow::Record;
    CToolWindowProperty() : CTypedPage(18000) {}
};
