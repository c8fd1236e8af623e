#include "Resource/ResObjects/ResButton.h"

CResButton::CResButton(CSkinDocument& doc) : CResTyped(doc, kKinds[kButtons], Table()) {}

namespace {
// How the descriptions name the button states, in the order of the state keys.
constexpr const char* kButtonStateWords[] = {"in its normal state", "while it is pressed", "while it is disabled",
                                             "while the mouse is over it", "while it is the default button"};
}  // namespace

const RecordSchema<SkinButtonStruct>& CResButton::Table() {
    static const RecordSchema<SkinButtonStruct> schema = [] {
        using R = SkinButtonStruct;
        RecordSchema<R> s;
        s.Id();
        s.CaptionKey();
        s.Text("Tt", &R::tooltip, kText255).Describe("The tip shown when the mouse rests on the button.");
        s.ResId();
        s.Int("Tp", &R::kind, 0).Describe("The kind of button, kept for the skinning engine.");
        s.Int("Skin", &R::skinnable, 1).Describe("Whether the skinning engine draws the button with this skin.");
        s.Int("DT", &R::drawText, 1).Describe("Whether the button's text is drawn over its picture.");
        s.Int(kOwnerFrameIdKey, &R::ownerFrameId, 0).Describe("The frame this button belongs to (0: none).");
        s.Text("CC", &R::customCursor, kText255).Describe("The name of a cursor file shown over the button.");
        s.Int("Curs", &R::cursor, 32512)
            .Describe("The identifier of the system cursor shown over the button (32512 is the arrow).");
        s.Font("", &R::font).Describe("The font of the button's text.");
        for (size_t i = 0; i < 5; ++i) s.Image(kButtonStateKeys[i], Elem(&R::images, i));
        s.DescribeLast(5, [](size_t i) { return std::string("The button's picture ") + kButtonStateWords[i] + "."; });
        for (size_t i = 0; i < 5; ++i) s.TextStyle(kButtonStateKeys[i], Elem(&R::styles, i));
        s.DescribeLast(5, [](size_t i) { return std::string("How the button's text is drawn ") + kButtonStateWords[i] + "."; });
        s.Placement("", &R::placement).Describe("Where the button sits in its owner window and how it follows its size.");
        s.PreviewWidth(&R::previewWidth, 200, 200);
        // A new button is 50 high, but a stored button without the key is 100.
        s.PreviewHeight(&R::previewHeight, 50, 100);
        return s;
    }();
    return schema;
}

void CResButton::ForEachOwnedBy(int frameId, const std::function<void(int, SkinButtonStruct&)>& visit) const {
    for (size_t i = 0; i < Count(); ++i)
        if (At(i)->ownerFrameId == frameId) visit(frameId, *At(i));
}

Rect CResButton::SampleRect(const SkinButtonStruct& item, int parentWidth, int parentHeight) {
    int left = 0, top = 0, width = 0, height = 0;
    Place(item.placement, item.images[0].Source(), Rect{0, 0, parentWidth, parentHeight}, left, top, width, height);
    return Rect{left, top, left + width, top + height};
}
