#pragma once
// The tab-control page: for each side (top, bottom, left, right) the tab faces and caption styles in five
// states, the strip backgrounds and the per-state offsets; then the caption font and the text flag. The
// preview shows the side the page's own "Orientation" chooses, which is never saved with the skin.

#include "Resource/ResObjects/ResTabCtrl.h"
#include "designer/pages/TypedPage.h"

class CTabCtrlProperty : public CTypedPage<CResTabCtrl> {
public:
    using Record = CResTabCtrl::Record;
    CTabCtrlProperty() : CTypedPage(16000) {}

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;

private:
    // The rows of one side: its item states, its background pair and its five offset groups.
    void AddSide(vd::PropertyItem* parent, size_t side);
};
