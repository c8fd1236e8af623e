#include "designer/propertygrid/PropertyBuilders.h"

#include "designer/propertygrid/BoolItem.h"
#include "designer/propertygrid/ColorItem.h"
#include "designer/propertygrid/FontItem.h"
#include "designer/propertygrid/GroupItem.h"
#include "designer/propertygrid/MarginItem.h"
#include "designer/propertygrid/NumberItem.h"
#include "designer/propertygrid/SizeItem.h"
#include "designer/propertygrid/TextItem.h"

namespace vd {

namespace {

// Binds an item to a typed field through QVariant.
template <class T, class Item>
Item* bindField(Item* item, const Binding<T>& field) {
    item->bind([get = field.get]() -> QVariant { return QVariant::fromValue<T>(get()); },
               [set = field.set](const QVariant& v) { set(v.value<T>()); });
    if (field.defaultValue)
        item->setDefaultValue(QVariant::fromValue<T>(*field.defaultValue));
    if (!field.description.isEmpty()) item->setDescription(field.description);
    if (!field.key.isEmpty()) item->setKey(field.key);
    return item;
}

}  // namespace

QString JoinDescriptions(const QStringList& parts) {
    QStringList kept;
    for (const QString& part : parts)
        if (!part.isEmpty() && !kept.contains(part)) kept << part;
    return kept.join(QLatin1Char(' '));
}

GroupItem* addGroup(PropertyItem* parent, const QString& caption, bool isCategory) {
    return parent->addChild<GroupItem>(caption, isCategory);
}

TextItem* addText(PropertyItem* parent, const QString& caption, const Binding<QString>& field, int maxBytes) {
    return bindField(parent->addChild<TextItem>(caption, maxBytes), field);
}

NumberItem* addNumber(PropertyItem* parent, const QString& caption, const IntBinding& field) {
    return bindField(parent->addChild<NumberItem>(caption), field);
}

NumberItem* addNumber(PropertyItem* parent, const QString& caption, const IntBinding& field, int minimum, int maximum) {
    return bindField(parent->addChild<NumberItem>(caption, minimum, maximum), field);
}

BoolItem* addBool(PropertyItem* parent, const QString& caption, const Binding<bool>& field) {
    return bindField(parent->addChild<BoolItem>(caption), field);
}

BoolItem* addBool(PropertyItem* parent, const QString& caption, const IntBinding& field) {
    Binding<bool> flag{[get = field.get] { return get() != 0; }, [set = field.set](const bool& b) { set(b ? 1 : 0); }};
    if (field.defaultValue)
        flag.defaultValue = *field.defaultValue != 0;
    flag.description = field.description;
    flag.key = field.key;
    return addBool(parent, caption, flag);
}

EnumItem* addEnum(PropertyItem* parent, const QString& caption, const QList<EnumEntry>& entries, const IntBinding& field) {
    return bindField(parent->addChild<EnumItem>(caption, entries), field);
}

ColorItem* addColor(PropertyItem* parent, const QString& caption, const Binding<Color>& field) {
    return bindField(parent->addChild<ColorItem>(caption), field);
}

FontItem* addFont(PropertyItem* parent, const QString& caption, const Binding<LogFont>& field) {
    return bindField(parent->addChild<FontItem>(caption), field);
}

SizeItem* addSize(PropertyItem* parent, const QString& caption, const IntBinding& width, const IntBinding& height) {
    Binding<QSize> size{[w = width.get, h = height.get] { return QSize(w(), h()); },
                        [w = width.set, h = height.set](const QSize& s) {
                            w(s.width());
                            h(s.height());
                        }};
    if (width.defaultValue && height.defaultValue)
        size.defaultValue = QSize(*width.defaultValue, *height.defaultValue);
    size.description = JoinDescriptions({width.description, height.description});
    return addSize(parent, caption, size);
}

SizeItem* addSize(PropertyItem* parent, const QString& caption, const Binding<QSize>& size) {
    return bindField(parent->addChild<SizeItem>(caption), size);
}

MarginItem* addMargin(PropertyItem* parent, const QString& caption, const Binding<QMargins>& margins) {
    MarginItem* item = parent->addChild<MarginItem>(caption, margins);
    if (!margins.description.isEmpty()) item->setDescription(margins.description);
    return item;
}

MarginItem* addMargin(PropertyItem* parent, const QString& caption, const IntBinding& left, const IntBinding& top,
                      const IntBinding& right, const IntBinding& bottom) {
    return parent->addChild<MarginItem>(caption, left, top, right, bottom);
}

}  // namespace vd
