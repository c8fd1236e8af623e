#pragma once
// The page for objects of Button kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResButton.h"
#include "designer/pages/TypedPage.h"

class CButtonProperty : public CTypedPage<CResButton> {
public:
    using Record = CResButton::Record;
    CButtonProperty() : CTypedPage(2000) {}

    // Owned objects sit under their frame's tree item.
    int OwnerId(const SkinResStruct& r) const override { return static_cast<const Record&>(r).ownerFrameId; }
};
