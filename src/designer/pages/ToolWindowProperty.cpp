#include "designer/pages/ToolWindowProperty.h"

void CToolWindowProperty::BuildProperties(vd::PropertyGrid& grid) {
    const auto& table = CResToolWindow::Table();
    AddGeneral(grid);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    AddBorderImages(look);
    const QString margins = QStringLiteral("Margins");
    vd::addMargin(look, margins,
                  MarginField(table.Find("LeftMargins"), table.Find("TopMargins"), table.Find("RightMargins"),
                              table.Find("BottomMargins"), margins));
    AddColorField(look, QStringLiteral("Background Color"), table.Find("Background"));
    AddImageField(look, QStringLiteral("Background Image"), "BkImage");
    AddName(look, QStringLiteral("Caption"));
    AddFontField(look, QStringLiteral("Caption Font"), FindField("CapFont", FieldType::Font));
    AddTextStyleField(look, QStringLiteral("Caption TextStyle"), FindField("TextStyle", FieldType::TextStyle));
    AddTextStyleField(look, QStringLiteral("Caption InactiveTextStyle"), FindField("InTextStyle", FieldType::TextStyle));
    look->setExpanded(true);
}
