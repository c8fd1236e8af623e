#pragma once
// The page for objects of Client kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResClient.h"
#include "designer/pages/TypedPage.h"

class CClientProperty : public CTypedPage<CResClient> {
public:
    using Record = CResClient::Record;
    CClientProperty() : CTypedPage(19000) {}
};
