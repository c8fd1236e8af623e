#pragma once
// The button page: the button's five states with their pictures and text styles, its font, tooltip, flags and
// placement on an owning frame. The preview shows one state, chosen with the "Action" row "State" or by
// pressing the mouse on the preview; that choice belongs to the page, not to the button.

#include "Resource/ResObjects/ResButton.h"
#include "designer/pages/TypedPage.h"
#include "preview/ButtonPreview.h"

class CButtonProperty : public CTypedPage<CResButton> {
public:
    using Record = CResButton::Record;
    CButtonProperty();

    // Owned objects sit under their frame's tree item.
    int OwnerId(const SkinResStruct& r) const override { return static_cast<const Record&>(r).ownerFrameId; }

    // Every button is previewed at the page's size; a grip drag changes the page only, never the button.
    QSize PreviewSize() const override { return CResObjProperty::PreviewSize(); }
    void StorePreviewSize(QSize size) override { CResObjProperty::StorePreviewSize(size); }

    // Pressed while the mouse is down on the preview, whatever "State" says; otherwise "State".
    vd::preview::SelectorValues PreviewSelectors() const override;
    int OnLButtonDown(QPoint pt) override;
    // Ends a press: the preview, and "State", go back to Normal.
    int OnLButtonUp(QPoint pt) override;

    int PreviewState() const { return m_previewState; }

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;

private:
    bool InPreview(QPoint pt) const;

    int m_previewState = vd::preview::kStateNormal;
    bool m_pressed = false;
};
