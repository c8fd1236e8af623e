#include "designer/pages/TabCtrlProperty.h"

#include <array>
#include <utility>

#include "preview/TabCtrlPreview.h"

namespace {

// The captions of one side's groups and the key letters of its offsets in the kind's table ("THO%d").
struct SideRows {
    const char* items;
    const char* background;
    const char* hOffsetKey;
    const char* vOffsetKey;
};
constexpr std::array<SideRows, 4> kSides = {{{"ItemTop", "TopBkImage", "THO%d", "TVO%d"},
                                             {"ItemBottom", "BottomBkImage", "BHO%d", "BVO%d"},
                                             {"ItemLeft", "LeftBkImage", "LHO%d", "LVO%d"},
                                             {"ItemRight", "RightBkImage", "RHO%d", "RVO%d"}}};

// The item state groups in the order the page lists them, with the state index each edits.
constexpr std::array<std::pair<const char*, size_t>, 5> kItemStates = {
    {{"Normal", 0}, {"Press", 1}, {"Highlighted", 3}, {"Disabled", 2}, {"Default", 4}}};

}  // namespace

void CTabCtrlProperty::AddSide(vd::PropertyItem* parent, size_t side) {
    const SideRows& rows = kSides[side];
    vd::GroupItem* items = vd::addGroup(parent, QString::fromLatin1(rows.items), true);
    items->setExpanded(false);
    for (const auto& [caption, index] : kItemStates) {
        vd::GroupItem* state = vd::addGroup(items, QString::fromLatin1(caption), true);
        const size_t s = index;
        AddImageField(state, QStringLiteral("Image"),
                      [side, s](Record& r) -> SkinImageBase& { return r.sides[side].items.images[s]; });
        AddTextStyleField(state, QStringLiteral("TextStyle"),
                          [side, s](Record& r) -> SkinTextStyle& { return r.sides[side].items.styles[s]; });
    }

    vd::GroupItem* background = vd::addGroup(parent, QString::fromLatin1(rows.background), true);
    AddImageField(background, QStringLiteral("Normal"),
                  [side](Record& r) -> SkinImageBase& { return r.sides[side].backgroundNormal; });
    AddImageField(background, QStringLiteral("Disabled"),
                  [side](Record& r) -> SkinImageBase& { return r.sides[side].backgroundDisabled; });

    for (size_t s = 0; s < vd::preview::kTabStateNames.size(); ++s) {
        const QString name = QString::fromLatin1(vd::preview::kTabStateNames[s]);
        vd::GroupItem* offsets = vd::addGroup(parent, QStringLiteral("Offset%1").arg(name), true);
        offsets->setExpanded(false);
        const int i = static_cast<int>(s);
        const QString horz = QStringLiteral("HorzOffset"), vert = QStringLiteral("VertOffset");
        vd::addNumber(offsets, horz, IntField(CResTabCtrl::Table().Find(vd::Format(rows.hOffsetKey, i)), horz));
        vd::addNumber(offsets, vert, IntField(CResTabCtrl::Table().Find(vd::Format(rows.vOffsetKey, i)), vert));
    }
}

void CTabCtrlProperty::BuildProperties(vd::PropertyGrid& grid) {
    m_nPreviewWidth = vd::preview::kTabCtrlPreviewSize.width();
    m_nPreviewHeight = vd::preview::kTabCtrlPreviewSize.height();
    AddGeneral(grid);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    // "Action" is made before the rows fill "Appearance"; in the grid it follows that category.
    AddActionCategory(grid);
    for (size_t side = 0; side < kSides.size(); ++side) AddSide(look, side);
    AddFontField(look, QStringLiteral("TextFont"), FindField("", FieldType::Font));
    const QString showText = QStringLiteral("ShowText");
    vd::addBool(look, showText, IntField(CResTabCtrl::Table().Find("ST"), showText));
    look->setExpanded(true);
}
