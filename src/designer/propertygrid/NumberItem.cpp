#include "designer/propertygrid/NumberItem.h"

#include <algorithm>

namespace vd {

NumberItem::NumberItem(const QString& caption, int minimum, int maximum)
    : PropertyItem(caption), m_min(std::min(minimum, maximum)), m_max(std::max(minimum, maximum)) {}

void NumberItem::setRange(int minimum, int maximum) {
    m_min = std::min(minimum, maximum);
    m_max = std::max(minimum, maximum);
    updateRow();
}

QVariant NumberItem::normalized(const QVariant& value) const {
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (!ok)
        return {};
    return static_cast<int>(std::clamp<qlonglong>(n, m_min, m_max));
}

QString NumberItem::displayText() const {
    const QVariant v = value();
    return v.isValid() ? QString::number(v.toInt()) : QString();
}

}  // namespace vd
