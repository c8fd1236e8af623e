#include "Resource/ResObjects/ResControlBar.h"

namespace {
template <class R>
RecordSchema<R> ControlBarFields() {
    using B = SkinControlBar;
    RecordSchema<R> s;
    s.Head(Member<R>(&B::previewWidth), Member<R>(&B::previewHeight), 300, 50);
    s.Image("BkImg", Member<R>(&B::background));
    s.Colour("clrBkStart", Member<R>(&B::start), ColorDefault::Sys(COLOR_BTNFACE));
    s.Colour("clrBkEnd", Member<R>(&B::end), ColorDefault::Sys(COLOR_BTNFACE));
    s.Int("DrawType", Member<R>(&B::drawType), 0);
    s.Int("RecurStep", Member<R>(&B::step), 5);
    s.Colour("clrHighlight", Member<R>(&B::highlight), ColorDefault::Sys(COLOR_BTNHIGHLIGHT));
    s.Colour("clrShadow", Member<R>(&B::shadow), ColorDefault::Sys(COLOR_BTNSHADOW));
    return s;
}
}  // namespace

CResControlBar::CResControlBar(CSkinDocument& doc) : CResTyped(doc, kKinds[kControlBars], Table()) {}

const RecordSchema<SkinControlBar>& CResControlBar::Table() {
    static const RecordSchema<SkinControlBar> schema = ControlBarFields<SkinControlBar>();
    return schema;
}

CResReBar::CResReBar(CSkinDocument& doc) : CResTyped(doc, kKinds[kReBars], Table()) {}

const RecordSchema<SkinReBar>& CResReBar::Table() {
    static const RecordSchema<SkinReBar> schema = [] {
        RecordSchema<SkinReBar> s = ControlBarFields<SkinReBar>();
        s.Image("Gripper", &SkinReBar::gripper);
        return s;
    }();
    return schema;
}
