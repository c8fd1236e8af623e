#pragma once
// The icons of the menu and toolbar commands: the project's own artwork in 16 and 32 pixel sizes, so the
// toolbar looks the same on every desktop theme.

#include <QIcon>
#include <QSize>

// `name` is the artwork's base name, e.g. "save" for ":/icons/save-16.png" and ":/icons/save-32.png".
QIcon CommandIcon(const char* name);
// Artwork of any size, at `size` and twice that: "drawmode-horzfit" at 20 x 14 is
// ":/icons/drawmode-horzfit-20x14.png" with ":/icons/drawmode-horzfit-40x28.png".
QIcon CommandIcon(const char* name, QSize size);
