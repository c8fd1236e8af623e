#pragma once
// The status bar page: the pane pictures, the panes' text style and font and the size grip's picture. The
// preview shows a bar with four sample panes.

#include "Resource/ResObjects/ResStatusBar.h"
#include "designer/pages/TypedPage.h"

class CStatusBarProperty : public CTypedPage<CResStatusBar> {
public:
    using Record = CResStatusBar::Record;
    CStatusBarProperty() : CTypedPage(5000) {}

    // A click selects nothing and changes nothing; the press point still anchors a drag of the preview's
    // grips, which the base keeps.
    int OnLButtonDown(QPoint pt) override {
        CTypedPage::OnLButtonDown(pt);
        return -1;
    }

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
