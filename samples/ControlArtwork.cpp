#include "ControlArtwork.h"

#include <QColor>

#include <algorithm>

#include "ArtworkPixels.h"

namespace amber {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kGlyphInk(96, 52, 8);
const QColor kGlyphGrey(206, 178, 140);

// The faces every small button of the sample shares, by the four-state index order.
const PanelStyle kAmberFaces[4] = {
    {{196, 140, 70}, {255, 246, 226}, {250, 220, 172}, kWhite, 3},     // normal: cream, lit from above
    {{150, 78, 10}, {226, 134, 34}, {244, 168, 64}, {}, 3},            // pressed: deep amber
    {{222, 204, 178}, {251, 246, 238}, {247, 238, 224}, {}, 3},        // disabled: faded
    {{190, 108, 24}, {255, 238, 196}, {253, 200, 112}, kWhite, 3},     // hot: warm glow
};
const QColor kFaceInk[4] = {kGlyphInk, kWhite, kGlyphGrey, QColor(120, 56, 0)};

// A face cut square on one side so that two parts join into one button: the square side's column is the
// last one inside the outline, so only the neighbouring part draws the dividing line.
void OpenSidedPanel(QImage& image, const QRect& r, PanelStyle style, bool openRight) {
    style.corners = openRight ? kLeftSide : kRightSide;
    Panel(image, r, style);
    if (!openRight) return;  // the right part keeps its outline: it is the divider
    for (int y = r.top() + 1; y < r.bottom(); ++y) image.setPixel(r.right(), y, image.pixel(r.right() - 1, y));
}

}  // namespace

const PanelStyle& SmallFace(int state) { return kAmberFaces[std::clamp(state, 0, 3)]; }
QColor SmallInk(int state) { return kFaceInk[std::clamp(state, 0, 3)]; }

// A small filled triangle pointing down, `width` wide (odd), placed at (x, y).
void DownTriangle(QImage& image, int x, int y, int width, const QColor& colour) {
    for (int row = 0; row <= width / 2; ++row)
        for (int dx = row; dx < width - row; ++dx) Put(image, x + dx, y + row, colour);
}
void UpTriangle(QImage& image, int x, int y, int width, const QColor& colour) {
    const int rows = width / 2 + 1;
    for (int row = 0; row < rows; ++row)
        for (int dx = rows - 1 - row; dx <= width - rows + row; ++dx) Put(image, x + dx, y + row, colour);
}
void LeftTriangle(QImage& image, int x, int y, int height, const QColor& colour) {
    const int columns = height / 2 + 1;
    for (int col = 0; col < columns; ++col)
        for (int dy = columns - 1 - col; dy <= height - columns + col; ++dy) Put(image, x + col, y + dy, colour);
}
void RightTriangle(QImage& image, int x, int y, int height, const QColor& colour) {
    for (int col = 0; col <= height / 2; ++col)
        for (int dy = col; dy < height - col; ++dy) Put(image, x + col, y + dy, colour);
}

// A vertical gradient band with optional one-pixel lines at its top and bottom.
void Band(QImage& image, const QRect& r, const QColor& top, const QColor& bottom, const QColor& topLine,
          const QColor& bottomLine) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QColor colour = Mix(top, bottom, double(y - r.top()) / std::max(1, r.height() - 1));
        if (y == r.top() && topLine.isValid()) colour = topLine;
        if (y == r.bottom() && bottomLine.isValid()) colour = bottomLine;
        for (int x = r.left(); x <= r.right(); ++x) Put(image, x, y, colour);
    }
}

void Copy(QImage& target, const QImage& source, int x, int y) {
    for (int sy = 0; sy < source.height(); ++sy)
        for (int sx = 0; sx < source.width(); ++sx) target.setPixel(x + sx, y + sy, source.pixel(sx, sy));
}


// ---------------------------------------------------------------------------------------------------------
// Toolbar: background, then a row of button faces, a row of drop-down left parts, then the right parts,
// the drop-down arrows, separators and grippers.

QRect ToolBarBackground() { return QRect(0, 0, 32, kToolBarHeight); }
QRect ToolBarButton(int state) { return QRect(32 + state * kToolBarButton, 0, kToolBarButton, kToolBarButton); }
QRect ToolBarDropLeft(int state) {
    return QRect(32 + state * kToolBarButton, kToolBarButton, kToolBarButton, kToolBarButton);
}
QRect ToolBarDropRight(int state) {
    return QRect(32 + state * kToolBarDropWidth, 2 * kToolBarButton, kToolBarDropWidth, kToolBarButton);
}
QRect ToolBarDropArrow(int state) { return QRect(112 + state * 8, 48, 7, 4); }
QRect ToolBarSeparator(bool horizontalBar) {
    return horizontalBar ? QRect(116, 56, kToolBarGripperLength - 2, 2) : QRect(112, 56, 2, kToolBarGripperLength - 2);
}
QRect ToolBarGripper(bool horizontalBar) {
    return horizontalBar ? QRect(8, 32, kToolBarGripperLength, 5) : QRect(0, 32, 5, kToolBarGripperLength);
}

QImage ToolBarPicture() {
    QImage image = KeyedImage(152, 80);
    Panel(image, ToolBarBackground(), {{214, 178, 124}, {255, 250, 238}, {246, 226, 190}, kWhite, 3});

    // Plain buttons: Normal and Disabled are flat (only the icon shows), the others have a face.
    const PanelStyle pressed{{160, 84, 12}, {226, 134, 34}, {242, 164, 60}, {}, 3};
    const PanelStyle hot{{214, 146, 66}, {255, 238, 200}, {255, 212, 140}, kWhite, 3};
    const PanelStyle selected{{190, 124, 48}, {246, 218, 170}, {255, 240, 212}, {}, 3};
    const PanelStyle floated{{226, 184, 124}, {255, 251, 242}, {255, 244, 224}, {}, 3};
    Panel(image, ToolBarButton(1), pressed);
    Panel(image, ToolBarButton(3), hot);
    Panel(image, ToolBarButton(4), selected);
    // Drop-down buttons: the left part joins the strip on its right; Floated outlines the button lightly.
    const PanelStyle* dropFaces[5] = {nullptr, &pressed, nullptr, &hot, &floated};
    const QColor arrowInk[5] = {kGlyphInk, kWhite, kGlyphGrey, kGlyphInk, kGlyphInk};
    for (int state = 0; state < 5; ++state) {
        if (dropFaces[state]) {
            OpenSidedPanel(image, ToolBarDropLeft(state), *dropFaces[state], true);
            OpenSidedPanel(image, ToolBarDropRight(state), *dropFaces[state], false);
        }
        const QRect arrow = ToolBarDropArrow(state);
        DownTriangle(image, arrow.left(), arrow.top(), arrow.width(), arrowInk[state]);
    }

    // The separator is an etched line whose ends fade into the bar.
    const QRect sep = ToolBarSeparator(false);
    for (int i = 0; i < sep.height(); ++i) {
        const int fromEnd = std::min(i, sep.height() - 1 - i);
        const double fade = fromEnd >= 3 ? 1.0 : (fromEnd + 1) / 4.0;
        Put(image, sep.left(), sep.top() + i, Mix(QColor(250, 238, 216), QColor(206, 164, 104), fade));
        Put(image, sep.left() + 1, sep.top() + i, kWhite);
    }
    // Grippers: raised dots, each a dark pixel pair with a light one below and to the right.
    const QRect grip = ToolBarGripper(false);
    for (int row = 1; row + 2 < grip.height(); row += 4) {
        Glyph(image, grip.left() + 1, grip.top() + row, {"##", "##"}, QColor(196, 146, 80));
        Glyph(image, grip.left() + 2, grip.top() + row + 1, {" #", "##"}, kWhite);
        Put(image, grip.left() + 2, grip.top() + row + 1, QColor(196, 146, 80));
    }
    // The horizontal-bar forms are the vertical ones mirrored about the diagonal.
    const QRect sepH = ToolBarSeparator(true), gripH = ToolBarGripper(true);
    Copy(image, Transposed(image.copy(sep)), sepH.left(), sepH.top());
    Copy(image, Transposed(image.copy(grip)), gripH.left(), gripH.top());
    return image;
}

// ---------------------------------------------------------------------------------------------------------
// Status bar

QRect StatusBarBackground() { return QRect(0, 0, 16, kStatusBarHeight); }
QRect StatusBarPane(bool last) { return QRect(last ? 40 : 16, 0, 24, kStatusBarHeight); }
QRect StatusBarGripper() { return QRect(64, kStatusBarHeight - 14, 14, 14); }

QImage StatusBarPicture() {
    QImage image = KeyedImage(78, kStatusBarHeight);
    Band(image, StatusBarBackground(), QColor(255, 250, 240), QColor(246, 228, 198), QColor(214, 178, 124), {});
    for (int x = 0; x < 16; ++x) Put(image, x, 1, kWhite);
    // Panes are sunken cream wells with a little air around them; the last one has none on its right,
    // where the size grip follows.
    for (const bool last : {false, true}) {
        const QRect cell = StatusBarPane(last);
        Band(image, cell, QColor(255, 250, 240), QColor(246, 228, 198), QColor(214, 178, 124), {});
        for (int x = cell.left(); x <= cell.right(); ++x) Put(image, x, 1, kWhite);
        const QRect well = cell.adjusted(1, 3, last ? -1 : -3, -2);
        Panel(image, well, {{212, 180, 136}, {244, 230, 204}, {252, 244, 230}, {}, 2});
    }
    // The size grip: a triangle of raised dots in the bottom-right corner, on the bar's own ground.
    const QRect grip = StatusBarGripper();
    Band(image, QRect(grip.left(), 0, grip.width(), kStatusBarHeight), QColor(255, 250, 240),
         QColor(246, 228, 198), QColor(214, 178, 124), {});
    for (int x = grip.left(); x <= grip.right(); ++x) Put(image, x, 1, kWhite);
    for (int row = 0; row < 4; ++row)
        for (int col = 3 - row; col < 4; ++col) {
            const int x = grip.left() + 2 + col * 3, y = grip.top() + 2 + row * 3;
            Glyph(image, x, y, {"##", "##"}, QColor(190, 138, 70));
            Put(image, x + 2, y + 2, kWhite);
        }
    return image;
}

// ---------------------------------------------------------------------------------------------------------
// Progress bar

QRect ProgressTrack() { return QRect(0, 0, 24, kProgressThickness); }
QRect ProgressBlock() { return QRect(24, 0, 10, kProgressFillHeight); }
QRect ProgressSmooth() { return QRect(34, 0, 24, kProgressFillHeight); }

QImage ProgressPicture() {
    QImage image = KeyedImage(58, kProgressThickness);
    // A sunken well: shaded along its top, bright towards the bottom.
    Panel(image, ProgressTrack(), {{200, 156, 96}, {236, 218, 188}, {255, 252, 244}, {}, 4});
    const PanelStyle fill{{176, 96, 18}, {255, 208, 116}, {234, 138, 28}, {255, 240, 196}, 3};
    Panel(image, ProgressBlock().adjusted(0, 0, -2, 0), fill);
    Panel(image, ProgressSmooth(), fill);
    return image;
}

// ---------------------------------------------------------------------------------------------------------
// Scroll bar: horizontal parts in one row per state, their mirrored vertical forms in one column per state.

namespace {
constexpr int kScrollTrackLength = 16;
constexpr int kThumbLength = 24;
constexpr int kVerticalLeft = 78;
}  // namespace

QRect ScrollTrack(bool vertical, int state) {
    return vertical ? QRect(kVerticalLeft + state * kScrollThickness, 0, kScrollThickness, kScrollTrackLength)
                    : QRect(0, state * kScrollThickness, kScrollTrackLength, kScrollThickness);
}
QRect ScrollThumbBody(bool vertical, int state) {
    return vertical ? QRect(kVerticalLeft + state * kScrollThickness, 16, kScrollThickness, kThumbLength)
                    : QRect(16, state * kScrollThickness, kThumbLength, kScrollThickness);
}
QRect ScrollGrip(bool vertical, int state) {
    return vertical ? QRect(kVerticalLeft + state * kScrollThickness + 5, 40, 7, 6)
                    : QRect(40, state * kScrollThickness + 5, 6, 7);
}
QRect ScrollButton(int state) { return QRect(46, state * kScrollThickness, kScrollThickness, kScrollThickness); }
QRect ScrollArrowGlyph(ScrollArrow arrow, int state) {
    const int y = state * kScrollThickness;
    switch (arrow) {
    case kArrowLeft: return QRect(63, y + 5, 4, 7);
    case kArrowRight: return QRect(67, y + 5, 4, 7);
    case kArrowUp: return QRect(71, y + 2, 7, 4);
    case kArrowDown: break;
    }
    return QRect(71, y + 9, 7, 4);
}
QRect ScrollDeadCorner(bool disabled) { return QRect(disabled ? 17 : 0, 68, kScrollThickness, kScrollThickness); }
QRect ScrollBorder() { return QRect(34, 68, 12, 12); }

QImage ScrollBarPicture() {
    QImage image = KeyedImage(kVerticalLeft + 4 * kScrollThickness, 85);
    const QColor trackTop[4] = {{242, 230, 208}, {230, 210, 178}, {248, 244, 236}, {246, 232, 206}};
    const QColor trackBottom[4] = {{252, 246, 234}, {244, 230, 206}, {250, 247, 241}, {255, 248, 234}};
    const QColor trackLine[4] = {{222, 198, 160}, {206, 174, 126}, {232, 222, 206}, {226, 190, 136}};
    const PanelStyle bodies[4] = {
        {{176, 104, 28}, {255, 222, 150}, {246, 178, 80}, {255, 244, 214}, 4},
        {{140, 70, 6}, {230, 140, 40}, {246, 172, 70}, {}, 4},
        {{220, 200, 170}, {249, 241, 226}, {244, 233, 214}, {}, 4},
        {{186, 104, 22}, {255, 236, 184}, {252, 194, 100}, kWhite, 4},
    };
    const QColor gripDark[4] = {{176, 104, 28}, {150, 76, 6}, {222, 204, 178}, {176, 96, 16}};
    const QColor gripLight[4] = {{255, 240, 206}, {250, 184, 96}, {252, 248, 240}, {255, 248, 226}};
    for (int s = 0; s < 4; ++s) {
        const QRect track = ScrollTrack(false, s);
        Band(image, track, trackTop[s], trackBottom[s], trackLine[s], trackLine[s]);
        const QRect body = ScrollThumbBody(false, s);
        Panel(image, body.adjusted(0, 1, 0, -1), bodies[s]);  // a pixel of track shows above and below
        const QRect grip = ScrollGrip(false, s);
        for (int i = 0; i < 3; ++i)
            for (int y = grip.top(); y <= grip.bottom(); ++y) {
                Put(image, grip.left() + 2 * i, y, gripDark[s]);
                Put(image, grip.left() + 2 * i + 1, y, gripLight[s]);
            }
        Panel(image, ScrollButton(s), kAmberFaces[s]);
        QRect a = ScrollArrowGlyph(kArrowLeft, s);
        LeftTriangle(image, a.left(), a.top(), a.height(), kFaceInk[s]);
        a = ScrollArrowGlyph(kArrowRight, s);
        RightTriangle(image, a.left(), a.top(), a.height(), kFaceInk[s]);
        a = ScrollArrowGlyph(kArrowUp, s);
        UpTriangle(image, a.left(), a.top(), a.width(), kFaceInk[s]);
        a = ScrollArrowGlyph(kArrowDown, s);
        DownTriangle(image, a.left(), a.top(), a.width(), kFaceInk[s]);
        // The vertical forms: light falls from the left on them.
        for (const auto& part : {std::pair{track, ScrollTrack(true, s)}, std::pair{body, ScrollThumbBody(true, s)},
                                 std::pair{grip, ScrollGrip(true, s)}})
            Copy(image, Transposed(image.copy(part.first)), part.second.left(), part.second.top());
    }
    FillRect(image, ScrollDeadCorner(false), QColor(246, 234, 212));
    FillRect(image, ScrollDeadCorner(true), QColor(250, 247, 241));
    // The border: a warm outline, a cream ring and the window colour inside.
    const QRect border = ScrollBorder();
    FillRect(image, border, QColor(196, 150, 90));
    FillRect(image, border.adjusted(1, 1, -1, -1), QColor(246, 232, 206));
    FillRect(image, border.adjusted(2, 2, -2, -2), QColor(255, 252, 246));
    return image;
}

// ---------------------------------------------------------------------------------------------------------
// Header, drop-down fields, edit-like fields and list box

QRect HeaderBackground() { return QRect(0, 0, 16, kHeaderHeight); }
QRect HeaderItem(int state) { return QRect(16 + state * 20, 0, 20, kHeaderHeight); }
QRect HeaderArrow(bool up, int state) { return QRect(96 + state * 8, up ? 2 : 10, 7, 4); }
QRect ComboEdge(bool disabled) { return QRect(disabled ? 24 : 0, 20, 24, kComboHeight); }
QRect ComboButton(int state) { return QRect(48 + state * kComboButtonWidth, 20, kComboButtonWidth, kComboHeight); }
QRect ComboArrow(int state) { return QRect(116 + state * 8, 29, 7, 4); }
QRect DateTimeGlyph(int state) { return QRect(122 + (state % 2) * 11, 46 + (state / 2) * 11, 9, 9); }
QRect FieldEdge(int state) { return QRect(state * 24, 44, 24, kFieldHeight); }
QRect ListBackground() { return QRect(72, 44, 24, 24); }
QRect ListSelected() { return QRect(96, 44, 24, 20); }

QImage ControlsPicture() {
    QImage image = KeyedImage(148, 68);
    // Header: a cream bar with a firm bottom line; each item ends in a short divider.
    Band(image, HeaderBackground(), QColor(255, 251, 242), QColor(246, 230, 202), kWhite, QColor(206, 168, 112));
    const QColor itemTop[4] = {{255, 251, 242}, {238, 214, 176}, {251, 248, 242}, {255, 246, 224}};
    const QColor itemBottom[4] = {{246, 230, 202}, {250, 234, 206}, {248, 243, 234}, {255, 218, 148}};
    const QColor itemLine[4] = {{206, 168, 112}, {190, 138, 70}, {226, 214, 196}, {236, 146, 36}};
    for (int s = 0; s < 4; ++s) {
        const QRect item = HeaderItem(s);
        Band(image, item, itemTop[s], itemBottom[s], s == 1 ? QColor(214, 180, 130) : kWhite, itemLine[s]);
        if (s == 3) Band(image, item.adjusted(0, item.height() - 2, 0, 0), QColor(236, 146, 36), QColor(236, 146, 36), {}, {});
        for (int y = item.top() + 3; y <= item.bottom() - 4; ++y) {
            Put(image, item.right() - 1, y, QColor(222, 196, 156));
            Put(image, item.right(), y, kWhite);
        }
        UpTriangle(image, HeaderArrow(true, s).left(), HeaderArrow(true, s).top(), 7, kFaceInk[s == 1 ? 0 : s]);
        DownTriangle(image, HeaderArrow(false, s).left(), HeaderArrow(false, s).top(), 7, kFaceInk[s == 1 ? 0 : s]);
    }

    // Combo boxes and date-time pickers: a white field and a button that closes its right end.
    Panel(image, ComboEdge(false), {{200, 156, 96}, {255, 255, 255}, {255, 251, 244}, {}, 3});
    Panel(image, ComboEdge(true), {{224, 208, 184}, {250, 247, 241}, {250, 247, 241}, {}, 3});
    for (int s = 0; s < 4; ++s) {
        PanelStyle face = kAmberFaces[s];
        face.corners = kRightSide;
        if (s != 2) face.border = QColor(200, 156, 96);  // the field's own outline carries on round the button
        Panel(image, ComboButton(s), face);
        const QRect a = ComboArrow(s);
        DownTriangle(image, a.left(), a.top(), a.width(), kFaceInk[s]);
    }

    // The date-time picker's calendar: two rings over a bound page with a grid of days.
    for (int s = 0; s < 4; ++s) {
        const QRect r = DateTimeGlyph(s);
        Glyph(image, r.left(), r.top(),
              {" #     #", "#########", "#########", "#       #", "# # # # #", "#       #", "# # # # #", "#       #",
               "#########"},
              kFaceInk[s]);
    }

    // Edit-like fields: normal, highlighted (an amber outline with a soft inner glow), disabled.
    Panel(image, FieldEdge(0), {{206, 170, 120}, {248, 242, 232}, {255, 255, 255}, {}, 3});
    Panel(image, FieldEdge(1), {{232, 140, 30}, {255, 255, 255}, {255, 255, 255}, {}, 3, kAll, {255, 224, 168}});
    Panel(image, FieldEdge(2), {{226, 212, 192}, {250, 247, 242}, {250, 247, 242}, {}, 3});

    // List box: a white well and the selected item's amber bar.
    Panel(image, ListBackground(), {{206, 170, 120}, {255, 253, 249}, {255, 253, 249}, {}, 2});
    Panel(image, ListSelected(), {{186, 100, 16}, {250, 192, 92}, {234, 140, 32}, {255, 224, 164}, 3});
    return image;
}

}  // namespace amber
