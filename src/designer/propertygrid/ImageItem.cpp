#include "designer/propertygrid/ImageItem.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionViewItem>

#include "Helpers/SkinBaseImage.h"
#include "designer/propertygrid/ImageEditor.h"
#include "designer/propertygrid/PropertyGrid.h"

namespace vd {

ImageItem::ImageItem(const QString& caption, Chooser chooser) : PropertyItem(caption), m_chooser(std::move(chooser)) {}

QVariant ImageItem::normalized(const QVariant& value) const {
    if (value.metaType() != QMetaType::fromType<SkinImageBase>()) return {};
    return value;
}

QString ImageItem::displayText() const {
    const QVariant v = value();
    return v.isValid() ? nameText(v.value<SkinImageBase>()) : QString();
}

QString ImageItem::nameText(const SkinImageBase& image) {
    return image.name.empty() ? QStringLiteral("(无)") : QString::fromStdString(image.name);
}

QRect ImageItem::swatchRect(const QRect& rect) {
    return QRect(QPoint(rect.left() - 2, rect.top() + 1), QPoint(rect.left() + 18, rect.bottom() - 1));
}

void ImageItem::paintImage(QPainter& painter, const QRect& rect, const SkinImageBase& image, const QColor& text) {
    const QRect swatch = swatchRect(rect);
    painter.save();
    if (image.image && !image.name.empty() && !swatch.isEmpty()) {
        // Magenta is the skin's transparent colour: what the engine cuts out, the swatch leaves out too.
        DrawSkinImage(painter, swatch, image, Color(255, 0, 255), true);
    }
    painter.setPen(text);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    QRect textRect = rect;
    textRect.setLeft(rect.left() + 25);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QFontMetrics(painter.font()).elidedText(nameText(image), Qt::ElideRight, textRect.width()));
    painter.restore();
}

void ImageItem::paintValue(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect) const {
    const QVariant v = value();
    // An item bound to no record shows nothing.
    if (!v.isValid()) return;
    paintImage(*painter, rect, v.value<SkinImageBase>(), option.palette.color(QPalette::Text));
}

void ImageItem::attached() {
    EditorFactory& factory = grid()->editorFactory();
    if (factory.hasEditor(kKind)) return;
    factory.registerEditor(kKind, [](const PropertyItem& item, QWidget* parent) -> PropertyEditor* {
        const auto* image = dynamic_cast<const ImageItem*>(&item);
        // The editor keeps its own copy of the chooser: it may outlive the row by an event-loop turn.
        return image ? new ImageEditor(image->chooser(), parent) : nullptr;
    });
}

}  // namespace vd
