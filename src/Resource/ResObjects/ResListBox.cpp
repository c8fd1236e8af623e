#include "Resource/ResObjects/ResListBox.h"

CResListBox::CResListBox(CSkinDocument& doc) : CResTyped(doc, kKinds[kListBoxs], Table()) {}

// The table is in file (save) order. Loading reads "ItemImgH" and "ItemImgW" before "Transparent" and "Type";
// reads are independent lookups, so one order serves both.
const RecordSchema<SkinListBox>& CResListBox::Table() {
    static const RecordSchema<SkinListBox> schema = [] {
        using R = SkinListBox;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 200, 250);
        s.Int("ItemHeight", &R::itemHeight, 20);
        s.Image("Background", &R::background);
        s.Image("BkSelected", &R::selectedBackground);
        s.Int("Transparent", &R::transparent, 0);
        s.Int("Type", &R::type, 0);
        s.Int("ItemImgH", &R::itemImageHeight, 70);
        s.Int("ItemImgW", &R::itemImageWidth, 90);
        s.Colour("clrSelection", &R::selection, ColorDefault::Sys(COLOR_HIGHLIGHT));
        s.TextStyle("tsTextNormal", &R::textNormal,
                    [](SkinTextStyle& t, const SystemEnvironment& env) { t.textColor = env.SysColor(COLOR_BTNTEXT); });
        s.TextStyle("tsTextSelected", &R::textSelected, [](SkinTextStyle& t, const SystemEnvironment& env) {
            t.textColor = env.SysColor(COLOR_HIGHLIGHTTEXT);
        });
        s.Font("fontItemText", &R::font);
        return s;
    }();
    return schema;
}
