#pragma once
// The static page: transparency, the background pictures, colours and text styles, normal and disabled,
// and the font. A static may belong to a frame (it is created under the frame's tree item and sits there);
// its placement on the frame has no row. The preview shows a normal and a disabled sample at 200 x 100.

#include "Resource/ResObjects/ResStatic.h"
#include "designer/pages/TypedPage.h"

class CStaticProp : public CTypedPage<CResStatic> {
public:
    using Record = CResStatic::Record;
    CStaticProp() : CTypedPage(23000) {}

    // Owned objects sit under their frame's tree item.
    int OwnerId(const SkinResStruct& r) const override { return static_cast<const Record&>(r).ownerFrameId; }

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
