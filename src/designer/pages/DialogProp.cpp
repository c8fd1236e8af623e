#include "designer/pages/DialogProp.h"

#include "designer/pages/DrawTypeEntries.h"

void CDialogProp::BuildProperties(vd::PropertyGrid& grid) {
    const auto& table = CResDialog::Table();
    AddGeneral(grid);
    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    AddImageField(look, QStringLiteral("BkImage"), "BkImg");
    AddColorField(look, QStringLiteral("StartColor"), table.Find("clrStart"));
    AddColorField(look, QStringLiteral("EndColor"), table.Find("clrEnd"));
    const QString drawType = QStringLiteral("DrawType");
    vd::addEnum(look, drawType, BackgroundDrawTypeEntries(kRecursive + 1), IntField(table.Find("DrawType"), drawType));
    const QString step = QStringLiteral("RecurStep");
    vd::addNumber(look, step, IntField(table.Find("RecurStep"), step));
    AddFontField(look, QStringLiteral("Font"), FindField("", FieldType::Font));
    look->setExpanded(true);
}
