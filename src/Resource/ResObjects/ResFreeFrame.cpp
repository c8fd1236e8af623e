#include "Resource/ResObjects/ResFreeFrame.h"

CResFreeFrame::CResFreeFrame(CSkinDocument& doc) : CResTyped(doc, kKinds[kFreeFrames], Table()) {}

const RecordSchema<SkinFreeFrame>& CResFreeFrame::Table() {
    static const RecordSchema<SkinFreeFrame> schema = [] {
        using R = SkinFreeFrame;
        RecordSchema<R> s;
        s.Id();
        s.ResId();
        s.CaptionKey();
        s.Int("VornadeskPreviewWidth", &R::previewWidth, 200);
        s.Int("VornadeskPreviewHeight", &R::previewHeight, 200);
        s.Image("ActiveBK", &R::activeBk);
        s.Image("InactiveBK", &R::inactiveBk);
        s.Colour("clrTrans", &R::transparentKey, Color(255, 0, 255));
        s.Int("Transparency", &R::transparency, 255);
        return s;
    }();
    return schema;
}
