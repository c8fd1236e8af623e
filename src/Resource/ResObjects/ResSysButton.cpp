#include "Resource/ResObjects/ResSysButton.h"

CResSysButton::CResSysButton(CSkinDocument& doc) : CResTyped(doc, kKinds[kSysButtons], Table()) {}

namespace {
// How the descriptions name the caption-button states, in the order of the state keys.
constexpr const char* kSysStateWords[] = {
    "while the window is active",          "while the window is active and the button pressed",
    "while the window is active and the button disabled", "while the window is active and the mouse is over it",
    "while the window is inactive",        "while the window is inactive and the button disabled",
    "while the window is inactive and the mouse is over it"};
}  // namespace

const RecordSchema<SkinSysButton>& CResSysButton::Table() {
    static const RecordSchema<SkinSysButton> schema = [] {
        using R = SkinSysButton;
        RecordSchema<R> s;
        s.Id();
        s.ResId();
        s.Int("OwnerResID", &R::ownerResId, 0).Describe("The resource ID of the window whose caption holds this button.");
        s.Int("Visible", &R::visible, 1).Describe("Whether the caption button is shown.");
        s.CaptionKey();
        s.PreviewWidth(&R::previewWidth, 200, 200);
        s.PreviewHeight(&R::previewHeight, 50, 100);
        s.Text("Tooltip", &R::tooltip, kText256).Describe("The tip shown when the mouse rests on the caption button.");
        s.Int("Type", &R::type, 0).Describe("What the caption button does: close, maximise, restore, minimise, help, roll up or a custom command.");
        s.Int("DrawText", &R::drawText, 1).Describe("Whether the caption button's text is drawn over its picture.");
        s.Int(kOwnerFrameIdKey, &R::ownerFrameId, 0).Describe("The frame or tool window whose caption bar holds this button.");
        s.Font("", &R::font).Describe("The font of the caption button's text.");
        for (size_t i = 0; i < 7; ++i) s.Image(kSysButtonStateKeys[i], Elem(&R::images, i));
        s.DescribeLast(7, [](size_t i) { return std::string("The button's background picture ") + kSysStateWords[i] + "."; });
        for (size_t i = 0; i < 7; ++i) s.Image(kSysButtonGlyphKeys[i], Elem(&R::glyphs, i));
        s.DescribeLast(7, [](size_t i) { return std::string("The symbol drawn on the button ") + kSysStateWords[i] + "."; });
        for (size_t i = 0; i < 7; ++i) s.TextStyle(kSysButtonStateKeys[i], Elem(&R::styles, i));
        s.DescribeLast(7, [](size_t i) { return std::string("How the button's text is drawn ") + kSysStateWords[i] + "."; });
        s.Placement("", &R::placement).Describe("Where the button sits in the caption bar and how it follows the window's size.");
        return s;
    }();
    return schema;
}
