#include "designer/pages/SysButtonProperty.h"

namespace {

// The states in the order the grid lists them, as indexes of the stored order (kSysButtonStateKeys). Each
// sub-category edits the picture, glyph and text style stored under its own state's keys.
constexpr size_t kGridStates[] = {0, 1, 3, 2, 4, 6, 5};

}  // namespace

void CSysButtonProperty::BuildProperties(vd::PropertyGrid& grid) {
    const auto& table = CResSysButton::Table();
    vd::GroupItem* general = grid.addCategory(QStringLiteral("General"));
    AddResId(general);
    vd::addNumber(general, QStringLiteral("OwnerFrameResID"),
                  IntField(table.Find("OwnerResID"), QStringLiteral("OwnerFrameResID")));
    AddName(general);
    general->setExpanded(true);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    AddPositionField(look);
    auto imageRow = [this](vd::PropertyItem* parent, const QString& caption, const Field* f) {
        if (f)
            AddImageField(parent, caption, [f](Record& r) -> SkinImageBase& { return f->Ref<SkinImageBase>(r); });
    };
    for (size_t state : kGridStates) {
        const char* key = kSysButtonStateKeys[state];
        vd::GroupItem* group = vd::addGroup(look, QString::fromLatin1(key), true);
        imageRow(group, QStringLiteral("Image"), FindField(key, FieldType::Image));
        imageRow(group, QStringLiteral("Glyph"), FindField(kSysButtonGlyphKeys[state], FieldType::Image));
        AddTextStyleField(group, QStringLiteral("TextStyle"), FindField(key, FieldType::TextStyle));
    }
    QList<vd::EnumEntry> types;
    for (size_t i = 0; i < kSysButtonTypeNames.size(); ++i)
        types.append({QString::fromLatin1(kSysButtonTypeNames[i]), static_cast<int>(i)});
    vd::addEnum(look, QStringLiteral("Type"), types, IntField(table.Find("Type"), QStringLiteral("Type")));
    AddFontField(look, QStringLiteral("Font"), FindField("", FieldType::Font));
    AddTextField(look, QStringLiteral("ToolTip"), "Tooltip");
    vd::addBool(look, QStringLiteral("DrawText"), IntField(table.Find("DrawText"), QStringLiteral("DrawText")));
    look->setExpanded(true);
}
