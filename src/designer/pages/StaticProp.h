#pragma once
// The page for objects of Static kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResStatic.h"
#include "designer/pages/TypedPage.h"

class CStaticProp : public CTypedPage<CResStatic> {
public:
    using Record = CResStatic::Record;
    CStaticProp() : CTypedPage(23000) {}

    // Owned objects sit under their frame's tree item.
    int OwnerId(const SkinResStruct& r) const override { return static_cast<const Record&>(r).ownerFrameId; }
};
