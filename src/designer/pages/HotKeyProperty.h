#pragma once
// The hot-key field page: the field's frame when normal, highlighted (mouse over or focused) and disabled,
// previewed in the state chosen with "State".

#include "Resource/ResObjects/ResIPAddress.h"
#include "designer/pages/EdgeFieldPage.h"

class CHotKeyProperty : public CEdgeFieldPage<CResHotKey> {
public:
    using Record = CResHotKey::Record;
    CHotKeyProperty() : CEdgeFieldPage(11000) {}
};
