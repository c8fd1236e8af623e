#include "designer/propertygrid/EnumItem.h"

#include "designer/propertygrid/PropertyEditor.h"

#include <QFontMetrics>
#include <QPainter>

namespace vd {

EnumItem::EnumItem(const QString& caption, QList<EnumEntry> entries)
    : PropertyItem(caption), m_entries(std::move(entries)) {}

QVariant EnumItem::normalized(const QVariant& value) const {
    bool ok = false;
    const int n = value.toInt(&ok);
    return ok ? QVariant(n) : QVariant();
}

const EnumEntry* EnumItem::entryFor(const QVariant& value) const {
    if (!value.isValid())
        return nullptr;
    for (const EnumEntry& e : m_entries)
        if (e.value == value.toInt())
            return &e;
    return nullptr;
}

QString EnumItem::displayText() const {
    const QVariant v = value();
    if (!v.isValid())
        return QString();
    const EnumEntry* e = entryFor(v);
    return e ? e->caption : QString::number(v.toInt());
}

bool EnumItem::hasIcons() const {
    for (const EnumEntry& e : m_entries)
        if (!e.icon.isNull())
            return true;
    return false;
}

void EnumItem::paintValue(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect) const {
    const EnumEntry* e = entryFor(value());
    if (!e || e->icon.isNull())
        return PropertyItem::paintValue(painter, option, rect);
    // The picture first, then the caption, as the editor's list shows the entry.
    const int left = rect.left() + PropertyEditor::kContentInset;
    const QRect iconRect(QPoint(left, rect.top() + (rect.height() - m_iconSize.height()) / 2), m_iconSize);
    e->icon.paint(painter, iconRect);
    const QRect textRect(QPoint(iconRect.right() + 1 + PropertyEditor::kContentInset, rect.top()),
                         QPoint(rect.right() - PropertyEditor::kContentInset, rect.bottom()));
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      QFontMetrics(painter->font()).elidedText(e->caption, Qt::ElideRight, textRect.width()));
}

}  // namespace vd
