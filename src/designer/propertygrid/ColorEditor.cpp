#include "designer/propertygrid/ColorEditor.h"

#include "designer/propertygrid/ColorItem.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>
#include <QToolButton>

namespace vd {

ColorEditor::ColorEditor(QWidget* parent)
    : PropertyEditor(parent), m_edit(new QLineEdit(this)), m_button(makeEllipsisButton(this)) {
    auto* layout = new QHBoxLayout(this);
    // Leave room for the swatch, painted where ColorItem paints it so nothing moves when the editor opens.
    layout->setContentsMargins(ColorItem::swatchRect(QRect(0, 0, 0, 20)).right() + 5, 0, 0, 0);
    layout->setSpacing(0);
    m_edit->setFrame(false);
    layout->addWidget(m_edit);
    layout->addWidget(m_button);
    setFocusProxy(m_edit);
    connect(m_edit, &QLineEdit::textChanged, this, [this] { update(swatchRect()); });
    connect(m_button, &QToolButton::clicked, this, &ColorEditor::chooseColor);
}

QVariant ColorEditor::value() const {
    const std::optional<Color> c = ColorItem::parse(m_edit->text());
    return c ? QVariant::fromValue(*c) : QVariant();
}

void ColorEditor::setValue(const QVariant& value) {
    const QSignalBlocker block(m_edit);
    m_edit->setText(value.isValid() ? ColorItem::format(value.value<Color>()) : QString());
    update(swatchRect());
}

QWidget* ColorEditor::focusTarget() { return m_edit; }

void ColorEditor::selectAll() { m_edit->selectAll(); }

QRect ColorEditor::swatchRect() const { return ColorItem::swatchRect(rect()); }

void ColorEditor::paintEvent(QPaintEvent* event) {
    PropertyEditor::paintEvent(event);
    const std::optional<Color> c = ColorItem::parse(m_edit->text());
    QPainter p(this);
    const QRect swatch = swatchRect();
    if (c)
        p.fillRect(swatch, QColor(c->r, c->g, c->b));
    QColor frame = palette().color(QPalette::Text);
    frame.setAlpha(110);
    p.setPen(frame);
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
}

void ColorEditor::chooseColor() {
    const std::optional<Color> current = ColorItem::parse(m_edit->text());
    const QColor initial = current ? QColor(current->r, current->g, current->b) : QColor(Qt::black);
    // On the heap and watched: if the grid drops this editor while the dialog runs, the dialog goes with it.
    QPointer<QColorDialog> dialog = new QColorDialog(initial, this);
    dialog->setWindowTitle(tr("Color"));
    const int result = dialog->exec();
    if (!dialog)
        return;
    const QColor chosen = dialog->selectedColor();
    delete dialog;
    if (result != QDialog::Accepted || !chosen.isValid())
        return;
    setValue(QVariant::fromValue(Color(chosen.red(), chosen.green(), chosen.blue())));
    emit commitRequested();
}

}  // namespace vd
