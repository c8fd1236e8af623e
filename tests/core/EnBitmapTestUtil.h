#pragma once
// Builders for the image files the decoder tests feed in: BMP/DIB, ICO/CUR, ANI, TGA and PNG (written
// with libpng), all made in memory so every case states its own bytes.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace imgtest {

using Bytes = std::vector<uint8_t>;

void PutU16(Bytes& b, uint32_t v);
void PutU32(Bytes& b, uint32_t v);
void PutBytes(Bytes& b, const Bytes& more);

// Packs one row of values (indices, or 16/24/32-bit little-endian pixel values) at bpp bits per pixel,
// MSB first below 8 bits, padded to a multiple of 4 bytes.
Bytes PackRow(const std::vector<uint32_t>& values, int bpp);
// Rows given top to bottom, stored bottom-up (or top-down when topDown) as a DIB wants them.
Bytes PackRows(const std::vector<std::vector<uint32_t>>& rowsTopDown, int bpp, bool topDown = false);

struct DibParts {
    uint32_t headerSize = 40;
    int32_t width = 0;
    int32_t height = 0;  // as stored: negative for top-down
    uint16_t bpp = 24;
    uint32_t compression = 0;
    uint32_t clrUsed = 0;
    std::vector<uint32_t> masks;    // R, G, B[, A]: in the header when headerSize >= 52, else after it
    std::vector<uint32_t> palette;  // 0x00RRGGBB
    Bytes bits;
};
// Info header, masks, palette and bits; *pixelOffset receives where the bits start.
Bytes MakeDib(const DibParts& parts, size_t* pixelOffset = nullptr);
// BITMAPFILEHEADER + DIB with a correct bfOffBits (or `offBits` when given).
Bytes MakeBmpFile(const DibParts& parts, std::optional<uint32_t> offBits = std::nullopt);

// An icon entry image: 32-bit (alpha in the top byte) or palette pixels + AND mask (1 = transparent).
struct IconImage {
    int width = 0;
    int height = 0;
    int bpp = 32;
    std::vector<uint32_t> palette;                 // for bpp <= 8
    std::vector<std::vector<uint32_t>> pixels;     // top-down: ARGB for 32 bits, indices below
    std::vector<std::vector<uint32_t>> mask;       // top-down 0/1; empty = all opaque
};
Bytes MakeIconDib(const IconImage& image);

struct IconEntry {
    IconEntry() = default;
    IconEntry(Bytes bytes) : data(std::move(bytes)) {}

    Bytes data;
    int hotspotX = 0;  // planes for icons
    int hotspotY = 0;  // bit count for icons
    uint8_t dirWidth = 0;
    uint8_t dirHeight = 0;
    std::optional<uint32_t> offsetOverride;
    std::optional<uint32_t> sizeOverride;
};
Bytes MakeIconFile(int type, const std::vector<IconEntry>& entries, std::optional<uint16_t> countOverride = {});

// RIFF "ACON" with an "anih" chunk, a "seq " chunk holding `sequence` (when not empty; an odd size tests
// the padding) and a "fram" list holding one "icon" chunk per frame.
Bytes MakeAniFile(const std::vector<Bytes>& frames, const Bytes& sequence = {});

struct TgaParts {
    uint8_t type = 2;
    uint8_t depth = 24;
    uint16_t width = 0;
    uint16_t height = 0;
    uint8_t descriptor = 0;
    std::string id;
    uint8_t colorMapType = 0;
    uint16_t colorMapLength = 0;
    Bytes colorMap;  // colorMapLength * 3 bytes (B, G, R)
    Bytes data;      // pixel data as stored
};
Bytes MakeTga(const TgaParts& parts);

struct PngParts {
    int width = 0;
    int height = 0;
    int colorType = 0;  // PNG_COLOR_TYPE_*
    int bitDepth = 8;
    bool interlace = false;
    std::vector<std::vector<uint16_t>> samples;  // top-down, width * channels samples per row
    std::vector<std::array<uint8_t, 3>> palette; // R, G, B
    std::vector<uint8_t> paletteAlpha;           // tRNS for palette images
    std::optional<std::array<uint16_t, 3>> transColor;  // tRNS for grey (first value) or RGB
    std::optional<std::array<uint16_t, 3>> background;  // bKGD (grey: first value)
    std::optional<std::array<uint32_t, 2>> physPerMeter;
};
Bytes MakePng(const PngParts& parts);

// A PNG whose IHDR (8-bit RGB, valid CRC) claims width x height, followed by an IDAT chunk that claims
// 100 bytes and holds 2: a file cut short right at its image data.
Bytes MakePngHeaderOnly(uint32_t width, uint32_t height);

// Decodes every proper prefix of `file` with `decode`; returns how many prefixes decoded successfully.
// Run under the sanitizers this shows that truncation never reads out of bounds.
size_t DecodeEveryPrefix(const Bytes& file, const std::function<bool(const uint8_t*, size_t)>& decode);

}  // namespace imgtest
