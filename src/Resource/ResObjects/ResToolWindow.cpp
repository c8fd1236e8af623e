#include "Resource/ResObjects/ResToolWindow.h"

#include "Resource/ResObjects/FrameBorders.h"

CResToolWindow::CResToolWindow(CSkinDocument& doc) : CResTyped(doc, kKinds[kToolWindows], Table()) {}

const RecordSchema<SkinToolWindow>& CResToolWindow::Table() {
    static const RecordSchema<SkinToolWindow> schema = [] {
        using R = SkinToolWindow;
        RecordSchema<R> s;
        s.Id();
        s.ResId();
        // Saving writes "Caption" here and again after "BkImage"; loading reads it only there. The second
        // write finds the key already placed, so the file keeps it at this position.
        s.CaptionKey(FieldPhase::SaveOnly);
        s.PreviewWidth(&R::previewWidth, 300, 300);
        s.PreviewHeight(&R::previewHeight, 200, 200);
        AddBorderImages(s);
        AddBorderWidths(s);
        s.Colour("Background", &R::background, ColorDefault::Sys(COLOR_BTNFACE))
            .Describe("The colour that fills the tool window's client area when it has no background picture.");
        s.Image("BkImage", &R::backgroundImage).Describe("The picture that fills the tool window's client area.");
        s.CaptionKey();
        s.Font("CapFont", &R::captionFont).Describe("The font of the tool window's caption text.");
        s.TextStyle("TextStyle", &R::captionActive).Describe("How the caption text is drawn while the tool window is active.");
        s.TextStyle("InTextStyle", &R::captionInactive).Describe("How the caption text is drawn while the tool window is inactive.");
        return s;
    }();
    return schema;
}
