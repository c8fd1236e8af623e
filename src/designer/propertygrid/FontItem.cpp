#include "designer/propertygrid/FontItem.h"

#include <cstdlib>

namespace vd {

FontItem::FontItem(const QString& caption) : PropertyItem(caption) {}

QVariant FontItem::normalized(const QVariant& value) const {
    if (value.metaType() != QMetaType::fromType<LogFont>())
        return {};
    return QVariant::fromValue(limited(value.value<LogFont>()));
}

QString FontItem::displayText() const {
    const QVariant v = value();
    return v.isValid() ? format(v.value<LogFont>()) : QString();
}

QString FontItem::format(const LogFont& font) {
    QString text = QString::fromStdString(font.faceName);
    if (font.height < 0)
        text += QStringLiteral(", %1 px").arg(-font.height);
    else if (font.height > 0)
        text += QStringLiteral(", %1 px cell").arg(font.height);
    if (font.weight >= 600)
        text += QStringLiteral(", Bold");
    if (font.italic)
        text += QStringLiteral(", Italic");
    return text;
}

LogFont FontItem::limited(LogFont font) {
    std::string& face = font.faceName;
    if (face.size() > static_cast<size_t>(kFaceNameMaxBytes)) {
        size_t cut = static_cast<size_t>(kFaceNameMaxBytes);
        // Back off continuation bytes so no character is split.
        while (cut > 0 && (static_cast<unsigned char>(face[cut]) & 0xC0) == 0x80)
            --cut;
        face.resize(cut);
    }
    return font;
}

}  // namespace vd
