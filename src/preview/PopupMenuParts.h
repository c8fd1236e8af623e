#pragma once
// The pieces of a skinned popup menu that the frame preview and the test program's real menus share: the
// menu's box with its fallback, the vertical bar along its left side, where the items and separators lie
// and the sub-menu arrow. Each takes rectangles in the coordinates it draws in.

#include <QPainter>
#include <QRect>

struct SkinPopupMenu;
struct SystemEnvironment;

namespace vd::preview {

// Indexes of SkinPopupMenu::text.
enum PopupTextStyle { kPopupTextNormal = 0, kPopupTextHighlighted = 1, kPopupTextDisabled = 2, kPopupTextDefault = 3 };

// "MenuBackground" over box; without it the button face with a 3-D edge (3-D light top-left, button shadow
// bottom-right).
void DrawPopupMenuBox(QPainter& painter, const SystemEnvironment& env, const SkinPopupMenu& menu, const QRect& box);

// Where the items of a menu in box lie: box less the item margins "ItemLeftWidth", "ItemTopHeight",
// "ItemRightWidth" and "ItemBottomHeight".
QRect PopupItemArea(const SkinPopupMenu& menu, const QRect& box);

// "MenuVBar" at the left of the item area, its own width, as high as the item area.
QRect PopupVBarRect(const SkinPopupMenu& menu, const QRect& box);

// A separator at y in an item row from itemLeft to itemRight (exclusive): from itemLeft plus the left offset
// of "TextNormal" to the row's right end, the separator picture's own height.
QRect PopupSeparatorRect(const SkinPopupMenu& menu, int itemLeft, int itemRight, int y);

// The sub-menu arrow right-aligned in item at its own size, vertically centred: "PopupMenuArrowHighlighted"
// for a highlighted item when it names a picture, else "PopupMenuArrow"; without a picture the Marlett
// glyph '8' (9 points on a 96-dpi screen) in the colour of the item's text style.
void DrawPopupMenuArrow(QPainter& painter, const SkinPopupMenu& menu, const QRect& item, bool highlighted);

}  // namespace vd::preview
