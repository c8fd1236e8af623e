#include "designer/propertygrid/NamedValueCombo.h"

namespace vd {

NamedValueCombo::NamedValueCombo(const Names& names, QWidget* parent)
    : QComboBox(parent), m_namedCount(static_cast<int>(names.size())) {
    for (const auto& [value, name] : names)
        addItem(QStringLiteral("%1 (%2)").arg(QString::fromLatin1(name)).arg(value), value);
}

void NamedValueCombo::setValue(int value) {
    while (count() > m_namedCount)
        removeItem(count() - 1);
    int index = findData(value);
    if (index < 0) {
        addItem(QString::number(value), value);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

}  // namespace vd
