#include "Resource/ResObjects/ResIPAddress.h"

namespace {
template <class R>
RecordSchema<R> EditLike() {
    RecordSchema<R> s;
    s.Head(Member<R>(&SkinIPAddress::previewWidth), Member<R>(&SkinIPAddress::previewHeight), 500, 100);
    for (int i = 0; i < 3; ++i)
        s.Image(vd::Format("EdgeImage%d", i), [i](R& r) -> SkinImageBase& { return r.edges[i]; });
    return s;
}
}  // namespace

CResIPAddress::CResIPAddress(CSkinDocument& doc) : CResTyped(doc, kKinds[kIPAddresses], Table()) {}
const RecordSchema<SkinIPAddress>& CResIPAddress::Table() {
    static const RecordSchema<SkinIPAddress> schema = EditLike<SkinIPAddress>();
    return schema;
}

CResHotKey::CResHotKey(CSkinDocument& doc) : CResTyped(doc, kKinds[kHotKeys], Table()) {}
const RecordSchema<SkinHotKey>& CResHotKey::Table() {
    static const RecordSchema<SkinHotKey> schema = EditLike<SkinHotKey>();
    return schema;
}

CResEdit::CResEdit(CSkinDocument& doc) : CResTyped(doc, kKinds[kEdits], Table()) {}
const RecordSchema<SkinEdit>& CResEdit::Table() {
    static const RecordSchema<SkinEdit> schema = EditLike<SkinEdit>();
    return schema;
}
