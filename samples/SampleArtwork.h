#pragma once
// The pictures of the "Amberline" sample skin, drawn pixel by pixel so every border is exactly one pixel
// wide and every transparent pixel is pure magenta (the key colour the skinning engine cuts out). The
// rectangles the skin's image records refer to are named here, beside the drawing that fills them, so the
// picture layout and the skin description cannot drift apart.

#include <QByteArray>
#include <QImage>
#include <QRect>

namespace amber {

// --- Amber_Frame.png: one mock window per state, then the minimised caption in both states ---
inline constexpr int kFrameWidth = 96;
inline constexpr int kCaptionHeight = 30;
inline constexpr int kBorder = 6;
inline constexpr int kFrameBlockHeight = 66;  // caption, 30 rows of side border, bottom border
inline constexpr int kCaptionCorner = 12;      // left and right slice widths of the rounded caption

// state 0 active, 1 inactive
QRect FrameCaption(int state);
QRect FrameLeft(int state);
QRect FrameRight(int state);
QRect FrameBottom(int state);
QRect FrameMinCaption(int state);
QImage FramePicture();

// --- Amber_MenuBar.png: bar backgrounds and the menu bar item states ---
inline constexpr int kMenuBarHeight = 24;
inline constexpr int kMenuBarItemHeight = 20;
QRect MenuBarBackground(int state);  // 0 active, 1 inactive
QRect MenuBarItemClear();            // transparent: Normal, Disabled and the fifth state draw only text
QRect MenuBarItemPressed();
QRect MenuBarItemHot();
QImage MenuBarPicture();

// --- Amber_MDIButtons.png: 16 x 16 cells; columns restore, minimise, close; rows Normal, Pressed,
//     Disabled, Highlighted, Inactive ---
inline constexpr int kMdiCell = 16;
enum MdiGlyph { kMdiRestore, kMdiMinimize, kMdiClose };
QRect MdiButton(MdiGlyph glyph, int state);
QImage MdiButtonsPicture();

// --- Amber_Menu.png: the popup menu ---
inline constexpr int kMenuItemHeight = 22;
QRect MenuBackground();
QRect MenuVBar();
QRect MenuItemHot();
QRect MenuSeparator();
QRect MenuArrow(bool highlighted);
QRect MenuCheck();
QRect MenuRadio();
QRect MenuCheckBk();
QRect MenuRadioBk();
QImage MenuPicture();

// --- Amber_CaptionButtons.png (21 x 21 faces; column 0 the close button's face, which warms to red when
//     pressed or hot, column 1 the face the other buttons share) and Amber_CaptionGlyphs.png (11 x 11
//     glyphs; columns close, minimise, maximise, restore); rows in the caption-button state order
//     ActiveNormal, ActivePress, ActiveDisabled, ActiveHighlighted, InactiveNormal, InactiveDisabled,
//     InactiveHighlighted ---
inline constexpr int kCaptionButtonSize = 21;
inline constexpr int kGlyphSize = 11;
enum CaptionButtonKind { kCaptionClose, kCaptionMinimize, kCaptionMaximize, kCaptionRestore };
QRect CaptionButtonFace(CaptionButtonKind kind, int state);
QRect CaptionGlyph(CaptionButtonKind kind, int state);
QImage CaptionButtonsPicture();
QImage CaptionGlyphsPicture();

// --- Amber_Button.bmp and Amber_ButtonCream.bmp: push buttons, states Normal, Pressed, Disabled,
//     Highlighted, Default stacked from the top ---
inline constexpr int kButtonWidth = 72;
inline constexpr int kButtonHeight = 24;
inline constexpr int kButtonCorner = 5;
enum ButtonTheme { kButtonAmber, kButtonCream };
QRect ButtonState(int state);
QImage ButtonPicture(ButtonTheme theme);

// Encodings for the package: PNG keeps the pixels as drawn; BMP is written with 24 bits per pixel, the
// depth skins have always used for colour-keyed bitmaps.
QByteArray EncodePng(const QImage& image);
QByteArray EncodeBmp(const QImage& image);

}  // namespace amber
