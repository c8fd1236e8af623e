#pragma once
// The header page: the bar's background, each state's item face and caption style, the sort arrows and
// the item font. The preview shows one item in every state side by side, at the header's preview size.

#include "Resource/ResObjects/ResHeader.h"
#include "designer/pages/TypedPage.h"

class CHeaderProperty : public CTypedPage<CResHeader> {
public:
    using Record = CResHeader::Record;
    CHeaderProperty() : CTypedPage(8000) {}

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
