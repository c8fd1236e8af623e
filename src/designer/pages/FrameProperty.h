#pragma once
// The page for frames (IDs 3000 to 3499; caption buttons take the rest of the block): the grid groups a
// frame's members as an author thinks of a window (normal frame, minimised frame, menu bar, popup menu),
// and the preview is a skinned MDI main window. The preview's size belongs to the page, not the record:
// every frame opens at 500 x 350 and a grip drag resizes it without writing anything.

#include "Resource/ResObjects/ResFrame.h"
#include "designer/pages/TypedPage.h"

namespace vd {
class EnumItem;
class DialogItem;
}

class CFrameProperty : public CTypedPage<CResFrame> {
public:
    using Record = CResFrame::Record;
    CFrameProperty() : CTypedPage(3000, 500) {}

    QSize PreviewSize() const override { return CResObjProperty::PreviewSize(); }
    void StorePreviewSize(QSize size) override { CResObjProperty::StorePreviewSize(size); }
    // A click on the frame preview selects nothing.
    int OnLButtonDown(QPoint) override { return -1; }

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;

private:
    void AddNormalFrame(vd::PropertyGrid& grid);
    void AddMinimizedFrame(vd::PropertyGrid& grid);
    void AddMenuBar(vd::PropertyGrid& grid);
    void AddPopupMenu(vd::PropertyGrid& grid);
    vd::EnumItem* AddDrawMode(vd::PropertyItem* parent);
    vd::DialogItem* AddMenuItemImages(vd::PropertyItem* parent);
    // A number, flag or list row over the int stored under `key`.
    const Field* IntKey(const char* key) const { return FindField(key, FieldType::Int); }
};
