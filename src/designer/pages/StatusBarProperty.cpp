#include "designer/pages/StatusBarProperty.h"

void CStatusBarProperty::BuildProperties(vd::PropertyGrid& grid) {
    // The preview opens at the bar's stored size; the page has no row for it.
    AddGeneral(grid, false);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    AddImageField(look, QStringLiteral("ItemImage"), "ItemImage");
    AddImageField(look, QStringLiteral("LastItemImage"), "LastItemImage");
    AddTextStyleField(look, QStringLiteral("ItemTextStyle"), FindField("ItemTextStyle", FieldType::TextStyle));
    AddFontField(look, QStringLiteral("ItemFont"), FindField("", FieldType::Font));
    AddImageField(look, QStringLiteral("GripperImage"), "ScrollImage");
    look->setExpanded(true);
}
