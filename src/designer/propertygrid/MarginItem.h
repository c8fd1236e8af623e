#pragma once
// A QuadNumberItem whose four ints are four record fields (left, top, right, bottom). Every change, from
// "All" or one side, writes all four through the bound setters. When every side has a default, the four
// defaults are the item's default.

#include "designer/propertygrid/PropertyBinding.h"
#include "designer/propertygrid/QuadNumberItem.h"

namespace vd {

class MarginItem : public QuadNumberItem {
public:
    MarginItem(const QString& caption, IntBinding left, IntBinding top, IntBinding right, IntBinding bottom);
};

}  // namespace vd
