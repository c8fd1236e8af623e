#include "Resource/ResObjects/ResScrollBar.h"

CResScrollBar::CResScrollBar(CSkinDocument& doc) : CResTyped(doc, kKinds[kScrollBars], Table()) {}

const RecordSchema<SkinScrollBar>& CResScrollBar::Table() {
    static const RecordSchema<SkinScrollBar> schema = [] {
        using R = SkinScrollBar;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 500, 300);
        const std::pair<const char*, R::States R::*> sets[] = {
            {"hBk%d", &R::hBk},         {"vBk%d", &R::vBk},           {"hBr%d", &R::hBar},
            {"vBr%d", &R::vBar},        {"hTh%d", &R::hThumb},        {"vTh%d", &R::vThumb},
            {"lBtn%d", &R::leftBtn},    {"lBtnArr%d", &R::leftArrow}, {"rBtn%d", &R::rightBtn},
            {"rBtnArr%d", &R::rightArrow}, {"uBtn%d", &R::upBtn},     {"uBtnArr%d", &R::upArrow},
            {"dBtn%d", &R::downBtn},    {"dBtnArr%d", &R::downArrow},
        };
        // All fourteen images of a state come before any image of the next state.
        for (int state = 0; state < 4; ++state)
            for (const auto& [pattern, member] : sets) s.Image(vd::Format(pattern, state), Elem(member, state));
        s.Image("DN", Elem(&R::deadCorner, 0));
        s.Image("DDis", Elem(&R::deadCorner, 1));
        s.Image("BI", &R::border);
        s.Int("HH", &R::hHeight, IntDefault::Metric(SM_CXHSCROLL));
        s.Int("VW", &R::vWidth, IntDefault::Metric(SM_CYVSCROLL));
        s.Int("HorzBtnWidth", &R::hBtnWidth, IntDefault::Metric(SM_CXHSCROLL));
        s.Int("VertBtnHeight", &R::vBtnHeight, IntDefault::Metric(SM_CYVSCROLL));
        return s;
    }();
    return schema;
}
