#include "Resource/ResObjects/ResClient.h"

CResClient::CResClient(CSkinDocument& doc) : CResTyped(doc, kKinds[kClients], Table()) {}

const RecordSchema<SkinClient>& CResClient::Table() {
    static const RecordSchema<SkinClient> schema = [] {
        using R = SkinClient;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 400, 300);
        s.Image("BkImg", &R::background);
        s.Colour("clrBK", &R::backgroundColor, ColorDefault::Sys(COLOR_APPWORKSPACE));
        return s;
    }();
    return schema;
}
