#include "designer/propertygrid/TextStyleItem.h"

#include "designer/dialogs/StyledSample.h"
#include "designer/propertygrid/PropertyEditor.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/TextStyleEditor.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace vd {

TextStyleItem::TextStyleItem(const QString& caption, const SystemEnvironment& env, DialogProvider* dialogs)
    : PropertyItem(caption), m_env(env), m_dialogs(dialogs) {}

QVariant TextStyleItem::normalized(const QVariant& value) const {
    return value.metaType() == QMetaType::fromType<SkinTextStyle>() ? value : QVariant();
}

QString TextStyleItem::displayText() const {
    const QVariant v = value();
    return v.isValid() ? summary(v.value<SkinTextStyle>()) : QString();
}

bool TextStyleItem::isDefaultStyle(const SkinTextStyle& style, const SystemEnvironment& env) {
    return style == SkinTextStyle::Fresh(env);
}

QString TextStyleItem::iconPath(bool defaultStyle) {
    return defaultStyle ? QStringLiteral(":/icons/text-style-default-16.png")
                        : QStringLiteral(":/icons/text-style-custom-16.png");
}

QString TextStyleItem::summary(const SkinTextStyle& s) {
    auto pick = [](int v, const char* a, const char* b, const char* c) {
        return QString::fromLatin1(v == 0 ? a : v == 1 ? b : v == 2 ? c : "?");
    };
    QString text = pick(s.horzAlign, "Left", "Center", "Right") + QStringLiteral(", ") +
                   pick(s.vertAlign, "Top", "VCenter", "Bottom") + QStringLiteral(", ") +
                   (s.effect == 1 ? QStringLiteral("Shadow") : QStringLiteral("Normal"));
    if (s.leftOffset || s.topOffset || s.rightOffset || s.bottomOffset)
        text += QStringLiteral(", offsets %1; %2; %3; %4").arg(s.leftOffset).arg(s.topOffset).arg(s.rightOffset).arg(s.bottomOffset);
    return text;
}

QRect TextStyleItem::iconRect(const QRect& cell) {
    return QRect(cell.left() + PropertyEditor::kContentInset, cell.top() + (cell.height() - 16) / 2, 16, 16);
}

QRect TextStyleItem::sampleRect(const QRect& cell) {
    const int h = std::max(8, std::min(20, cell.height() - 4));
    return QRect(iconRect(cell).right() + 5, cell.top() + (cell.height() - h) / 2, 30, h);
}

void TextStyleItem::paintStyle(QPainter& painter, const QRect& cell, const SkinTextStyle& style,
                               const SystemEnvironment& env, const QPalette& palette) {
    painter.save();
    const bool isDefault = isDefaultStyle(style, env);
    QIcon icon(iconPath(isDefault));
    icon.addFile(QString(iconPath(isDefault)).replace(QStringLiteral("-16.png"), QStringLiteral("-32.png")));
    icon.paint(&painter, iconRect(cell));

    // "Aa" centred in a small swatch: the insets would not fit, and a shadow further off than the swatch
    // allows is still shown as a shadow.
    SkinTextStyle shown = style;
    shown.horzAlign = 1;
    shown.vertAlign = 1;
    shown.leftOffset = shown.topOffset = shown.rightOffset = shown.bottomOffset = 0;
    shown.shadowHSpace = std::clamp(style.shadowHSpace, -3, 3);
    shown.shadowVSpace = std::clamp(style.shadowVSpace, -3, 3);
    const QRect sample = sampleRect(cell);
    QFont font = painter.font();
    font.setBold(true);
    PaintStyledSample(painter, sample, StyledSampleLook::Of(shown, QStringLiteral("Aa"), env), font);
    QColor frame = palette.color(QPalette::Text);
    frame.setAlpha(110);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(sample.adjusted(0, 0, -1, -1));
    painter.restore();

    QRect text = cell;
    text.setLeft(sample.right() + 7);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QFontMetrics(painter.font()).elidedText(summary(style), Qt::ElideRight, text.width()));
}

void TextStyleItem::paintValue(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect) const {
    const QVariant v = value();
    if (v.isValid())
        paintStyle(*painter, rect, v.value<SkinTextStyle>(), m_env, option.palette);
}

void TextStyleItem::attached() {
    EditorFactory& factory = grid()->editorFactory();
    if (factory.hasEditor(Kind))
        return;
    factory.registerEditor(Kind, [](const PropertyItem& item, QWidget* parent) -> PropertyEditor* {
        const auto* style = dynamic_cast<const TextStyleItem*>(&item);
        return style ? new TextStyleEditor(style->environment(), style->dialogs(), parent) : nullptr;
    });
}

TextStyleItem* addTextStyle(PropertyItem* parent, const QString& caption, const Binding<SkinTextStyle>& field,
                            const SystemEnvironment& env, DialogProvider* dialogs) {
    auto* item = parent->addChild<TextStyleItem>(caption, env, dialogs);
    item->bind([get = field.get]() -> QVariant { return QVariant::fromValue(get()); },
               [set = field.set](const QVariant& v) { set(v.value<SkinTextStyle>()); });
    if (field.defaultValue)
        item->setDefaultValue(QVariant::fromValue(*field.defaultValue));
    return item;
}

}  // namespace vd
