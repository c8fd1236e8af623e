#pragma once
// The BMP, ICO/CUR and ANI decoders behind CWinBitmap. They work on bytes in memory, never read outside
// [data, data + size), and refuse images beyond the limits of EnBitmapBase.h before allocating.
// Each is a plain (const uint8_t*, size_t) entry point, so tests and fuzz targets can call them directly.
// A `charge` (optional) is asked for the pixel memory of the image before it is allocated; when it
// refuses, the decode fails with its refusal text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CPixelCharge;

namespace enbitmap {

// A decoded picture: width * height * 4 bytes, B G R A, rows top-down, straight alpha.
struct BgraImage {
    int width = 0;
    int height = 0;
    bool hasAlpha = false;  // some pixel has A < 255
    int hotspotX = 0;       // cursors only
    int hotspotY = 0;
    std::vector<uint8_t> pixels;
};

// A BMP file: BITMAPFILEHEADER, then a DIB.
bool DecodeBmpFile(const uint8_t* data, size_t size, BgraImage& out, std::string& error,
                   CPixelCharge* charge = nullptr);

// A DIB starting with its info header (BITMAPCOREHEADER or BITMAPINFOHEADER and its later versions).
// pixelOffset is where the pixel bits start, counted from data; SIZE_MAX (or an impossible offset) means
// right after the header, masks and palette. With iconEntry the header's height covers the colour
// bitmap and the AND mask that follows it.
bool DecodeDib(const uint8_t* data, size_t size, size_t pixelOffset, bool iconEntry, BgraImage& out,
               std::string& error, CPixelCharge* charge = nullptr);

// An ICO or CUR file. Of its entries the decoder takes the largest (width x height), then the one with
// the most bits per pixel, then the earliest; sizes and depths come from each entry's own header, not
// from the directory, which is often wrong. An entry that fails to decode is passed over for the next.
bool DecodeIconFile(const uint8_t* data, size_t size, BgraImage& out, std::string& error,
                    CPixelCharge* charge = nullptr);

// An ANI file (RIFF "ACON"): the first "icon" chunk of the "fram" list, decoded as ICO or CUR.
bool DecodeAniFile(const uint8_t* data, size_t size, BgraImage& out, std::string& error,
                   CPixelCharge* charge = nullptr);

}  // namespace enbitmap
