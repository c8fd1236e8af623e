#pragma once
// Grey copies of check pictures, used to draw the check marks of disabled menu items and toolbar commands.

#include <memory>

#include "Helpers/EnBitmapBase.h"

// Every pixel that is neither the key colour magenta nor already grey becomes 0.30 R + 0.59 G + 0.11 B in
// all three channels. Only plain bitmaps (BMP, PNG, TGA) get one: null for icons, cursors and empty images.
std::shared_ptr<const CEnBitmap> MakeGreyCopy(const CEnBitmap& image);
