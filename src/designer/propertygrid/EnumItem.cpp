#include "designer/propertygrid/EnumItem.h"

namespace vd {

EnumItem::EnumItem(const QString& caption, QList<EnumEntry> entries)
    : PropertyItem(caption), m_entries(std::move(entries)) {}

QVariant EnumItem::normalized(const QVariant& value) const {
    bool ok = false;
    const int n = value.toInt(&ok);
    return ok ? QVariant(n) : QVariant();
}

QString EnumItem::displayText() const {
    const QVariant v = value();
    if (!v.isValid())
        return QString();
    for (const EnumEntry& e : m_entries)
        if (e.value == v.toInt())
            return e.caption;
    return QString::number(v.toInt());
}

}  // namespace vd
