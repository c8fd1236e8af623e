#pragma once
// A font (the core's LogFont, every LOGFONT member), shown as face name and size; edited in LogFontDialog.

#include "designer/propertygrid/PropertyItem.h"
#include "designer/propertygrid/PropertyValueTypes.h"

namespace vd {

class FontItem : public PropertyItem {
public:
    // The face name holds at most 31 bytes (a 32-byte buffer with its terminator).
    static constexpr int kFaceNameMaxBytes = static_cast<int>(LogFont::kFaceNameBytes) - 1;

    explicit FontItem(const QString& caption);

    int kind() const override { return FontKind; }
    QVariant normalized(const QVariant& value) const override;
    QString displayText() const override;

    static QString format(const LogFont& font);
    // Cuts an over-long face name at a UTF-8 character boundary.
    static LogFont limited(LogFont font);
};

}  // namespace vd
