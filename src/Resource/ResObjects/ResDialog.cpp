#include "Resource/ResObjects/ResDialog.h"

CResDialog::CResDialog(CSkinDocument& doc) : CResTyped(doc, kKinds[kDialogs], Table()) {}

const RecordSchema<SkinDialog>& CResDialog::Table() {
    static const RecordSchema<SkinDialog> schema = [] {
        using R = SkinDialog;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 300, 250);
        s.Image("BkImg", &R::background);
        s.Colour("clrStart", &R::start, ColorDefault::Sys(COLOR_BTNFACE));
        s.Colour("clrEnd", &R::end, ColorDefault::Sys(COLOR_BTNFACE));
        s.Int("DrawType", &R::drawType, 0);
        s.Int("RecurStep", &R::step, 5);
        s.Font("", &R::font);
        return s;
    }();
    return schema;
}
