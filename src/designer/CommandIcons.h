#pragma once
// The icons of the menu and toolbar commands: the project's own artwork in 16 and 32 pixel sizes, so the
// toolbar looks the same on every desktop theme.

#include <QIcon>

// `name` is the artwork's base name, e.g. "save" for ":/icons/save-16.png" and ":/icons/save-32.png".
QIcon CommandIcon(const char* name);
