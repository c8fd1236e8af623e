#include "Resource/ResObjects/ResSysButton.h"

CResSysButton::CResSysButton(CSkinDocument& doc) : CResTyped(doc, kKinds[kSysButtons], Table()) {}

const RecordSchema<SkinSysButton>& CResSysButton::Table() {
    static const RecordSchema<SkinSysButton> schema = [] {
        using R = SkinSysButton;
        RecordSchema<R> s;
        s.Id();
        s.ResId();
        s.Int("OwnerResID", &R::ownerResId, 0);
        s.Int("Visible", &R::visible, 1);
        s.CaptionKey();
        s.Int("VornadeskPreviewWidth", &R::previewWidth, 200);
        s.Int("VornadeskPreviewHeight", &R::previewHeight, 50, 100);
        s.Text("Tooltip", &R::tooltip, kText256);
        s.Int("Type", &R::type, 0);
        s.Int("DrawText", &R::drawText, 1);
        s.Int("OwnerFrameID", &R::ownerFrameId, 0);
        s.Font("", &R::font);
        for (size_t i = 0; i < 7; ++i) s.Image(kSysButtonStateKeys[i], Elem(&R::images, i));
        for (size_t i = 0; i < 7; ++i) s.Image(kSysButtonGlyphKeys[i], Elem(&R::glyphs, i));
        for (size_t i = 0; i < 7; ++i) s.TextStyle(kSysButtonStateKeys[i], Elem(&R::styles, i));
        s.Placement("", &R::placement);
        return s;
    }();
    return schema;
}
