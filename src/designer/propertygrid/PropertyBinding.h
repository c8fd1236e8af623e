#pragma once
// How a page ties a grid row to one field: a getter, a setter and, when the field has one, its default.
// Pages build these from lambdas over their record, e.g. {[r] { return r->width; }, [r](int v) { r->width = v; }, 0}.

#include <QString>

#include <functional>
#include <optional>

namespace vd {

template <class T>
struct Binding {
    std::function<T()> get;
    std::function<void(const T&)> set;
    std::optional<T> defaultValue = std::nullopt;
    QString description = {};  // what the row does, for the description panel; empty: none
    QString key = {};          // the record key the row edits ("ActiveTop"); empty: none or several
};

using IntBinding = Binding<int>;

}  // namespace vd
