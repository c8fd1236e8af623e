#include "designer/propertygrid/DialogEditor.h"

#include <QLabel>
#include <QPointer>
#include <QToolButton>

namespace vd {

DialogEditor::DialogEditor(DialogItem::Summary summary, DialogItem::Chooser chooser, QWidget* parent)
    : PropertyEditor(parent),
      m_summary(std::move(summary)),
      m_chooser(std::move(chooser)),
      m_label(new QLabel(this)),
      m_button(addDialogButton(m_label)) {
    m_button->setEnabled(static_cast<bool>(m_chooser));
    connect(m_button, &QToolButton::clicked, this, [this] { choose(); });
}

void DialogEditor::setValue(const QVariant& value) {
    m_value = value;
    m_label->setText(value.isValid() && m_summary ? m_summary(value) : QString());
}

QWidget* DialogEditor::focusTarget() { return m_button; }

bool DialogEditor::choose() {
    if (!m_chooser || !m_value.isValid()) return false;
    QVariant edited = m_value;
    // The grid may drop this editor while the modal chooser runs; then nothing is left to commit to.
    QPointer<DialogEditor> self(this);
    const DialogItem::Chooser chooser = m_chooser;
    const bool accepted = chooser(this, &edited);
    if (!self || !accepted) return false;
    setValue(edited);
    emit commitRequested();
    return true;
}

}  // namespace vd
