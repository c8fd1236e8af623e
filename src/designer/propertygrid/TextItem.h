#pragma once
// A text value. With a byte limit the text never exceeds that many UTF-8 bytes, whether it comes from the
// editor or from setValue(), because it ends up in a fixed-size record field.

#include "designer/propertygrid/PropertyItem.h"

namespace vd {

class TextItem : public PropertyItem {
public:
    // maxBytes < 0: no limit.
    explicit TextItem(const QString& caption, int maxBytes = -1);

    int kind() const override { return TextKind; }
    int maxBytes() const { return m_maxBytes; }
    QVariant normalized(const QVariant& value) const override;

private:
    int m_maxBytes;
};

}  // namespace vd
