#pragma once
// A colour (the core's Color), shown as a swatch and "R, G, B"; typed as text or chosen in a colour dialog.

#include "designer/propertygrid/PropertyItem.h"
#include "designer/propertygrid/PropertyValueTypes.h"

#include <optional>

namespace vd {

class ColorItem : public PropertyItem {
public:
    explicit ColorItem(const QString& caption);

    int kind() const override { return ColorKind; }
    QVariant normalized(const QVariant& value) const override;
    QString displayText() const override;
    void paintValue(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect) const override;

    static QString format(const Color& color);
    // "R, G, B" (commas, semicolons or blanks between) or "#RRGGBB"; nothing for anything else.
    static std::optional<Color> parse(const QString& text);
    // Where the swatch sits in a value cell; the editor uses the same place.
    static QRect swatchRect(const QRect& cell);
};

}  // namespace vd
