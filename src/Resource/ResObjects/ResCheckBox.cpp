#include "Resource/ResObjects/ResCheckBox.h"

namespace {
template <class R>
void Tail(RecordSchema<R>& s) {
    s.Font("", &R::font);
    s.Int("ShowText", &R::showText, 1);
    s.Int("AutoSize", &R::autoSize, 1);
    s.Int("ShowFocus", &R::showFocus, 0);
}
}  // namespace

CResCheckBox::CResCheckBox(CSkinDocument& doc) : CResTyped(doc, kKinds[kCheckBoxs], Table()) {}

const RecordSchema<SkinCheckBox>& CResCheckBox::Table() {
    static const RecordSchema<SkinCheckBox> schema = [] {
        using R = SkinCheckBox;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 500, 400);
        s.StateImages<4>("UnCheckImg", &R::unchecked);
        s.StateImages<4>("CheckImg", &R::checked);
        s.StateImages<4>("HalfCheckImg", &R::halfChecked);
        Tail(s);
        return s;
    }();
    return schema;
}

CResRadioBox::CResRadioBox(CSkinDocument& doc) : CResTyped(doc, kKinds[kRadioBoxs], Table()) {}

const RecordSchema<SkinRadioBox>& CResRadioBox::Table() {
    static const RecordSchema<SkinRadioBox> schema = [] {
        using R = SkinRadioBox;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 500, 200);
        s.StateImages<4>("UnCheckImg", &R::unchecked);
        s.StateImages<4>("CheckImg", &R::checked);
        Tail(s);
        return s;
    }();
    return schema;
}
