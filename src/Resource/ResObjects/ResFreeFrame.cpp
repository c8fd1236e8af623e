#include "Resource/ResObjects/ResFreeFrame.h"

CResFreeFrame::CResFreeFrame(CSkinDocument& doc) : CResTyped(doc, kKinds[kFreeFrames], Table()) {}

const RecordSchema<SkinFreeFrame>& CResFreeFrame::Table() {
    static const RecordSchema<SkinFreeFrame> schema = [] {
        using R = SkinFreeFrame;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 200, 200);
        s.Image("ActiveBK", &R::activeBk);
        s.Image("InactiveBK", &R::inactiveBk);
        s.Colour("clrTrans", &R::transparentKey, Color(255, 0, 255));
        s.Int("Transparency", &R::transparency, 255);
        return s;
    }();
    return schema;
}
