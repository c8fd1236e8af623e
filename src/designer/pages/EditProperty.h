#pragma once
// The page for objects of Edit kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResIPAddress.h"
#include "designer/pages/TypedPage.h"

class CEditProperty : public CTypedPage<CResEdit> {
public:
    using Record = CResEdit::Record;
    CEditProperty() : CTypedPage(29000) {}
};
