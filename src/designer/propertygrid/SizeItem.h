#pragma once
// A width/height pair shown as "w; h", editable as text and through its "Width" and "Height" rows. Text that
// does not parse leaves the value unchanged.

#include "designer/propertygrid/PropertyItem.h"

#include <QSize>

#include <optional>

namespace vd {

class NumberItem;

class SizeItem : public PropertyItem {
public:
    explicit SizeItem(const QString& caption);

    int kind() const override { return SizeKind; }
    QVariant normalized(const QVariant& value) const override;
    QString displayText() const override;

    NumberItem* widthItem() const { return m_width; }
    NumberItem* heightItem() const { return m_height; }

    static QString format(const QSize& size);
    // Two integers separated by ';', ',', 'x' or blanks.
    static std::optional<QSize> parse(const QString& text);

private:
    NumberItem* m_width;
    NumberItem* m_height;
};

}  // namespace vd
