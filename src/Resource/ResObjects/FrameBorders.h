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
    static constexpr const char* kEdges[] = {"left border", "right border", "top border (the caption bar)", "bottom border"};
    s.DescribeLast(8, [](size_t i) {
        return std::string("The picture of the ") + kEdges[i / 2] + (i % 2 ? " while the window is inactive."
                                                                          : " while the window is active.");
    });
}

// R has leftMargin, rightMargin, topMargin (the caption height) and bottomMargin.
template <class R>
void AddBorderWidths(RecordSchema<R>& s) {
    s.Int("LeftMargins", &R::leftMargin, 5);
    s.Int("RightMargins", &R::rightMargin, 5);
    s.Int("TopMargins", &R::topMargin, 20);
    s.Int("BottomMargins", &R::bottomMargin, 5);
    static constexpr const char* kWidths[] = {"The width of the left border, in pixels.",
                                              "The width of the right border, in pixels.",
                                              "The height of the top border, the caption bar, in pixels.",
                                              "The height of the bottom border, in pixels."};
    s.DescribeLast(4, [](size_t i) { return std::string(kWidths[i]); });
}
