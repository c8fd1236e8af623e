#include "SwitchArtwork.h"

#include <QColor>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "ArtworkPixels.h"
#include "ControlArtwork.h"

namespace amber {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kPage(255, 250, 240);        // the tab page's ground, which the selected tab opens into
const QColor kTabLine(206, 168, 112);      // the line the tabs stand on
const QColor kAccent(236, 146, 36);

// Check-box and radio boxes: normal, pressed, disabled, hot; the marks drawn on them.
const PanelStyle kMarkFaces[4] = {
    {{176, 118, 50}, {255, 255, 255}, {250, 232, 200}, {}, 2},
    {{150, 78, 10}, {246, 206, 148}, {238, 174, 94}, {}, 2},
    {{222, 204, 178}, {251, 248, 242}, {247, 240, 228}, {}, 2},
    {{232, 140, 30}, {255, 250, 236}, {255, 222, 160}, {}, 2},
};
const QColor kMarkInk[4] = {{150, 74, 4}, {96, 40, 0}, {206, 178, 140}, {196, 96, 0}};

// The five states of a thumb or a tab: the small button faces, and a Default that rings the normal face.
PanelStyle FiveStateFace(int state) {
    if (state < 4) return SmallFace(state);
    PanelStyle face = SmallFace(0);
    face.innerRing = QColor(255, 214, 140);
    return face;
}

// A shape given by its pixels: a one-pixel outline wherever a neighbour lies outside, a vertical gradient
// within, and an inner ring when the style has one.
void Shape(QImage& image, const QRect& r, const std::function<bool(int, int)>& inside, const PanelStyle& s) {
    auto in = [&](int x, int y) { return x >= 0 && y >= 0 && x < r.width() && y < r.height() && inside(x, y); };
    auto edge = [&](int x, int y) { return in(x, y) && (!in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1)); };
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) {
            if (!in(x, y)) continue;
            QColor colour = Mix(s.top, s.bottom, double(y) / std::max(1, r.height() - 1));
            if (edge(x, y)) colour = s.border;
            else if (s.innerRing.isValid() && (edge(x - 1, y) || edge(x + 1, y) || edge(x, y - 1) || edge(x, y + 1)))
                colour = s.innerRing;
            Put(image, r.left() + x, r.top() + y, colour);
        }
}

// Three short grooves across a thumb, dark with a light line under each.
void Grooves(QImage& image, const QRect& r, int firstRow, const PanelStyle& face) {
    const QColor dark = Mix(face.border, face.bottom, 0.35), light = Mix(kWhite, face.top, 0.3);
    for (int i = 0; i < 3; ++i)
        for (int x = r.left() + 3; x <= r.right() - 3; ++x) {
            Put(image, x, r.top() + firstRow + 2 * i, dark);
            Put(image, x, r.top() + firstRow + 2 * i + 1, light);
        }
}

// The upright thumbs: slim and rounded, or pointed up or down (the point is a 45-degree staircase).
void UprightThumb(QImage& image, const QRect& r, ThumbShape shape, int state) {
    const PanelStyle face = FiveStateFace(state);
    if (shape == kThumbHorz) {
        Panel(image, r, face);
        Grooves(image, r, 6, face);
        return;
    }
    const int half = r.width() / 2, last = r.height() - 1;
    Shape(image, r, [&](int x, int y) {
        const int fromPoint = shape == kThumbUp ? y : last - y;
        const int fromBase = last - fromPoint;
        if (fromBase == 0 && (x == 0 || x == r.width() - 1)) return false;  // the base's corners are cut
        return std::abs(x - half) <= fromPoint;
    }, face);
    Grooves(image, r, shape == kThumbUp ? 8 : 5, face);
}

}  // namespace

// ---------------------------------------------------------------------------------------------------------
// Marks: check-box rows unchecked, checked, half-checked, then radio rows unchecked, checked; a column per
// state.

QRect CheckBoxMark(CheckMark mark, int state) { return QRect(state * 14, mark * 14, kMarkSize, kMarkSize); }
QRect RadioMark(bool checked, int state) { return QRect(state * 14, 42 + (checked ? 14 : 0), kMarkSize, kMarkSize); }

// ---------------------------------------------------------------------------------------------------------
// Trackbar

QRect TrackChannel(bool vertical, bool disabled) {
    const int offset = disabled ? kChannelThickness + 1 : 0;
    return vertical ? QRect(86 + offset, 0, kChannelThickness, 24) : QRect(60, offset, 24, kChannelThickness);
}

QRect TrackThumb(ThumbShape shape, int state) {
    switch (shape) {
    case kThumbHorz: return QRect(100 + state * 12, 0, kThumbWidth, kThumbLength);
    case kThumbUp: return QRect(100 + state * 12, 20, kThumbWidth, kThumbLength);
    case kThumbDown: return QRect(100 + state * 12, 40, kThumbWidth, kThumbLength);
    case kThumbVert: return QRect(162, state * 12, kThumbLength, kThumbWidth);
    case kThumbLeft: return QRect(182, state * 12, kThumbLength, kThumbWidth);
    case kThumbRight: break;
    }
    return QRect(202, state * 12, kThumbLength, kThumbWidth);
}

// ---------------------------------------------------------------------------------------------------------
// Spin

QRect SpinButton(SpinSide side, int state) { return QRect(60 + state * 17, 62 + side * 17, kSpinButton, kSpinButton); }
QRect SpinArrow(SpinSide side, int state) {
    const int x = 130 + state * 8, y = 62 + side * 17;
    return side == kSpinLeft || side == kSpinRight ? QRect(x, y, 4, 7) : QRect(x, y, 7, 4);
}

// ---------------------------------------------------------------------------------------------------------
// Tabs: rows of top and bottom tabs, then columns of left and right tabs; the strips at the right.

QRect TabItem(int orientation, int state) {
    switch (orientation) {
    case 0: return QRect(state * (kTabLength + 1), 132, kTabLength, kTabDepth);
    case 1: return QRect(state * (kTabLength + 1), 155, kTabLength, kTabDepth);
    case 2: return QRect(0, 180 + state * (kSideTabHeight + 1), kTabLength, kSideTabHeight);
    default: break;
    }
    return QRect(kTabLength + 4, 180 + state * (kSideTabHeight + 1), kTabLength, kSideTabHeight);
}

QRect TabStrip(int orientation, bool disabled) {
    const int d = disabled ? 1 : 0;
    switch (orientation) {
    case 0: return QRect(170 + d * 17, 180, 16, kTabStripDepth);
    case 1: return QRect(204 + d * 17, 180, 16, kTabStripDepth);
    case 2: return QRect(170, 206 + d * 17, kTabLength + 2, 16);
    default: break;
    }
    return QRect(250, 206 + d * 17, kTabLength + 2, 16);
}

QImage SwitchesPicture() {
    QImage image = KeyedImage(400, 305);

    // Check boxes: a crisp box, a tick of two strokes or a bar for the third state.
    for (int state = 0; state < 4; ++state) {
        for (const CheckMark mark : {kMarkUnchecked, kMarkChecked, kMarkHalf}) {
            const QRect r = CheckBoxMark(mark, state);
            Panel(image, r, kMarkFaces[state]);
            if (mark == kMarkChecked)
                Glyph(image, r.left() + 3, r.top() + 3,
                      {"      #", "     ##", "#   ## ", "## ##  ", " ###   ", "  #    "}, kMarkInk[state]);
            else if (mark == kMarkHalf)
                FillRect(image, QRect(r.left() + 3, r.top() + 5, 7, 3), kMarkInk[state]);
        }
        // Radio boxes: round, with a dot when checked.
        for (const bool checked : {false, true}) {
            const QRect r = RadioMark(checked, state);
            PanelStyle round = kMarkFaces[state];
            round.radius = kMarkSize / 2;
            Panel(image, r, round);
            if (checked)
                Glyph(image, r.left() + 4, r.top() + 4, {" ### ", "#####", "#####", "#####", " ### "}, kMarkInk[state]);
        }
    }

    // Trackbar grooves, sunk into the ground; the vertical ones are mirrored.
    Panel(image, TrackChannel(false, false), {{196, 150, 90}, {222, 200, 164}, {250, 240, 222}, {}, 2});
    Panel(image, TrackChannel(false, true), {{226, 212, 192}, {240, 234, 224}, {250, 247, 242}, {}, 2});
    for (const bool disabled : {false, true}) {
        const QRect v = TrackChannel(true, disabled);
        Copy(image, Transposed(image.copy(TrackChannel(false, disabled))), v.left(), v.top());
    }
    for (int state = 0; state < 5; ++state) {
        for (const ThumbShape shape : {kThumbHorz, kThumbUp, kThumbDown})
            UprightThumb(image, TrackThumb(shape, state), shape, state);
        // Lying thumbs are the upright ones mirrored, so light falls on them from the left.
        const std::pair<ThumbShape, ThumbShape> lying[3] = {{kThumbHorz, kThumbVert}, {kThumbUp, kThumbLeft},
                                                            {kThumbDown, kThumbRight}};
        for (const auto& [upright, turned] : lying) {
            const QRect target = TrackThumb(turned, state);
            Copy(image, Transposed(image.copy(TrackThumb(upright, state))), target.left(), target.top());
        }
    }

    // Spin buttons join in pairs: each rounds only its outer side.
    const int outer[4] = {kLeftSide, kRightSide, kTop, kBottom};
    for (int side = 0; side < 4; ++side)
        for (int state = 0; state < 4; ++state) {
            PanelStyle face = SmallFace(state);
            face.radius = kSpinCorner;
            face.corners = outer[side];
            Panel(image, SpinButton(SpinSide(side), state), face);
            const QRect a = SpinArrow(SpinSide(side), state);
            switch (SpinSide(side)) {
            case kSpinLeft: LeftTriangle(image, a.left(), a.top(), a.height(), SmallInk(state)); break;
            case kSpinRight: RightTriangle(image, a.left(), a.top(), a.height(), SmallInk(state)); break;
            case kSpinUp: UpTriangle(image, a.left(), a.top(), a.width(), SmallInk(state)); break;
            case kSpinDown: DownTriangle(image, a.left(), a.top(), a.width(), SmallInk(state)); break;
            }
        }

    // Tabs. The selected one (Press) is white with an amber stripe along its outer edge and no line at its
    // foot, so it opens into the page; the others close on the strip's line.
    const PanelStyle tabs[5] = {
        {kTabLine, {252, 244, 230}, {240, 222, 190}, kWhite, kTabCorner},
        {{196, 128, 46}, {255, 255, 255}, kPage, {}, kTabCorner},
        {{226, 212, 192}, {249, 245, 238}, {244, 238, 226}, {}, kTabCorner},
        {{214, 146, 66}, {255, 246, 226}, {255, 222, 160}, kWhite, kTabCorner},
        {kTabLine, {252, 244, 230}, {240, 222, 190}, kWhite, kTabCorner, kAll, QColor(255, 224, 168)},
    };
    for (int state = 0; state < 5; ++state) {
        PanelStyle top = tabs[state], side = tabs[state];
        top.corners = kTop;
        side.corners = kLeftSide;
        const QRect r = TabItem(0, state), l = TabItem(2, state);
        Panel(image, r, top);
        Panel(image, l, side);
        if (state != 1) continue;
        for (int x = r.left() + 2; x <= r.right() - 2; ++x) {
            Put(image, x, r.top() + 1, kAccent);
            Put(image, x, r.top() + 2, QColor(250, 190, 90));
        }
        for (int y = l.top() + 2; y <= l.bottom() - 2; ++y) {
            Put(image, l.left() + 1, y, kAccent);
            Put(image, l.left() + 2, y, QColor(250, 190, 90));
        }
        for (int x = r.left() + 1; x < r.right(); ++x) Put(image, x, r.bottom(), kPage);
        for (int y = l.top() + 1; y < l.bottom(); ++y) Put(image, l.right(), y, kPage);
    }
    // The strips: a shaded well behind the tabs, the line they stand on and the edge of the page.
    const QColor well[2][2] = {{{246, 234, 214}, {240, 224, 196}}, {{248, 244, 236}, {246, 240, 230}}};
    const QColor line[2] = {kTabLine, {226, 212, 192}};
    const QColor page[2] = {kPage, {251, 249, 245}};
    for (const bool disabled : {false, true}) {
        const QRect t = TabStrip(0, disabled), l = TabStrip(2, disabled);
        Band(image, t.adjusted(0, 0, 0, -(kTabStripDepth - kTabDepth)), well[disabled][0], well[disabled][1], {},
             line[disabled]);
        FillRect(image, QRect(t.left(), t.top() + kTabDepth, t.width(), kTabStripDepth - kTabDepth), page[disabled]);
        for (int x = 0; x < l.width(); ++x) {
            const QColor c = x < kTabLength - 1 ? Mix(well[disabled][0], well[disabled][1], double(x) / (kTabLength - 2))
                             : x == kTabLength - 1 ? line[disabled] : page[disabled];
            FillRect(image, QRect(l.left() + x, l.top(), 1, l.height()), c);
        }
    }
    // Bottom tabs are the top ones upside down, right tabs the left ones mirrored.
    for (int state = 0; state < 5; ++state) {
        const QRect bottom = TabItem(1, state), right = TabItem(3, state);
        Copy(image, image.copy(TabItem(0, state)).mirrored(false, true), bottom.left(), bottom.top());
        Copy(image, image.copy(TabItem(2, state)).mirrored(true, false), right.left(), right.top());
    }
    for (const bool disabled : {false, true}) {
        const QRect bottom = TabStrip(1, disabled), right = TabStrip(3, disabled);
        Copy(image, image.copy(TabStrip(0, disabled)).mirrored(false, true), bottom.left(), bottom.top());
        Copy(image, image.copy(TabStrip(2, disabled)).mirrored(true, false), right.left(), right.top());
    }
    return image;
}

}  // namespace amber
