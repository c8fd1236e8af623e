#include "designer/propertygrid/BoolEditor.h"

#include "designer/propertygrid/CheckBoxPainter.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace vd {

BoolEditor::BoolEditor(QWidget* parent) : PropertyEditor(parent), m_check(new QCheckBox(this)) {
    setAutoFillBackground(false);
    setFocusProxy(m_check);
    connect(m_check, &QCheckBox::toggled, this, &BoolEditor::showState);
    connect(m_check, &QCheckBox::clicked, this, &PropertyEditor::commitRequested);
}

QVariant BoolEditor::value() const { return m_check->isChecked(); }

void BoolEditor::setValue(const QVariant& value) {
    const QSignalBlocker block(m_check);
    m_check->setChecked(value.toBool());
    showState();
}

void BoolEditor::showState() { m_check->setText(m_check->isChecked() ? tr("True") : tr("False")); }

QWidget* BoolEditor::focusTarget() { return m_check; }

void BoolEditor::activateByClick(const QPoint& posInEditor) {
    if (!checkBoxIndicatorRect(this, rect()).adjusted(-2, -2, 2, 2).contains(posInEditor))
        return;
    m_check->toggle();
    emit commitRequested();
}

void BoolEditor::resizeEvent(QResizeEvent* event) {
    PropertyEditor::resizeEvent(event);
    // Put the box's indicator exactly where the painted row draws it.
    const QRect indicator = checkBoxIndicatorRect(this, rect());
    m_check->setGeometry(indicator.left(), 0, width() - indicator.left(), height());
}

}  // namespace vd
