#include "designer/propertygrid/EditorFactory.h"

#include "designer/propertygrid/BoolEditor.h"
#include "designer/propertygrid/ColorEditor.h"
#include "designer/propertygrid/EnumEditor.h"
#include "designer/propertygrid/FontEditor.h"
#include "designer/propertygrid/LineTextEditor.h"
#include "designer/propertygrid/NumberEditor.h"
#include "designer/propertygrid/NumberItem.h"
#include "designer/propertygrid/SizeItem.h"
#include "designer/propertygrid/TextItem.h"

namespace vd {

EditorFactory::EditorFactory() {
    // Factories copy what they need from the item: an editor may outlive its row by an event-loop turn.
    registerEditor(PropertyItem::TextKind, [](const PropertyItem& item, QWidget* parent) -> PropertyEditor* {
        const auto* text = dynamic_cast<const TextItem*>(&item);
        return new LineTextEditor([](const QVariant& v) { return v.toString(); },
                                  [](const QString& s) -> std::optional<QVariant> { return s; },
                                  text ? text->maxBytes() : -1, parent);
    });
    registerEditor(PropertyItem::NumberKind, [](const PropertyItem& item, QWidget* parent) -> PropertyEditor* {
        const auto* number = dynamic_cast<const NumberItem*>(&item);
        return number ? new NumberEditor(number->minimum(), number->maximum(), parent) : nullptr;
    });
    registerEditor(PropertyItem::BoolKind,
                   [](const PropertyItem&, QWidget* parent) -> PropertyEditor* { return new BoolEditor(parent); });
    registerEditor(PropertyItem::EnumKind, [](const PropertyItem& item, QWidget* parent) -> PropertyEditor* {
        const auto* list = dynamic_cast<const EnumItem*>(&item);
        return list ? new EnumEditor(list->entries(), parent, list->iconSize()) : nullptr;
    });
    registerEditor(PropertyItem::ColorKind,
                   [](const PropertyItem&, QWidget* parent) -> PropertyEditor* { return new ColorEditor(parent); });
    registerEditor(PropertyItem::FontKind,
                   [](const PropertyItem&, QWidget* parent) -> PropertyEditor* { return new FontEditor(parent); });
    registerEditor(PropertyItem::SizeKind, [](const PropertyItem&, QWidget* parent) -> PropertyEditor* {
        return new LineTextEditor([](const QVariant& v) { return SizeItem::format(v.toSize()); },
                                  [](const QString& s) -> std::optional<QVariant> {
                                      if (const std::optional<QSize> size = SizeItem::parse(s))
                                          return *size;
                                      return std::nullopt;
                                  },
                                  -1, parent);
    });
}

PropertyEditor* EditorFactory::createEditor(const PropertyItem& item, QWidget* parent) const {
    if (!item.hasEditor())
        return nullptr;
    const auto it = m_table.constFind(item.kind());
    return it == m_table.constEnd() ? nullptr : (*it)(item, parent);
}

}  // namespace vd
