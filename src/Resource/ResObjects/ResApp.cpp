#include "Resource/ResObjects/ResApp.h"

CResApp::CResApp(CSkinDocument& doc) : CResTyped(doc, kKinds[kApplication], Table()) {}

const RecordSchema<SkinApp>& CResApp::Table() {
    static const RecordSchema<SkinApp> schema = [] {
        using R = SkinApp;
        RecordSchema<R> s;
        s.Id();
        // The stored caption is always "Application", whatever the object is called in the designer.
        s.Custom(
            "Caption", {},
            [](R& r, const ConfigReader& in, const std::string& p) {
                r.Caption = vd::CutToCapacity(in.GetString(p + "Caption", ""), kText255);
            },
            [](const R&, ConfigWriter& out, const std::string& p) { out.SetString(p + "Caption", "Application", ""); });
        s.Text("SkinName", &R::skinName, kText255);
        s.Text("Author", &R::author, kText255);
        s.Text("DesignUrl", &R::designUrl, kText255);
        s.Text("Description", &R::description, kText255);
        for (size_t i = 0; i < kAppColorKeys.size(); ++i)
            s.Colour(kAppColorKeys[i].key, Elem(&R::colors, i), ColorDefault::Sys(kAppColorKeys[i].sysIndex));
        s.MemoryInt("VornadeskPreviewWidth", &R::previewWidth, 300);
        s.MemoryInt("VornadeskPreviewHeight", &R::previewHeight, 300);
        return s;
    }();
    return schema;
}
