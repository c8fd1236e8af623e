#pragma once
// The scroll-bar page: the pictures of the horizontal and vertical bars in their four states, the dead
// corner, the border and the bar thicknesses. The preview shows one state with the thumb placed for the
// page's own "Max", "PageSize" and "Pos"; those values belong to the page, never to the scroll bar.

#include "Resource/ResObjects/ResScrollBar.h"
#include "designer/pages/TypedPage.h"

class CScrollBarProperty : public CTypedPage<CResScrollBar> {
public:
    using Record = CResScrollBar::Record;
    CScrollBarProperty() : CTypedPage(7000) {}

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;

private:
    // One sub-category ("HorzScrollBar", "VertScrollBar") of four-state picture rows.
    void AddBar(vd::PropertyItem* parent, const QString& caption, bool horizontal);
};
