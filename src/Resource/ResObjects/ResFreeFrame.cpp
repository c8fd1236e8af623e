#include "Resource/ResObjects/ResFreeFrame.h"

CResFreeFrame::CResFreeFrame(CSkinDocument& doc) : CResTyped(doc, kKinds[kFreeFrames], Table()) {}

const RecordSchema<SkinFreeFrame>& CResFreeFrame::Table() {
    static const RecordSchema<SkinFreeFrame> schema = [] {
        using R = SkinFreeFrame;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 200, 200);
        s.Image("ActiveBK", &R::activeBk).Describe("The picture that gives the window its shape and look while it is active.");
        s.Image("InactiveBK", &R::inactiveBk).Describe("The picture that gives the window its shape and look while it is inactive.");
        s.Colour("clrTrans", &R::transparentKey, Color(255, 0, 255))
            .Describe("The colour of the picture that is cut away, so the window takes the picture's shape.");
        s.Int("Transparency", &R::transparency, 255).Describe("How opaque the whole window is, from 0 (invisible) to 255 (opaque).");
        return s;
    }();
    return schema;
}
