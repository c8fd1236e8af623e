#pragma once
// The page for caption buttons (IDs 3500 to 3999). Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResSysButton.h"
#include "designer/pages/TypedPage.h"

class CSysButtonProperty : public CTypedPage<CResSysButton> {
public:
    using Record = CResSysButton::Record;
    CSysButtonProperty() : CTypedPage(3500, 500) {}

    // Owned objects sit under their frame's tree item.
    int OwnerId(const SkinResStruct& r) const override { return static_cast<const Record&>(r).ownerFrameId; }
};
