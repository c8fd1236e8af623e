#pragma once
// A category (bold, shaded, top level or nested) or a plain row with an empty value that only groups its
// children (the "Position" row of a page).

#include "designer/propertygrid/PropertyItem.h"

namespace vd {

class GroupItem : public PropertyItem {
public:
    GroupItem(const QString& caption, bool isCategory);

    int kind() const override { return GroupKind; }
    bool isCategory() const override { return m_category; }
    QString displayText() const override { return QString(); }
    bool hasEditor() const override { return false; }

private:
    bool m_category;
};

}  // namespace vd
