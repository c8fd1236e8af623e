#include "Resource/ResObjects/ResTrackBar.h"

CResTrackBar::CResTrackBar(CSkinDocument& doc) : CResTyped(doc, kKinds[kTrackbars], Table()) {}

const RecordSchema<SkinTrackbar>& CResTrackBar::Table() {
    static const RecordSchema<SkinTrackbar> schema = [] {
        using R = SkinTrackbar;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 500, 500);
        s.Image("HorzNormal", Elem(&R::horzChannel, 0));
        s.Image("HorzDisabled", Elem(&R::horzChannel, 1));
        s.Image("VertNormal", Elem(&R::vertChannel, 0));
        s.Image("VertDisabled", Elem(&R::vertChannel, 1));
        s.StateImageSet<5>("ThumbHorzImg", &R::thumbHorz);
        s.StateImageSet<5>("ThumbVertImg", &R::thumbVert);
        s.StateImageSet<5>("ThumbUpImg", &R::thumbUp);
        s.StateImageSet<5>("ThumbDownImg", &R::thumbDown);
        s.StateImageSet<5>("ThumbLeftImg", &R::thumbLeft);
        s.StateImageSet<5>("ThumbRightImg", &R::thumbRight);
        s.Int("Custom", &R::custom, 0);
        s.Int("HTrackHeight", &R::hTrackHeight, -1);
        s.Int("HThumbHeight", &R::hThumbHeight, -1);
        s.Int("HThumbLength", &R::hThumbLength, -1);
        s.Int("VTrackWidth", &R::vTrackWidth, -1);
        s.Int("VThumbWidth", &R::vThumbWidth, -1);
        s.Int("VThumbLength", &R::vThumbLength, -1);
        s.Int("ShowFocus", &R::showFocus, 0);
        return s;
    }();
    return schema;
}
