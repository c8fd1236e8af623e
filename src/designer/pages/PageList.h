#pragma once
// The thirty property pages, constructed in their fixed order, which is also the order in which the page for
// an object ID is looked up. Owned by the main frame for its whole life.

#include <memory>
#include <vector>

#include "designer/pages/ResObjProperty.h"

class SkinSession;
namespace vd {
class PropertyGrid;
}

class CPageList {
public:
    CPageList();
    ~CPageList();

    void Attach(SkinSession* session, vd::PropertyGrid* grid, DialogProvider* dialogs = nullptr);
    const std::vector<std::unique_ptr<CResObjProperty>>& Pages() const { return m_pages; }
    // The page whose type base is exactly base, or null.
    CResObjProperty* ByTypeBase(int base) const;

private:
    std::vector<std::unique_ptr<CResObjProperty>> m_pages;
};

// The first page whose ID block holds id; null when no page owns it (callers skip such objects).
CResObjProperty* FindPageForId(const CPageList& pages, int id);
