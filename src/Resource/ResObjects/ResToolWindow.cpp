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
        s.Int("VornadeskPreviewWidth", &R::previewWidth, 300);
        s.Int("VornadeskPreviewHeight", &R::previewHeight, 200);
        AddBorderImages(s);
        AddBorderWidths(s);
        s.Colour("Background", &R::background, ColorDefault::Sys(COLOR_BTNFACE));
        s.Image("BkImage", &R::backgroundImage);
        s.CaptionKey();
        s.Font("CapFont", &R::captionFont);
        s.TextStyle("TextStyle", &R::captionActive);
        s.TextStyle("InTextStyle", &R::captionInactive);
        return s;
    }();
    return schema;
}
