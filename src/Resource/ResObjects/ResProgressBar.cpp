#include "Resource/ResObjects/ResProgressBar.h"

CResProgressBar::CResProgressBar(CSkinDocument& doc) : CResTyped(doc, kKinds[kProgressBars], Table()) {}

const RecordSchema<SkinProgressBar>& CResProgressBar::Table() {
    static const RecordSchema<SkinProgressBar> schema = [] {
        using R = SkinProgressBar;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 500, 300);
        s.Image("ImgBk", &R::background);
        s.Image("ImgFg", &R::foreground);
        s.Image("ImgFgS", &R::foregroundSmooth);
        s.Colour("cBS", &R::bkStart, ColorDefault::Sys(COLOR_WINDOW));
        s.Colour("cBE", &R::bkEnd, ColorDefault::Sys(COLOR_WINDOW));
        s.Int("BDT", &R::bkDrawType, 0);
        s.Int("BRS", &R::bkStep, 5);
        s.Colour("cS", &R::fgStart, ColorDefault::Sys(COLOR_HIGHLIGHT));
        s.Colour("cE", &R::fgEnd, ColorDefault::Sys(COLOR_HIGHLIGHT));
        s.Int("FDT", &R::fgDrawType, 0);
        s.Int("FRS", &R::fgStep, 5);
        s.Colour("c3DH", &R::highlight3d, ColorDefault::Sys(COLOR_BTNHIGHLIGHT));
        s.Colour("c3DS", &R::shadow3d, ColorDefault::Sys(COLOR_BTNSHADOW));
        s.Text("Txt", &R::textFormat, kText256, "%.0f%%");
        s.Int("STxt", &R::showText, 0);
        s.Colour("cN", &R::textNormal, ColorDefault::Sys(COLOR_HIGHLIGHT));
        s.Colour("cH", &R::textOver, ColorDefault::Sys(COLOR_HIGHLIGHTTEXT));
        s.TextStyle("BTxtSt", &R::barTextStyle);
        s.Font("", &R::font);
        s.Int("Eft", &R::effect, 0);
        s.Int("DT", &R::drawType, 0);
        s.Int("R", &R::r, 0);
        return s;
    }();
    return schema;
}
