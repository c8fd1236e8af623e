#pragma once
// The edit box page: the field's frame when normal, highlighted (mouse over or focused) and disabled,
// previewed in the state chosen with "State".

#include "Resource/ResObjects/ResIPAddress.h"
#include "designer/pages/EdgeFieldPage.h"

class CEditProperty : public CEdgeFieldPage<CResEdit> {
public:
    using Record = CResEdit::Record;
    CEditProperty() : CEdgeFieldPage(29000) {}
};
