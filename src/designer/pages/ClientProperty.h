#pragma once
// The MDI client page: the client area's background colour and picture. The preview shows them in a
// sample MDI main window drawn with the skin's first frame, at the object's stored preview size.

#include "Resource/ResObjects/ResClient.h"
#include "designer/pages/TypedPage.h"

class CClientProperty : public CTypedPage<CResClient> {
public:
    using Record = CResClient::Record;
    CClientProperty() : CTypedPage(19000) {}

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
