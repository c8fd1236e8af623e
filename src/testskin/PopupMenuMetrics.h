#pragma once
// The sizes a skinned popup menu's items take, from the frame's popup-menu record: what the menu's style
// lays out and what it draws agree through these. Every number from the skin file is held to a range a menu
// on a screen can use, so hostile values give a usable (if odd) menu instead of a huge one.

#include <QFont>
#include <QMargins>
#include <QString>

struct SkinPopupMenu;

namespace popupmenu {

// The most pixels an item may be high, and a margin or the mark column wide.
inline constexpr int kMaxItemHeight = 256;
inline constexpr int kMaxMargin = 256;
// The mark column when the skin has neither a vertical bar nor mark pictures: room for the drawn marks.
inline constexpr int kFallbackMarkColumn = 20;
// The width of the sub-menu arrow drawn as a glyph: its em size, 9 points on a 96-dpi screen.
inline constexpr int kArrowGlyphWidth = 12;

// "MenuItemHeight", at least one pixel.
int ItemHeight(const SkinPopupMenu& menu);
// The separator picture's height; none without one.
int SeparatorHeight(const SkinPopupMenu& menu);
// The item margins as left, top, right and bottom contents margins.
QMargins ItemMargins(const SkinPopupMenu& menu);

// The column at the items' left where check and radio marks (and icons) sit: as wide as the vertical bar,
// widened to the mark pictures and icons when the menu shows any.
int MarkColumnWidth(const SkinPopupMenu& menu, bool marks, int iconWidth);
// How far an item's text rectangle starts right of the item, so a text style whose left offset is smaller
// than the mark column does not write over the marks; 0 when the menu shows no marks or icons.
int TextShift(const SkinPopupMenu& menu, int styleIndex, bool marks, int iconWidth);

// The width an item needs besides its shortcut (the menu adds the widest shortcut itself): the text without
// its shortcut in the skin's font, the largest insets any of the four text styles gives, a gap before the
// shortcut when there is one and the arrow of a sub-menu.
int ItemWidth(const SkinPopupMenu& menu, const QString& text, bool subMenu, bool marks, int iconWidth);

// The text a menu item shows, mnemonic marks processed, without the shortcut after the tab.
QString ShownText(const QString& text);

}  // namespace popupmenu
