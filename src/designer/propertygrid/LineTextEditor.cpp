#include "designer/propertygrid/LineTextEditor.h"

#include "designer/propertygrid/Utf8ByteValidator.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>

namespace vd {

LineTextEditor::LineTextEditor(Format format, Parse parse, int maxBytes, QWidget* parent)
    : PropertyEditor(parent), m_format(std::move(format)), m_parse(std::move(parse)), m_edit(new QLineEdit(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kContentInset - 2, 0, 0, 0);  // a frameless line edit keeps a 2-pixel margin
    layout->setSpacing(0);
    m_edit->setFrame(false);
    if (maxBytes >= 0)
        m_edit->setValidator(new Utf8ByteValidator(maxBytes, m_edit));
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);
}

QVariant LineTextEditor::value() const {
    const std::optional<QVariant> v = m_parse(m_edit->text());
    return v ? *v : QVariant();
}

void LineTextEditor::setValue(const QVariant& value) {
    const QSignalBlocker block(m_edit);
    const QString text = m_format(value);
    if (text != m_edit->text())
        m_edit->setText(text);
}

QWidget* LineTextEditor::focusTarget() { return m_edit; }

void LineTextEditor::selectAll() { m_edit->selectAll(); }

}  // namespace vd
