#include "designer/propertygrid/ColorItem.h"

#include "designer/propertygrid/PropertyEditor.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace vd {

ColorItem::ColorItem(const QString& caption) : PropertyItem(caption) {}

QVariant ColorItem::normalized(const QVariant& value) const {
    if (value.metaType() == QMetaType::fromType<Color>())
        return value;
    if (value.metaType() == QMetaType::fromType<QColor>()) {
        const QColor c = value.value<QColor>();
        return QVariant::fromValue(Color(c.red(), c.green(), c.blue()));
    }
    if (value.metaType() == QMetaType::fromType<QString>()) {
        if (const std::optional<Color> c = parse(value.toString()))
            return QVariant::fromValue(*c);
    }
    return {};
}

QString ColorItem::displayText() const {
    const QVariant v = value();
    return v.isValid() ? format(v.value<Color>()) : QString();
}

QRect ColorItem::swatchRect(const QRect& cell) {
    const int h = std::max(6, std::min(14, cell.height() - 8));
    return QRect(cell.left() + PropertyEditor::kContentInset, cell.top() + (cell.height() - h) / 2, 22, h);
}

void ColorItem::paintValue(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect) const {
    const QVariant v = value();
    if (!v.isValid())
        return;
    const Color c = v.value<Color>();
    const QRect swatch = swatchRect(rect);
    painter->save();
    painter->fillRect(swatch, QColor(c.r, c.g, c.b));
    QColor frame = option.palette.color(QPalette::Text);
    frame.setAlpha(110);
    painter->setPen(frame);
    painter->drawRect(swatch.adjusted(0, 0, -1, -1));
    painter->restore();
    QRect text = rect;
    text.setLeft(swatch.right() + 7);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      QFontMetrics(painter->font()).elidedText(format(c), Qt::ElideRight, text.width()));
}

QString ColorItem::format(const Color& color) {
    return QStringLiteral("%1, %2, %3").arg(color.r).arg(color.g).arg(color.b);
}

std::optional<Color> ColorItem::parse(const QString& text) {
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('#'))) {
        static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        if (!hex.match(t).hasMatch())
            return std::nullopt;
        return Color(t.mid(1, 2).toInt(nullptr, 16), t.mid(3, 2).toInt(nullptr, 16), t.mid(5, 2).toInt(nullptr, 16));
    }
    static const QRegularExpression rgb(QStringLiteral("^(\\d{1,3})\\s*[,; ]\\s*(\\d{1,3})\\s*[,; ]\\s*(\\d{1,3})$"));
    const QRegularExpressionMatch m = rgb.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    const int r = m.captured(1).toInt(), g = m.captured(2).toInt(), b = m.captured(3).toInt();
    if (r > 255 || g > 255 || b > 255)
        return std::nullopt;
    return Color(r, g, b);
}

}  // namespace vd
