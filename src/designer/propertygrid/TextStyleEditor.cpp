#include "designer/propertygrid/TextStyleEditor.h"

#include "designer/DialogProvider.h"
#include "designer/propertygrid/TextStyleItem.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPointer>
#include <QToolButton>

namespace vd {

TextStyleEditor::TextStyleEditor(const SystemEnvironment& env, DialogProvider* dialogs, QWidget* parent)
    : PropertyEditor(parent), m_style(SkinTextStyle::Fresh(env)), m_env(env), m_dialogs(dialogs),
      m_button(addDialogButton()) {
    m_button->setEnabled(m_dialogs != nullptr);
    connect(m_button, &QToolButton::clicked, this, &TextStyleEditor::editStyle);
}

QVariant TextStyleEditor::value() const { return QVariant::fromValue(m_style); }

void TextStyleEditor::setValue(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<SkinTextStyle>())
        m_style = value.value<SkinTextStyle>();
    update();
}

QWidget* TextStyleEditor::focusTarget() { return m_button; }

void TextStyleEditor::editStyle() {
    if (!m_dialogs)
        return;
    SkinTextStyle edited = m_style;
    // The grid may drop this editor while the dialog runs; then there is nothing left to commit to.
    QPointer<TextStyleEditor> alive(this);
    const bool ok = m_dialogs->EditTextStyle(this, m_env, &edited);
    if (!alive || !ok)
        return;
    setValue(QVariant::fromValue(edited));
    emit commitRequested();
}

void TextStyleEditor::paintEvent(QPaintEvent* event) {
    PropertyEditor::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::Text));
    QRect cell = rect();
    cell.setRight(m_button->geometry().left() - 1);
    TextStyleItem::paintStyle(p, cell, m_style, m_env, palette());
}

}  // namespace vd
