#pragma once
// The IP-address field page: the field's frame when normal, highlighted (mouse over or focused) and disabled,
// previewed in the state chosen with "State", with the dots between its four numbers.

#include "Resource/ResObjects/ResIPAddress.h"
#include "designer/pages/EdgeFieldPage.h"

class CIPAddressProperty : public CEdgeFieldPage<CResIPAddress> {
public:
    using Record = CResIPAddress::Record;
    CIPAddressProperty() : CEdgeFieldPage(10000) {}
};
