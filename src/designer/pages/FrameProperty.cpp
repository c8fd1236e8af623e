#include "designer/pages/FrameProperty.h"

#include "Resource/ResObjects/ResPicture.h"
#include "designer/CommandIcons.h"
#include "designer/propertygrid/DialogItem.h"
#include "designer/propertygrid/PropertyValueTypes.h"
#include "preview/FramePreview.h"

namespace {

// A row caption with the state index of the record's arrays it edits.
struct StateRow {
    const char* caption;
    int state;
};

// The rows list the states in the order authors meet them; the arrays keep the file's order
// (Normal, Pressed, Disabled, Highlighted, Inactive).
constexpr StateRow kMdiStates[] = {{"Normal", 0}, {"Pressed", 1}, {"Highlighted", 3}, {"Disabled", 2}, {"Inactive", 4}};
// The fifth menu bar item state has no row: nothing in the designer draws it.
constexpr StateRow kMenuBarItemStates[] = {{"Normal", 0}, {"Press", 1}, {"Highlighted", 3}, {"Disabled", 2}};

// A caption and the key of the member its row edits.
struct KeyRow {
    const char* caption;
    const char* key;
};
constexpr KeyRow kPopupTexts[] = {{"Normal Text", "TextNormal"},
                                  {"Highlighted Text", "TextHighlighted"},
                                  {"Disabled Text", "TextDisabled"},
                                  {"Default Text", "TextDefault"}};
constexpr KeyRow kPopupMarks[] = {{"SeparatorImage", "SeparatorImage"},
                                  {"CheckImage", "CheckImage"},
                                  {"CheckImageBk", "CheckImageBk"},
                                  {"RadioImage", "RadioImage"},
                                  {"RadioImageBk", "RadioImageBk"}};

QString Caption(const char* text) { return QString::fromLatin1(text); }

// The sub-categories (borders, MDI buttons, menu bar items) start closed: the page is long enough with
// only the main categories open.
vd::GroupItem* SubCategory(vd::PropertyItem* parent, const QString& caption) {
    vd::GroupItem* group = vd::addGroup(parent, caption, true);
    group->setExpanded(false);
    return group;
}

}  // namespace

void CFrameProperty::BuildProperties(vd::PropertyGrid& grid) {
    m_nPreviewWidth = vd::preview::kFramePreviewSize.width();
    m_nPreviewHeight = vd::preview::kFramePreviewSize.height();

    vd::GroupItem* general = grid.addCategory(QStringLiteral("General"));
    AddResId(general);
    general->setExpanded(true);

    AddNormalFrame(grid);
    AddMinimizedFrame(grid);
    AddMenuBar(grid);
    AddPopupMenu(grid);
}

void CFrameProperty::AddNormalFrame(vd::PropertyGrid& grid) {
    vd::GroupItem* normal = grid.addCategory(QStringLiteral("Frame.Normal"));
    for (vd::GroupItem* side : AddBorderImages(normal)) side->setExpanded(false);
    AddName(normal, QStringLiteral("Caption"));
    AddFontField(normal, QStringLiteral("Caption Font"), FindField("Caption", FieldType::Font));
    AddTextStyleField(normal, QStringLiteral("Caption TextStyle"), FindField("Caption", FieldType::TextStyle));
    AddTextStyleField(normal, QStringLiteral("Caption InactiveTextStyle"), FindField("Inactive", FieldType::TextStyle));
    const QString iconOffset = QStringLiteral("Icon LeftOffset");
    vd::addNumber(normal, iconOffset, IntField(IntKey("IconLeftOffset"), iconOffset));
    const QString drawIcon = QStringLiteral("Draw Application Icon");
    vd::addBool(normal, drawIcon, IntField(IntKey("DrawIcon"), drawIcon));
    AddDrawMode(normal);
    normal->setExpanded(true);
}

vd::EnumItem* CFrameProperty::AddDrawMode(vd::PropertyItem* parent) {
    // The pictures show which borders span the window: caption and bottom across (HorzFit) or the sides
    // from top to bottom (VertFit).
    const QSize iconSize(20, 14);
    const QList<vd::EnumEntry> modes = {
        {QStringLiteral("HorzFit"), 0, CommandIcon("drawmode-horzfit", iconSize)},
        {QStringLiteral("VertFit"), 1, CommandIcon("drawmode-vertfit", iconSize)},
    };
    const QString caption = QStringLiteral("DrawMode");
    vd::EnumItem* item = vd::addEnum(parent, caption, modes, IntField(IntKey("DefaultDraw"), caption));
    item->setIconSize(iconSize);
    return item;
}

void CFrameProperty::AddMinimizedFrame(vd::PropertyGrid& grid) {
    vd::GroupItem* minimized = grid.addCategory(QStringLiteral("Frame.Minimize"));
    AddImageField(minimized, QStringLiteral("Active"), "ActMinCap");
    AddImageField(minimized, QStringLiteral("Inactive"), "InactMinCap");
    AddFontField(minimized, QStringLiteral("Caption Font"), FindField("MinCaption", FieldType::Font));
    AddTextStyleField(minimized, QStringLiteral("Caption TextStyle"), FindField("MinCaption", FieldType::TextStyle));
    AddTextStyleField(minimized, QStringLiteral("Caption InactTextStyle"), FindField("MinInact", FieldType::TextStyle));
    minimized->setExpanded(true);
}

void CFrameProperty::AddMenuBar(vd::PropertyGrid& grid) {
    vd::GroupItem* bar = grid.addCategory(QStringLiteral("Frame.MenuBar"));
    AddImageField(bar, QStringLiteral("MenuBarImage"), "MenuBarBk");
    AddImageField(bar, QStringLiteral("MenuBarInactiveImage"), "MenuBarBkInactive");
    const QString height = QStringLiteral("MenuBarHeight");
    vd::addNumber(bar, height, IntField(IntKey("MenuBarHeight"), height));

    const KeyRow mdiButtons[] = {{"MDIMinimize", "MDIMin%d"}, {"MDIRestore", "MDIRestore%d"}, {"MDIClose", "MDIClose%d"}};
    for (const KeyRow& button : mdiButtons) {
        vd::GroupItem* group = SubCategory(bar, Caption(button.caption));
        for (const StateRow& state : kMdiStates)
            AddImageField(group, Caption(state.caption), vd::Format(button.key, state.state).c_str());
    }

    vd::GroupItem* items = SubCategory(bar, QStringLiteral("MenuBarItem"));
    for (const StateRow& state : kMenuBarItemStates) {
        const std::string key = vd::Format("MenuBarItem%d", state.state);
        AddImageField(items, Caption(state.caption) + QStringLiteral(" Picture"), key.c_str());
        AddTextStyleField(items, Caption(state.caption) + QStringLiteral(" TextStyle"),
                          FindField(key, FieldType::TextStyle));
    }

    AddFontField(bar, QStringLiteral("MenuBar Font"), FindField("MenuBarItem", FieldType::Font));
    for (const char* key : {"MenuBarItemHeight", "MenuBarItemSpaceBetween"}) {
        const QString caption = Caption(key);
        vd::addNumber(bar, caption, IntField(IntKey(key), caption));
    }
    bar->setExpanded(true);
}

void CFrameProperty::AddPopupMenu(vd::PropertyGrid& grid) {
    vd::GroupItem* popup = grid.addCategory(QStringLiteral("PopupMenu"));
    AddImageField(popup, QStringLiteral("Background"), "MenuBackground");
    AddImageField(popup, QStringLiteral("MenuItem"), "MenuItem");
    for (const KeyRow& text : kPopupTexts)
        AddTextStyleField(popup, Caption(text.caption), FindField(text.key, FieldType::TextStyle));
    AddFontField(popup, QStringLiteral("TextFont"), FindField("TextFont", FieldType::Font));
    AddImageField(popup, QStringLiteral("MenuBarImage"), "MenuVBar");
    const QString itemHeight = QStringLiteral("MenuItemHeight");
    vd::addNumber(popup, itemHeight, IntField(IntKey("MenuItemHeight"), itemHeight));
    for (const KeyRow& mark : kPopupMarks) AddImageField(popup, Caption(mark.caption), mark.key);
    const QString margin = QStringLiteral("MenuItem Margin");
    vd::addMargin(popup, margin,
                  MarginField(IntKey("ItemLeftWidth"), IntKey("ItemTopHeight"), IntKey("ItemRightWidth"),
                              IntKey("ItemBottomHeight"), margin));
    AddMenuItemImages(popup);
    popup->setExpanded(true);
}

vd::DialogItem* CFrameProperty::AddMenuItemImages(vd::PropertyItem* parent) {
    return AddCheckImagesField(parent, QStringLiteral("MenuItem Images"), CheckImagesOf::MenuItems,
                               [](Record& r) -> CheckImageMap& { return r.menu.items; },
                               QStringLiteral("Check and uncheck pictures of single menu commands, by menu item ID."));
}
