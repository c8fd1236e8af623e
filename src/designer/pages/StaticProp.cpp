#include "designer/pages/StaticProp.h"

#include "preview/StaticPreview.h"

void CStaticProp::BuildProperties(vd::PropertyGrid& grid) {
    const auto& table = CResStatic::Table();
    AddGeneral(grid);
    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    const QString transparent = QStringLiteral("Transparent");
    vd::addBool(look, transparent, IntField(table.Find("Trans"), transparent));
    vd::GroupItem* images = vd::addGroup(look, QStringLiteral("BackImage"), true);
    vd::GroupItem* colours = vd::addGroup(look, QStringLiteral("BackColor"), true);
    vd::GroupItem* styles = vd::addGroup(look, QStringLiteral("TextStyle"), true);
    for (int i = 0; i < 2; ++i) {
        const QString row = QString::fromLatin1(vd::preview::kPairStateNames[static_cast<size_t>(i)]);
        AddImageField(images, row, vd::Format("BkImg%d", i).c_str());
        AddColorField(colours, row, table.Find(vd::Format("BkClr%d", i)));
        AddTextStyleField(styles, row, FindField(vd::Format("textStyle%d", i), FieldType::TextStyle));
    }
    AddFontField(look, QStringLiteral("Font"), FindField("", FieldType::Font));
    look->setExpanded(true);
}
