#pragma once
// The free-frame (shaped window) page: the active and inactive background pictures that give the window its
// shape, the key colour cut out of them and the window's transparency. While the active background names a
// picture, the picture gives the preview its size and the preview cannot be resized.

#include "Resource/ResObjects/ResFreeFrame.h"
#include "designer/pages/TypedPage.h"

class CFreeFrameProp : public CTypedPage<CResFreeFrame> {
public:
    using Record = CResFreeFrame::Record;
    CFreeFrameProp() : CTypedPage(26000) {}

    QSize PreviewSize() const override;

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
