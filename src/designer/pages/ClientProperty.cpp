#include "designer/pages/ClientProperty.h"

void CClientProperty::BuildProperties(vd::PropertyGrid& grid) {
    AddGeneral(grid);
    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    AddColorField(look, QStringLiteral("BackColor"), CResClient::Table().Find("clrBK"));
    AddImageField(look, QStringLiteral("BackImage"), "BkImg");
    look->setExpanded(true);
}
