#include "Resource/ResObjects/ResComboBox.h"

namespace {
// Both kinds: edges, then per state the button face and its arrow.
template <class R>
RecordSchema<R> ComboLike(const char* buttonPattern, const char* arrowPattern, IntDefault widthKey,
                          IntDefault heightKey) {
    RecordSchema<R> s;
    s.Head(Member<R>(&SkinComboBox::previewWidth), Member<R>(&SkinComboBox::previewHeight), 500, 100, widthKey, heightKey);
    for (int i = 0; i < 2; ++i)
        s.Image(vd::Format("EdgeImage%d", i), [i](R& r) -> SkinImageBase& { return r.edges[i]; });
    for (int i = 0; i < 4; ++i) {
        s.Image(vd::Format(buttonPattern, i), [i](R& r) -> SkinImageBase& { return r.buttons[i]; });
        s.Image(vd::Format(arrowPattern, i), [i](R& r) -> SkinImageBase& { return r.arrows[i]; });
    }
    return s;
}
}  // namespace

CResComboBox::CResComboBox(CSkinDocument& doc) : CResTyped(doc, kKinds[kComboBoxs], Table()) {}

const RecordSchema<SkinComboBox>& CResComboBox::Table() {
    static const RecordSchema<SkinComboBox> schema =
        ComboLike<SkinComboBox>("ComboBtnImage%d", "ComboArrowImage%d", 500, 100);
    return schema;
}

CResDatetime::CResDatetime(CSkinDocument& doc) : CResTyped(doc, kKinds[kDatetimes], Table()) {}

// A new date-time picker is 500 x 100, but the keys default to 300 x 250, so new pickers save both.
const RecordSchema<SkinDatetime>& CResDatetime::Table() {
    static const RecordSchema<SkinDatetime> schema = ComboLike<SkinDatetime>("BtnImage%d", "ArrowImage%d", 300, 250);
    return schema;
}
