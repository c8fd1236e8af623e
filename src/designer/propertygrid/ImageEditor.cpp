#include "designer/propertygrid/ImageEditor.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPointer>
#include <QToolButton>

namespace vd {

ImageEditor::ImageEditor(ImageItem::Chooser chooser, QWidget* parent)
    : PropertyEditor(parent), m_chooser(std::move(chooser)), m_button(addDialogButton()) {
    m_button->setEnabled(static_cast<bool>(m_chooser));
    connect(m_button, &QToolButton::clicked, this, [this] { choose(); });
}

QVariant ImageEditor::value() const {
    return m_hasValue ? QVariant::fromValue(m_image) : QVariant();
}

void ImageEditor::setValue(const QVariant& value) {
    m_hasValue = value.metaType() == QMetaType::fromType<SkinImageBase>();
    m_image = m_hasValue ? value.value<SkinImageBase>() : SkinImageBase{};
    update();
}

QWidget* ImageEditor::focusTarget() { return m_button; }

bool ImageEditor::choose() {
    if (!m_chooser || !m_hasValue) return false;
    SkinImageBase edited = m_image;
    // The grid may drop this editor while the modal chooser runs; then nothing is left to commit to.
    QPointer<ImageEditor> self(this);
    const ImageItem::Chooser chooser = m_chooser;
    const bool accepted = chooser(this, &edited);
    if (!self || !accepted) return false;
    setValue(QVariant::fromValue(edited));
    emit commitRequested();
    return true;
}

void ImageEditor::paintEvent(QPaintEvent*) {
    if (!m_hasValue) return;
    QPainter painter(this);
    QRect area = rect();
    area.setLeft(kContentInset);
    area.setRight(m_button->geometry().left() - 1);
    ImageItem::paintImage(painter, area, m_image, palette().color(QPalette::Text));
}

}  // namespace vd
