#include "designer/propertygrid/SizeItem.h"

#include "designer/propertygrid/NumberItem.h"

#include <QRegularExpression>

namespace vd {

namespace {

// A child row bound to one component of the parent's size.
void bindComponent(NumberItem* child, SizeItem* parent, bool width) {
    child->setPartOfParent(true);
    child->bind(
        [parent, width]() -> QVariant {
            const QSize s = parent->value().toSize();
            return width ? s.width() : s.height();
        },
        [parent, width](const QVariant& v) {
            QSize s = parent->value().toSize();
            width ? s.setWidth(v.toInt()) : s.setHeight(v.toInt());
            parent->setValue(s);
        });
    child->setDefaultProvider([parent, width]() -> std::optional<QVariant> {
        const std::optional<QVariant> d = parent->defaultValue();
        if (!d)
            return std::nullopt;
        return width ? d->toSize().width() : d->toSize().height();
    });
}

}  // namespace

SizeItem::SizeItem(const QString& caption) : PropertyItem(caption) {
    setValue(QSize(0, 0));
    m_width = addChild<NumberItem>(QStringLiteral("Width"));
    m_height = addChild<NumberItem>(QStringLiteral("Height"));
    bindComponent(m_width, this, true);
    bindComponent(m_height, this, false);
}

QVariant SizeItem::normalized(const QVariant& value) const {
    if (value.metaType() == QMetaType::fromType<QSize>())
        return value;
    if (value.metaType() == QMetaType::fromType<QString>()) {
        if (const std::optional<QSize> s = parse(value.toString()))
            return *s;
    }
    return {};
}

QString SizeItem::displayText() const { return format(value().toSize()); }

QString SizeItem::format(const QSize& size) { return QStringLiteral("%1; %2").arg(size.width()).arg(size.height()); }

std::optional<QSize> SizeItem::parse(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^\\s*(-?\\d{1,10})\\s*(?:[;,xX]|\\s)\\s*(-?\\d{1,10})\\s*$"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    bool okW = false, okH = false;
    const int w = m.captured(1).toInt(&okW);
    const int h = m.captured(2).toInt(&okH);
    if (!okW || !okH)
        return std::nullopt;
    return QSize(w, h);
}

}  // namespace vd
