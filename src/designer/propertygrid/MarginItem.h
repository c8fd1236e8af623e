#pragma once
// A QuadNumberItem whose four ints are record fields (left, top, right, bottom). Every change, from "All" or
// one side, writes all four at once through one setter, so a page can make it one undoable step. When every
// side has a default, the four defaults are the item's default.

#include "designer/propertygrid/PropertyBinding.h"
#include "designer/propertygrid/QuadNumberItem.h"

#include <QMargins>

namespace vd {

class MarginItem : public QuadNumberItem {
public:
    explicit MarginItem(const QString& caption, Binding<QMargins> margins);
    MarginItem(const QString& caption, IntBinding left, IntBinding top, IntBinding right, IntBinding bottom);
};

}  // namespace vd
