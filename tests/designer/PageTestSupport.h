#pragma once
// Helpers for the page tests: finding a grid row by its path of captions, and the popup menu's per-item
// check-image entries.

#include <QString>
#include <QStringList>

#include "Resource/ResObjects/CheckImageEntries.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/PropertyItem.h"

namespace pagetest {

// The row at a path of captions ("Appearance/Normal/Image"): a top-level category, then children by
// caption; null when a step is missing.
inline vd::PropertyItem* Row(vd::PropertyGrid& grid, const QString& path) {
    const QStringList parts = path.split(QLatin1Char('/'));
    vd::PropertyItem* item = nullptr;
    for (int i = 0; i < grid.topLevelItemCount() && !item; ++i)
        if (grid.topLevelItem(i)->caption() == parts.first()) item = grid.topLevelItem(i);
    for (int p = 1; p < parts.size() && item; ++p) {
        vd::PropertyItem* next = nullptr;
        for (int c = 0; c < item->childCount() && !next; ++c)
            if (item->child(c)->caption() == parts[p]) next = item->child(c);
        item = next;
    }
    return item;
}

inline CheckImageEntry Entry(int itemId, const char* check, const char* uncheck, int twoRows) {
    CheckImageEntry e;
    e.id = itemId;
    e.checkImage = check;
    e.uncheckImage = uncheck;
    e.doubleRow = twoRows;
    return e;
}

}  // namespace pagetest
