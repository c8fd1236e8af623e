#pragma once
// Picture loading: the kind of a picture from its name, and the image object for a file or for bytes in
// memory. Include this header for the whole image API (CEnBitmap, CWinBitmap, CSkinImage and its two
// decoder classes).
//
// Which object comes back:
//   kinds 0 (BMP), 1 (icon), 2 (cursor), 7 (animated cursor) -> CWinBitmap of that kind
//   kind 3 (PNG) -> CSkinImagePNG, kind 6 (TGA) -> CSkinImageTGA
//   kinds 4 (JPEG), 5 (GIF), 8 (other) -> nullptr
// For the first six kinds an object is returned even when the bytes do not decode: it is empty
// (IsEmpty()) and ErrorText() says why. The picture collection keeps such pictures with their empty image;
// the Load Image command skips a file whose image is empty.

#include <filesystem>
#include <memory>
#include <string_view>

#include "Helpers/EnBitmapBase.h"
#include "Helpers/EnBitmapBudget.h"
#include "Helpers/EnBitmapSkinImage.h"
#include "Helpers/EnBitmapWin.h"

// Upper-cases the name and tests ".BMP", ".ICO", ".CUR", ".ANI", ".JPG", ".JPEG", ".GIF", ".TGA", ".PNG"
// in this order; the first that occurs somewhere after the name's first character decides. This is a
// substring test: "a.bmp.txt" is a BMP, ".png" alone is not a PNG.
int GetImageKind(std::string_view name);

// The empty image object that LoadImage* returns for kind when nothing decodes; nullptr for 4, 5, 8.
std::unique_ptr<CEnBitmap> MakeEmptyImage(int kind);

// Decodes bytes by the kind of name. The bytes are only read during the call and never copied whole.
// `charge` (optional) is asked for the pixel memory before it is allocated; a picture it refuses comes
// back empty with the refusal as its ErrorText().
std::unique_ptr<CEnBitmap> LoadImageMemory(std::string_view name, const uint8_t* data, size_t size,
                                           CPixelCharge* charge = nullptr);

// Decodes a file by the kind of its file name (the directory part is not looked at). PNG and TGA are read
// as a stream; BMP, icons and cursors are read into memory first (files over kMaxImageFileBytes are
// refused).
std::unique_ptr<CEnBitmap> LoadImageFile(const std::filesystem::path& path);

inline constexpr uint64_t kMaxImageFileBytes = uint64_t(1) << 30;
