#include "Resource/ResObjects/ResButton.h"

CResButton::CResButton(CSkinDocument& doc) : CResTyped(doc, kKinds[kButtons], Table()) {}

const RecordSchema<SkinButtonStruct>& CResButton::Table() {
    static const RecordSchema<SkinButtonStruct> schema = [] {
        using R = SkinButtonStruct;
        RecordSchema<R> s;
        s.Id();
        s.CaptionKey();
        s.Text("Tt", &R::tooltip, kText255);
        s.ResId();
        s.Int("Tp", &R::kind, 0);
        s.Int("Skin", &R::skinnable, 1);
        s.Int("DT", &R::drawText, 1);
        s.Int("OwnerFrameID", &R::ownerFrameId, 0);
        s.Text("CC", &R::customCursor, kText255);
        s.Int("Curs", &R::cursor, 32512);
        s.Font("", &R::font);
        for (size_t i = 0; i < 5; ++i) s.Image(kButtonStateKeys[i], Elem(&R::images, i));
        for (size_t i = 0; i < 5; ++i) s.TextStyle(kButtonStateKeys[i], Elem(&R::styles, i));
        s.Placement("", &R::placement);
        s.Int("VornadeskPreviewWidth", &R::previewWidth, 200);
        // A new button is 50 high, but a stored button without the key is 100.
        s.Int("VornadeskPreviewHeight", &R::previewHeight, 50, 100);
        return s;
    }();
    return schema;
}

void CResButton::ForEachOwnedBy(int frameId, const std::function<void(int, SkinButtonStruct&)>& visit) const {
    for (size_t i = 0; i < Count(); ++i)
        if (At(i)->ownerFrameId == frameId) visit(frameId, *At(i));
}

Rect CResButton::SampleRect(const SkinButtonStruct& item, int parentWidth, int parentHeight) {
    int left = 0, top = 0, width = 0, height = 0;
    Place(item.placement, item.images[0].Source(), Rect{0, 0, parentWidth, parentHeight}, left, top, width, height);
    return Rect{left, top, left + width, top + height};
}
