#include "designer/pages/HeaderProperty.h"

#include "preview/ControlPreview.h"

namespace {

// The states as the rows list them ("ItemImageNormal" ... "ItemImageDisabled"): the four-state
// selector's labels and order, each row editing the record index FourStateIndex gives its position.
template <class Each>
void ForEachState(Each each) {
    const vd::preview::SelectorInfo states = vd::preview::FourStateSelector();
    for (const vd::preview::SelectorOption& o : states.options)
        each(QString::fromLatin1(o.label), static_cast<size_t>(vd::preview::FourStateIndex(o.value)));
}

}  // namespace

void CHeaderProperty::BuildProperties(vd::PropertyGrid& grid) {
    if (const Record* r = Current()) {
        m_nPreviewWidth = r->previewWidth;
        m_nPreviewHeight = r->previewHeight;
    }
    AddGeneral(grid);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    AddImageField(look, QStringLiteral("BackImage"), "BkImage");

    vd::GroupItem* items = vd::addGroup(look, QStringLiteral("ItemImage"), true);
    ForEachState([&](const QString& state, size_t index) {
        AddImageField(items, QStringLiteral("ItemImage") + state,
                      [index](Record& r) -> SkinImageBase& { return r.itemImages[index]; });
        AddTextStyleField(items, QStringLiteral("TextStyle") + state,
                          FindField(vd::Format("ItemTextStyle%d", static_cast<int>(index)), FieldType::TextStyle));
    });
    vd::GroupItem* up = vd::addGroup(look, QStringLiteral("UpArrow"), true);
    ForEachState([&](const QString& state, size_t index) {
        AddImageField(up, QStringLiteral("UpArrow") + state,
                      [index](Record& r) -> SkinImageBase& { return r.upArrows[index]; });
    });
    vd::GroupItem* down = vd::addGroup(look, QStringLiteral("DownArrow"), true);
    ForEachState([&](const QString& state, size_t index) {
        AddImageField(down, QStringLiteral("DownArrow") + state,
                      [index](Record& r) -> SkinImageBase& { return r.downArrows[index]; });
    });
    AddFontField(look, QStringLiteral("ItemFont"), FindField("", FieldType::Font));
    look->setExpanded(true);
}
