#pragma once
// The border images and widths that frames and tool windows share, with their keys in file order.

#include "Resource/RecordSchema.h"

// R has activeLeft, inactiveLeft, activeRight, inactiveRight, activeTop, inactiveTop, activeBottom and
// inactiveBottom images.
template <class R>
void AddBorderImages(RecordSchema<R>& s) {
    s.Image("ActiveLeft", &R::activeLeft);
    s.Image("InactiveLeft", &R::inactiveLeft);
    s.Image("ActiveRight", &R::activeRight);
    s.Image("InactiveRight", &R::inactiveRight);
    s.Image("ActiveTop", &R::activeTop);
    s.Image("InactiveTop", &R::inactiveTop);
    s.Image("ActiveBottom", &R::activeBottom);
    s.Image("InactiveBottom", &R::inactiveBottom);
}

// R has leftMargin, rightMargin, topMargin (the caption height) and bottomMargin.
template <class R>
void AddBorderWidths(RecordSchema<R>& s) {
    s.Int("LeftMargins", &R::leftMargin, 5);
    s.Int("RightMargins", &R::rightMargin, 5);
    s.Int("TopMargins", &R::topMargin, 20);
    s.Int("BottomMargins", &R::bottomMargin, 5);
}
