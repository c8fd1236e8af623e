#pragma once
// An int chosen from a list of captioned values. A value missing from the list is shown as its number.

#include "designer/propertygrid/PropertyItem.h"

#include <QList>

namespace vd {

struct EnumEntry {
    QString caption;
    int value = 0;
};

class EnumItem : public PropertyItem {
public:
    EnumItem(const QString& caption, QList<EnumEntry> entries);

    int kind() const override { return EnumKind; }
    const QList<EnumEntry>& entries() const { return m_entries; }
    QVariant normalized(const QVariant& value) const override;
    QString displayText() const override;

private:
    QList<EnumEntry> m_entries;
};

}  // namespace vd
