#pragma once
// Four ints (left, top, right, bottom) shown as one read-only line "l; t; r; b" and edited through five
// child rows: "All" sets the four at once, "Left".."Bottom" one each. Unbound, the item holds the four ints
// itself; MarginItem binds them to record fields.

#include "designer/propertygrid/PropertyItem.h"

#include <QMargins>

namespace vd {

class NumberItem;

class QuadNumberItem : public PropertyItem {
public:
    QuadNumberItem(const QString& caption, int left, int top, int right, int bottom);

    int kind() const override { return QuadKind; }
    bool hasEditor() const override { return false; }
    QVariant normalized(const QVariant& value) const override;
    QString displayText() const override;

    QMargins margins() const { return value().value<QMargins>(); }
    NumberItem* allItem() const { return m_all; }
    // 0 left, 1 top, 2 right, 3 bottom.
    NumberItem* sideItem(int side) const { return m_sides[side]; }

    static QString format(const QMargins& m);

private:
    NumberItem* m_all;
    NumberItem* m_sides[4];
};

}  // namespace vd
