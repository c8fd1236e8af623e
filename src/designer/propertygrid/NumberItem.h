#pragma once
// An int value with an optional range; values outside the range are clamped.

#include "designer/propertygrid/PropertyItem.h"

#include <climits>

namespace vd {

class NumberItem : public PropertyItem {
public:
    explicit NumberItem(const QString& caption, int minimum = INT_MIN, int maximum = INT_MAX);

    int kind() const override { return NumberKind; }
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    void setRange(int minimum, int maximum);
    QVariant normalized(const QVariant& value) const override;
    QString displayText() const override;

private:
    int m_min;
    int m_max;
};

}  // namespace vd
