#include "designer/propertygrid/NumberEditor.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSpinBox>

namespace vd {

NumberEditor::NumberEditor(int minimum, int maximum, QWidget* parent) : PropertyEditor(parent), m_spin(new QSpinBox(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kContentInset - 2, 0, 0, 0);
    layout->setSpacing(0);
    m_spin->setFrame(false);
    m_spin->setRange(minimum, maximum);
    m_spin->setKeyboardTracking(false);  // no commit per typed digit
    m_spin->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(m_spin);
    setFocusProxy(m_spin);
    connect(m_spin, &QSpinBox::valueChanged, this, &PropertyEditor::commitRequested);
}

QVariant NumberEditor::value() const {
    // The typed text counts even before the spin box has taken it over.
    const QSignalBlocker block(m_spin);
    m_spin->interpretText();
    return m_spin->value();
}

void NumberEditor::setValue(const QVariant& value) {
    const QSignalBlocker block(m_spin);
    m_spin->setValue(value.toInt());
}

QWidget* NumberEditor::focusTarget() { return m_spin; }

void NumberEditor::selectAll() { m_spin->selectAll(); }

}  // namespace vd
