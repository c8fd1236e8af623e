#include "designer/pages/GroupBoxProp.h"

#include "preview/StaticPreview.h"

void CGroupBoxProp::BuildProperties(vd::PropertyGrid& grid) {
    AddGeneral(grid);
    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    auto pair = [&](const char* caption, const char* keyPattern, bool style) {
        vd::GroupItem* group = vd::addGroup(look, QString::fromLatin1(caption), true);
        for (int i = 0; i < 2; ++i) {
            const QString row = QString::fromLatin1(vd::preview::kPairStateNames[static_cast<size_t>(i)]);
            const std::string key = vd::Format(keyPattern, i);
            if (style) AddTextStyleField(group, row, FindField(key, FieldType::TextStyle));
            else AddImageField(group, row, key.c_str());
        }
    };
    pair("Group", "group%d", false);
    pair("Box", "box%d", false);
    pair("TextStyle", "textStyle%d", true);
    AddFontField(look, QStringLiteral("Font"), FindField("", FieldType::Font));
    look->setExpanded(true);
}
