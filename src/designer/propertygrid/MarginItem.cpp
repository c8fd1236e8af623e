#include "designer/propertygrid/MarginItem.h"

namespace vd {

MarginItem::MarginItem(const QString& caption, IntBinding left, IntBinding top, IntBinding right, IntBinding bottom)
    : QuadNumberItem(caption, 0, 0, 0, 0) {
    if (left.defaultValue && top.defaultValue && right.defaultValue && bottom.defaultValue)
        setDefaultValue(QVariant::fromValue(
            QMargins(*left.defaultValue, *top.defaultValue, *right.defaultValue, *bottom.defaultValue)));
    bind([left, top, right, bottom]() -> QVariant {
             return QVariant::fromValue(QMargins(left.get(), top.get(), right.get(), bottom.get()));
         },
         [left, top, right, bottom](const QVariant& v) {
             const QMargins m = v.value<QMargins>();
             left.set(m.left());
             top.set(m.top());
             right.set(m.right());
             bottom.set(m.bottom());
         });
}

}  // namespace vd
