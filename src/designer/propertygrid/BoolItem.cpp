#include "designer/propertygrid/BoolItem.h"

#include "designer/propertygrid/CheckBoxPainter.h"

#include <QPainter>
#include <QStyleOptionViewItem>

namespace vd {

BoolItem::BoolItem(const QString& caption) : PropertyItem(caption) {}

QVariant BoolItem::normalized(const QVariant& value) const {
    if (!value.isValid() || !value.canConvert<bool>())
        return {};
    return value.toBool();
}

QString BoolItem::displayText() const { return value().toBool() ? QStringLiteral("True") : QStringLiteral("False"); }

void BoolItem::paintValue(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect) const {
    const bool on = value().toBool();
    paintCheckBox(painter, option, rect, on, !isReadOnly());
    // The word beside the box carries the bold of a changed value, as every other row does.
    QRect text = rect;
    text.setLeft(checkBoxIndicatorRect(option.widget, rect).right() + 7);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, displayText());
}

}  // namespace vd
