#include "designer/propertygrid/MarginItem.h"

namespace vd {

MarginItem::MarginItem(const QString& caption, Binding<QMargins> margins) : QuadNumberItem(caption, 0, 0, 0, 0) {
    if (margins.defaultValue) setDefaultValue(QVariant::fromValue(*margins.defaultValue));
    bind([get = margins.get]() -> QVariant { return QVariant::fromValue(get()); },
         [set = margins.set](const QVariant& v) { set(v.value<QMargins>()); });
}

namespace {

Binding<QMargins> Combine(IntBinding left, IntBinding top, IntBinding right, IntBinding bottom) {
    Binding<QMargins> m{[left, top, right, bottom] { return QMargins(left.get(), top.get(), right.get(), bottom.get()); },
                        [left, top, right, bottom](const QMargins& v) {
                            left.set(v.left());
                            top.set(v.top());
                            right.set(v.right());
                            bottom.set(v.bottom());
                        }};
    if (left.defaultValue && top.defaultValue && right.defaultValue && bottom.defaultValue)
        m.defaultValue = QMargins(*left.defaultValue, *top.defaultValue, *right.defaultValue, *bottom.defaultValue);
    return m;
}

}  // namespace

MarginItem::MarginItem(const QString& caption, IntBinding left, IntBinding top, IntBinding right, IntBinding bottom)
    : MarginItem(caption, Combine(std::move(left), std::move(top), std::move(right), std::move(bottom))) {}

}  // namespace vd
