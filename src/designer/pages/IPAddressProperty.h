#pragma once
// The page for objects of IPAddress kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResIPAddress.h"
#include "designer/pages/TypedPage.h"

class CIPAddressProperty : public CTypedPage<CResIPAddress> {
public:
    using Record = CResIPAddress::Record;
    CIPAddressProperty() : CTypedPage(10000) {}
};
