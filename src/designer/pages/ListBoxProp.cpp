#include "designer/pages/ListBoxProp.h"

void CListBoxProp::BuildProperties(vd::PropertyGrid& grid) {
    const auto& table = CResListBox::Table();
    AddGeneral(grid);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    AddImageField(look, QStringLiteral("Background"), "Background");
    AddImageField(look, QStringLiteral("Selected BackImage"), "BkSelected");
    auto number = [&](const char* caption, const char* key) {
        const QString text = QString::fromLatin1(caption);
        vd::addNumber(look, text, IntField(table.Find(key), text));
    };
    number("ItemHeight", "ItemHeight");
    number("ItemImageHeight", "ItemImgH");
    number("ItemImageWidth", "ItemImgW");
    const QString transparent = QStringLiteral("Back Transparent");
    vd::addBool(look, transparent, IntField(table.Find("Transparent"), transparent));
    const QString type = QStringLiteral("Type");
    vd::addEnum(look, type,
                {{QStringLiteral("image at left"), 0}, {QStringLiteral("image at top"), 1},
                 {QStringLiteral("image at right"), 2}},
                IntField(table.Find("Type"), type));
    AddColorField(look, QStringLiteral("Selection Color"), table.Find("clrSelection"));
    AddTextStyleField(look, QStringLiteral("TextNormal TextStyle"), FindField("tsTextNormal", FieldType::TextStyle));
    AddTextStyleField(look, QStringLiteral("TextSelected TextStyle"),
                      FindField("tsTextSelected", FieldType::TextStyle));
    AddFontField(look, QStringLiteral("ItemFont"), FindField("fontItemText", FieldType::Font));
    look->setExpanded(true);
}
