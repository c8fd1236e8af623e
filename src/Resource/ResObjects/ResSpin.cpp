#include "Resource/ResObjects/ResSpin.h"

CResSpin::CResSpin(CSkinDocument& doc) : CResTyped(doc, kKinds[kSpins], Table()) {}

const RecordSchema<SkinSpin>& CResSpin::Table() {
    static const RecordSchema<SkinSpin> schema = [] {
        using R = SkinSpin;
        RecordSchema<R> s;
        // A new spin is 400 x 200 while the keys default to 500 x 300, so new spins save both.
        s.Head(&R::previewWidth, &R::previewHeight, 400, 200, 500, 300);
        s.StateImageSet<4>("LeftImg", &R::leftBtn);
        s.StateImageSet<4>("LeftArrow", &R::leftArrow);
        s.StateImageSet<4>("RightImg", &R::rightBtn);
        s.StateImageSet<4>("RightArrow", &R::rightArrow);
        s.StateImageSet<4>("UpImg", &R::upBtn);
        s.StateImageSet<4>("UpArrow", &R::upArrow);
        s.StateImageSet<4>("DownImg", &R::downBtn);
        s.StateImageSet<4>("DownArrow", &R::downArrow);
        return s;
    }();
    return schema;
}
