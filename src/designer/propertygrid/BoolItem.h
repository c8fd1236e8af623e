#pragma once
// A boolean drawn as a check box. Identifier 501 makes it show its siblings when true and hide them when
// false (the grid applies that after every committed change and at the end of an update batch).

#include "designer/propertygrid/PropertyItem.h"

namespace vd {

class BoolItem : public PropertyItem {
public:
    static constexpr int kShowsSiblingsId = 501;

    explicit BoolItem(const QString& caption);

    int kind() const override { return BoolKind; }
    QVariant normalized(const QVariant& value) const override;
    QString displayText() const override;
    void paintValue(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect) const override;
};

}  // namespace vd
