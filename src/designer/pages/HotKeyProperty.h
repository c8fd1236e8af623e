#pragma once
// The page for objects of HotKey kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResIPAddress.h"
#include "designer/pages/TypedPage.h"

class CHotKeyProperty : public CTypedPage<CResHotKey> {
public:
    using Record = CResHotKey::Record;
    CHotKeyProperty() : CTypedPage(11000) {}
};
