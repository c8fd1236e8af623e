#include "designer/propertygrid/EnumEditor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace vd {

EnumEditor::EnumEditor(const QList<EnumEntry>& entries, QWidget* parent, QSize iconSize)
    : PropertyEditor(parent), m_combo(new QComboBox(this)), m_entryCount(static_cast<int>(entries.size())) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_combo->setFrame(false);
    m_combo->setIconSize(iconSize);
    for (const EnumEntry& e : entries)
        m_combo->addItem(e.icon, e.caption, e.value);
    layout->addWidget(m_combo);
    setFocusProxy(m_combo);
    connect(m_combo, &QComboBox::activated, this, &PropertyEditor::commitRequested);
}

QVariant EnumEditor::value() const { return m_combo->currentData(); }

void EnumEditor::setValue(const QVariant& value) {
    const QSignalBlocker block(m_combo);
    // A value outside the list gets one extra entry showing its number, replaced on the next unknown value.
    while (m_combo->count() > m_entryCount)
        m_combo->removeItem(m_combo->count() - 1);
    int index = m_combo->findData(value.toInt());
    if (index < 0 && value.isValid()) {
        m_combo->addItem(QString::number(value.toInt()), value.toInt());
        index = m_combo->count() - 1;
    }
    m_combo->setCurrentIndex(index);
}

QWidget* EnumEditor::focusTarget() { return m_combo; }

}  // namespace vd
