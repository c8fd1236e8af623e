#include "Resource/ResObjects/ResGroupBox.h"

CResGroupBox::CResGroupBox(CSkinDocument& doc) : CResTyped(doc, kKinds[kGroupBoxs], Table()) {}

const RecordSchema<SkinGroupBox>& CResGroupBox::Table() {
    static const RecordSchema<SkinGroupBox> schema = [] {
        using R = SkinGroupBox;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 500, 150);
        for (int i = 0; i < 2; ++i) {
            s.Image(vd::Format("group%d", i), Elem(&R::group, i));
            s.Image(vd::Format("box%d", i), Elem(&R::box, i));
            s.TextStyle(vd::Format("textStyle%d", i), Elem(&R::textStyles, i));
        }
        s.Font("", &R::font);
        return s;
    }();
    return schema;
}
