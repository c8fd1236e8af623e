#pragma once
// The tool-window page: the four borders in active and inactive form, the border widths that lay the window
// out, the client's background and the caption's text, font and styles. The preview has the stored size.

#include "Resource/ResObjects/ResToolWindow.h"
#include "designer/pages/TypedPage.h"

class CToolWindowProperty : public CTypedPage<CResToolWindow> {
public:
    using Record = CResToolWindow::Record;
    CToolWindowProperty() : CTypedPage(18000) {}

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
