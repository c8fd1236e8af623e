#include "designer/pages/ToolBarProperty.h"

#include "preview/ToolBarPreview.h"

namespace {

// A row caption with the index of the record's state arrays it edits.
struct StateRow {
    const char* caption;
    size_t state;
};

// The rows list the states in the order authors meet them; the arrays keep the file's order (Normal,
// Press, Disabled, Highlighted, Selected), and "Default" is the state stored as "Selected".
constexpr StateRow kStates[] = {{"Normal", 0}, {"Pressed", 1}, {"Highlighted", 3}, {"Disabled", 2}, {"Default", 4}};

}  // namespace

void CToolBarProperty::BuildProperties(vd::PropertyGrid& grid) {
    if (const Record* r = Current()) {
        m_nPreviewWidth = vd::preview::kToolBarPreviewWidth;
        m_nPreviewHeight = r->previewHeight;
    }

    AddGeneral(grid);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    AddColorField(look, QStringLiteral("Background Color"), FindField("BackgroundColor", FieldType::Color));
    AddImageField(look, QStringLiteral("Background Image"), "Background");
    const QString transparent = QStringLiteral("Transparent");
    vd::addBool(look, transparent, IntField(CResToolBar::Table().Find("TransparentBK"), transparent));

    vd::GroupItem* separator = vd::addGroup(look, QStringLiteral("Separator Image"), true);
    AddImageField(separator, QStringLiteral("Vert Image"), "Separator");
    AddImageField(separator, QStringLiteral("Horz Image"), "SeparatorHorz");
    vd::GroupItem* gripper = vd::addGroup(look, QStringLiteral("Gripper Image"), true);
    AddImageField(gripper, QStringLiteral("Vert Image"), "Gripper");
    AddImageField(gripper, QStringLiteral("Horz Image"), "GripperHorz");

    for (const StateRow& row : kStates) {
        const char* key = kToolBarButtonStates[row.state];
        vd::GroupItem* group = vd::addGroup(look, QString::fromLatin1(row.caption), true);
        if (const Field* image = FindField(key, FieldType::Image))
            AddImageField(group, QStringLiteral("Image"),
                          [image](Record& r) -> SkinImageBase& { return image->Ref<SkinImageBase>(r); });
        AddTextStyleField(group, QStringLiteral("TextStyle"), FindField(key, FieldType::TextStyle));
    }
    // The file keeps check pictures per toolbar command; this row is their only editor.
    AddCheckImagesField(look, QStringLiteral("Command Images"), CheckImagesOf::ToolBarCommands,
                        [](Record& r) -> CheckImageMap& { return r.commands; },
                        QStringLiteral("Check and uncheck pictures of single toolbar commands, by command ID."));
    look->setExpanded(true);
}
