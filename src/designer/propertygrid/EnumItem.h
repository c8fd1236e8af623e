#pragma once
// An int chosen from a list of captioned values. A value missing from the list is shown as its number.
// Entries may carry a small picture (a draw mode, say), shown before the caption in the row and the list.

#include "designer/propertygrid/PropertyItem.h"

#include <QIcon>
#include <QList>
#include <QSize>

namespace vd {

struct EnumEntry {
    QString caption;
    int value = 0;
    QIcon icon = QIcon();  // none: the entry shows its caption only
};

class EnumItem : public PropertyItem {
public:
    EnumItem(const QString& caption, QList<EnumEntry> entries);

    int kind() const override { return EnumKind; }
    const QList<EnumEntry>& entries() const { return m_entries; }
    QVariant normalized(const QVariant& value) const override;
    QString displayText() const override;
    void paintValue(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect) const override;

    // The size entry pictures are drawn at, in the row and in its list.
    QSize iconSize() const { return m_iconSize; }
    void setIconSize(QSize size) { m_iconSize = size; }
    bool hasIcons() const;
    // The entry showing `value`, or null for a value outside the list.
    const EnumEntry* entryFor(const QVariant& value) const;

private:
    QList<EnumEntry> m_entries;
    QSize m_iconSize{16, 16};
};

}  // namespace vd
