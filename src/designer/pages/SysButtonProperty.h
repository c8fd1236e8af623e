#pragma once
// The caption-button page (IDs 3500 to 3999): seven active and inactive states, each with a picture, a glyph
// and a text style, the button's type, font, tooltip and placement on its frame. Caption buttons have no
// preview of their own: the frame and tool-window previews draw them.

#include "Resource/ResObjects/ResSysButton.h"
#include "designer/pages/TypedPage.h"

class CSysButtonProperty : public CTypedPage<CResSysButton> {
public:
    using Record = CResSysButton::Record;
    CSysButtonProperty() : CTypedPage(3500, 500) {}

    // Owned objects sit under their frame's tree item.
    int OwnerId(const SkinResStruct& r) const override { return static_cast<const Record&>(r).ownerFrameId; }

    // Clicks on the empty preview select nothing and are not remembered.
    int OnLButtonDown(QPoint) override { return -1; }

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
