#include "designer/propertygrid/GroupItem.h"

namespace vd {

GroupItem::GroupItem(const QString& caption, bool isCategory) : PropertyItem(caption), m_category(isCategory) {
    // Categories open by default; a page collapses the ones it wants closed.
    setExpanded(isCategory);
}

}  // namespace vd
