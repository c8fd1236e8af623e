#pragma once
// The toolbar page: the bar's background, separator and gripper pictures and its buttons' five states, each
// with a picture and a text style, and the check pictures of single commands. The preview shows a sample toolbar 450 pixels wide at the toolbar's
// preview height; clicking it does nothing.

#include "Resource/ResObjects/ResToolBar.h"
#include "designer/pages/TypedPage.h"

class CToolBarProperty : public CTypedPage<CResToolBar> {
public:
    using Record = CResToolBar::Record;
    CToolBarProperty() : CTypedPage(4000) {}

    int OnLButtonDown(QPoint) override { return -1; }

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
