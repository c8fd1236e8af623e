#pragma once
// The pictures of the "Amberline" sample's check boxes, radio boxes, trackbars, spins and tab controls, in
// the warm amber and cream of its other controls. As in SampleArtwork.h, each rectangle the skin refers to
// is named beside the drawing that fills it. State arguments follow the record's own index order (Normal,
// Press, Disabled, Highlighted and, for five-state sets, Default).

#include <QImage>
#include <QRect>

namespace amber {

// --- Amber_Switches.png ---

// Check-box and radio-box marks: 13 x 13 boxes.
inline constexpr int kMarkSize = 13;
enum CheckMark { kMarkUnchecked, kMarkChecked, kMarkHalf };
QRect CheckBoxMark(CheckMark mark, int state);
QRect RadioMark(bool checked, int state);

// Trackbar: a 5-pixel groove, slim and pointed thumbs. The vertical parts are the horizontal ones mirrored
// about the diagonal; the pointed thumbs are 11 x 19 (up, down) and 19 x 11 (left, right).
inline constexpr int kChannelThickness = 5;
inline constexpr int kChannelCorner = 3;  // the groove's rounded ends, kept whole when it stretches
inline constexpr int kThumbWidth = 11;
inline constexpr int kThumbLength = 19;
QRect TrackChannel(bool vertical, bool disabled);
enum ThumbShape { kThumbHorz, kThumbVert, kThumbUp, kThumbDown, kThumbLeft, kThumbRight };
QRect TrackThumb(ThumbShape shape, int state);

// Spin: 16 x 16 faces that join in pairs (left and right, up and down) and their arrow glyphs.
inline constexpr int kSpinButton = 16;
inline constexpr int kSpinCorner = 4;
enum SpinSide { kSpinLeft, kSpinRight, kSpinUp, kSpinDown };
QRect SpinButton(SpinSide side, int state);
QRect SpinArrow(SpinSide side, int state);

// Tab control: tab faces for the four orientations (top, bottom, left, right) and the strip they stand
// on. Top tabs are 76 x 22 and rounded at the top, bottom tabs the same upside down. Side tabs lie on their
// side, 76 x 24 so a caption fits across them, rounded at the outer end; right tabs mirror the left ones.
inline constexpr int kTabLength = 76;
inline constexpr int kTabDepth = 22;
inline constexpr int kSideTabHeight = 24;
inline constexpr int kTabCorner = 5;
inline constexpr int kTabStripDepth = kTabDepth + 2;  // the strip: the tabs' depth, their line and the page
QRect TabItem(int orientation, int state);
QRect TabStrip(int orientation, bool disabled);

QImage SwitchesPicture();

}  // namespace amber
