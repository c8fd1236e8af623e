#pragma once
// The list-box page: the list's backgrounds, item and item-image sizes, where an item's image stands, the
// selection colour and the item texts' styles and font. The list box has no state to preview: the page
// shows the object's preview area at its stored size.

#include "Resource/ResObjects/ResListBox.h"
#include "designer/pages/TypedPage.h"

class CListBoxProp : public CTypedPage<CResListBox> {
public:
    using Record = CResListBox::Record;
    CListBoxProp() : CTypedPage(27000) {}

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
