#pragma once
// The page for objects of Header kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResHeader.h"
#include "designer/pages/TypedPage.h"

class CHeaderProperty : public CTypedPage<CResHeader> {
public:
    using Record = CResHeader::Record;
    CHeaderProperty() : CTypedPage(8000) {}
};
