#include "designer/pages/StatusBarProperty.h"

void CStatusBarProperty::BuildProperties(vd::PropertyGrid& grid) {
    AddGeneral(grid);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    AddImageField(look, QStringLiteral("ItemImage"), "ItemImage");
    AddImageField(look, QStringLiteral("LastItemImage"), "LastItemImage");
    AddTextStyleField(look, QStringLiteral("ItemTextStyle"), FindField("ItemTextStyle", FieldType::TextStyle));
    AddFontField(look, QStringLiteral("ItemFont"), FindField("", FieldType::Font));
    AddImageField(look, QStringLiteral("GripperImage"), "ScrollImage");
    look->setExpanded(true);
}
