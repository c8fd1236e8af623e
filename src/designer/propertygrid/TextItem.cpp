#include "designer/propertygrid/TextItem.h"

#include "designer/propertygrid/Utf8Limit.h"

namespace vd {

TextItem::TextItem(const QString& caption, int maxBytes) : PropertyItem(caption), m_maxBytes(maxBytes) {}

QVariant TextItem::normalized(const QVariant& value) const {
    if (!value.canConvert<QString>())
        return {};
    return truncateToUtf8Bytes(value.toString(), m_maxBytes);
}

}  // namespace vd
