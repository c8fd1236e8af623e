#include "designer/propertygrid/FontEditor.h"

#include "designer/propertygrid/FontItem.h"
#include "designer/propertygrid/LogFontDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QToolButton>

namespace vd {

FontEditor::FontEditor(QWidget* parent)
    : PropertyEditor(parent), m_label(new QLabel(this)), m_button(addDialogButton(m_label)) {
    connect(m_button, &QToolButton::clicked, this, &FontEditor::chooseFont);
}

QVariant FontEditor::value() const { return QVariant::fromValue(m_font); }

void FontEditor::setValue(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<LogFont>())
        m_font = value.value<LogFont>();
    m_label->setText(FontItem::format(m_font));
}

QWidget* FontEditor::focusTarget() { return m_button; }

void FontEditor::chooseFont() {
    // On the heap and watched: if the grid drops this editor while the dialog runs, the dialog goes with it.
    QPointer<LogFontDialog> dialog = new LogFontDialog(this);
    dialog->setLogFont(m_font);
    const int result = dialog->exec();
    if (!dialog)
        return;
    const LogFont chosen = dialog->logFont();
    delete dialog;
    if (result != QDialog::Accepted)
        return;
    setValue(QVariant::fromValue(chosen));
    emit commitRequested();
}

}  // namespace vd
