#pragma once
// The pictures of the "Amberline" sample's bars and controls (toolbar, status bar, progress bar, scroll bar,
// header, combo box, date-time picker, edit-like fields and list box), in the same warm amber and cream as
// its frame and buttons. As in SampleArtwork.h, each rectangle the skin refers to is named beside the
// drawing that fills it. State arguments follow the record's own index order.

#include <QColor>
#include <QImage>
#include <QRect>

#include "ArtworkPixels.h"

namespace amber {

// The face every small button of the sample shares, by the four-state index order (normal, pressed,
// disabled, hot), and the ink of the glyph drawn on it.
const PanelStyle& SmallFace(int state);
QColor SmallInk(int state);

// Small filled triangles, `width` or `height` across (odd), with their bounding box's top-left at (x, y).
void DownTriangle(QImage& image, int x, int y, int width, const QColor& colour);
void UpTriangle(QImage& image, int x, int y, int width, const QColor& colour);
void LeftTriangle(QImage& image, int x, int y, int height, const QColor& colour);
void RightTriangle(QImage& image, int x, int y, int height, const QColor& colour);
// A vertical gradient band with optional one-pixel lines (invalid colour: none) at its top and bottom.
void Band(QImage& image, const QRect& r, const QColor& top, const QColor& bottom, const QColor& topLine,
          const QColor& bottomLine);
// Copies `source` into `target` with its top-left corner at (x, y).
void Copy(QImage& target, const QImage& source, int x, int y);

// --- Amber_ToolBar.png ---
inline constexpr int kToolBarHeight = 30;       // the sample bar's height when captions sit beside icons
inline constexpr int kToolBarButton = 24;       // button faces; sliced, they stretch to any slot
inline constexpr int kToolBarDropWidth = 15;    // the drop-down strip right of a drop-down button
inline constexpr int kToolBarGripperLength = 22;
QRect ToolBarBackground();
QRect ToolBarButton(int state);     // Normal, Press, Disabled, Highlighted, Selected
QRect ToolBarDropLeft(int state);   // Normal, Press, Disabled, Highlighted, Floated
QRect ToolBarDropRight(int state);
QRect ToolBarDropArrow(int state);
QRect ToolBarSeparator(bool horizontalBar);
QRect ToolBarGripper(bool horizontalBar);
QImage ToolBarPicture();

// --- Amber_StatusBar.png ---
inline constexpr int kStatusBarHeight = 24;
QRect StatusBarBackground();
QRect StatusBarPane(bool last);
QRect StatusBarGripper();
QImage StatusBarPicture();

// --- Amber_Progress.png: the track and the fill, 25 pixels thick like the sample bars ---
inline constexpr int kProgressThickness = 25;
inline constexpr int kProgressFillHeight = 19;
QRect ProgressTrack();
QRect ProgressBlock();
QRect ProgressSmooth();
QImage ProgressPicture();

// --- Amber_ScrollBar.png: states 0 normal, 1 pressed, 2 disabled, 3 hot. The vertical parts are the
//     horizontal ones mirrored about the diagonal; the four arrow buttons share one face ---
inline constexpr int kScrollThickness = 17;
enum ScrollArrow { kArrowLeft, kArrowRight, kArrowUp, kArrowDown };
QRect ScrollTrack(bool vertical, int state);
QRect ScrollThumbBody(bool vertical, int state);
QRect ScrollGrip(bool vertical, int state);
QRect ScrollButton(int state);
QRect ScrollArrowGlyph(ScrollArrow arrow, int state);
QRect ScrollDeadCorner(bool disabled);
QRect ScrollBorder();
QImage ScrollBarPicture();

// --- Amber_Controls.png: the header, the drop-down fields, the edit-like fields and the list box ---
inline constexpr int kHeaderHeight = 18;
inline constexpr int kComboHeight = 22;
inline constexpr int kComboButtonWidth = 17;
inline constexpr int kFieldHeight = 20;
QRect HeaderBackground();
QRect HeaderItem(int state);          // normal, pressed, disabled, highlighted
QRect HeaderArrow(bool up, int state);
QRect ComboEdge(bool disabled);
QRect ComboButton(int state);         // normal, pressed, disabled, highlighted
QRect ComboArrow(int state);
QRect DateTimeGlyph(int state);      // a small calendar in place of the arrow, same states
QRect FieldEdge(int state);           // normal, highlighted, disabled
QRect ListBackground();
QRect ListSelected();
QImage ControlsPicture();

}  // namespace amber
