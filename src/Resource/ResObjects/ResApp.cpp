#include "Resource/ResObjects/ResApp.h"

#include <iterator>

CResApp::CResApp(CSkinDocument& doc) : CResTyped(doc, kKinds[kApplication], Table()) {}

namespace {
// What each replaced system colour paints, in the order of kAppColorKeys.
constexpr const char* kAppColorRoles[] = {
    "the scroll bar's track", "the desktop", "the caption bar of the active window",
    "the caption bar of an inactive window", "menu backgrounds", "window backgrounds", "window frames",
    "menu text", "text in windows", "caption text and the size box", "the border of the active window",
    "the background of multiple-document windows", "selected items", "the text of selected items",
    "the face of buttons and dialogs", "the shadow edge of buttons", "disabled text", "text on buttons",
    "the caption text of inactive windows", "the lit edge of buttons", "the dark shadow of 3-D elements",
    "the light edge of 3-D elements", "tooltip text", "tooltip backgrounds", "hot-tracked items and links",
    "the gradient end of the active caption bar", "the gradient end of inactive caption bars"};
static_assert(std::size(kAppColorRoles) == kAppColorKeys.size());
}  // namespace

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
            [](const R&, ConfigWriter& out, const std::string& p) { out.SetString(p + "Caption", "Application", ""); })
            .Describe("The object's name in the designer; the skin always stores it as \"Application\".");
        s.Text("SkinName", &R::skinName, kText255).Describe("The skin's name, as skinned programs and skin lists show it.");
        s.Text("Author", &R::author, kText255).Describe("The name of the skin's author.");
        s.Text("DesignUrl", &R::designUrl, kText255).Describe("A web address where the skin or its author can be found.");
        s.Text("Description", &R::description, kText255).Describe("A short description of the skin.");
        for (size_t i = 0; i < kAppColorKeys.size(); ++i)
            s.Colour(kAppColorKeys[i].key, Elem(&R::colors, i), ColorDefault::Sys(kAppColorKeys[i].sysIndex))
                .Describe(std::string("The colour skinned programs use for ") + kAppColorRoles[i] + ".");
        s.PreviewWidth(&R::previewWidth, 300, 300, FieldPhase::MemoryOnly);
        s.PreviewHeight(&R::previewHeight, 300, 300, FieldPhase::MemoryOnly);
        return s;
    }();
    return schema;
}
