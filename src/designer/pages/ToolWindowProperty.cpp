#include "designer/pages/ToolWindowProperty.h"

namespace {

// Each border's sub-category with the keys of its active and inactive pictures, which are also the rows'
// captions.
struct BorderRows {
    const char* caption;
    const char* active;
    const char* inactive;
};
constexpr BorderRows kBorders[] = {{"Left", "ActiveLeft", "InactiveLeft"},
                                   {"Right", "ActiveRight", "InactiveRight"},
                                   {"Top", "ActiveTop", "InactiveTop"},
                                   {"Bottom", "ActiveBottom", "InactiveBottom"}};

}  // namespace

void CToolWindowProperty::BuildProperties(vd::PropertyGrid& grid) {
    const auto& table = CResToolWindow::Table();
    vd::GroupItem* general = grid.addCategory(QStringLiteral("General"));
    AddResId(general);
    AddName(general);
    general->setExpanded(true);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    for (const BorderRows& border : kBorders) {
        vd::GroupItem* group = vd::addGroup(look, QString::fromLatin1(border.caption), true);
        AddImageField(group, QString::fromLatin1(border.active), border.active);
        AddImageField(group, QString::fromLatin1(border.inactive), border.inactive);
    }
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
