// BMP and DIB decoding: every info-header version, 1/4/8/16/24/32 bits, RLE4, RLE8, bitfields and
// top-down rows. Every offset and count from the file is checked against the buffer before use.

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

#include "Helpers/EnBitmapBase.h"
#include "Helpers/EnBitmapBudget.h"
#include "Helpers/EnBitmapDecoders.h"

namespace enbitmap {
namespace {

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiAlphaBitfields = 6;

uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
int32_t I32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }

// One channel of a bitfield image: the mask's lowest bit and width, scaled to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(uint32_t m = 0) : mask(m) {
        if (m) {
            shift = std::countr_zero(m);
            bits = 32 - std::countl_zero(m >> shift);  // span of the mask; holes are tolerated
        }
    }
    uint8_t Get(uint32_t value) const {
        if (!mask)
            return 0;
        const uint64_t v = (value & mask) >> shift;
        if (bits >= 8)
            return uint8_t(v >> (bits - 8));
        const uint64_t max = (uint64_t(1) << bits) - 1;
        return uint8_t((v * 255 + max / 2) / max);
    }
};

struct DibInfo {
    uint32_t headerSize = 0;
    int64_t width = 0;
    int64_t height = 0;  // rows of the colour bitmap (an icon's mask rows excluded)
    bool topDown = false;
    int bpp = 0;
    uint32_t compression = kBiRgb;
    uint32_t colorsUsed = 0;
    bool core = false;
    Channel red, green, blue, alpha;
    size_t masksAfterHeader = 0;  // bytes of masks stored after a 40-byte header
};

bool Fail(std::string& error, const char* text) {
    error = text;
    return false;
}

bool ReadInfo(const uint8_t* data, size_t size, bool iconEntry, DibInfo& info, std::string& error) {
    if (size < 4)
        return Fail(error, "corrupted BMP: no info header");
    info.headerSize = U32(data);
    int64_t height = 0;
    if (info.headerSize == 12) {
        if (size < 12)
            return Fail(error, "corrupted BMP: info header truncated");
        info.core = true;
        info.width = U16(data + 4);
        height = U16(data + 6);
        info.bpp = U16(data + 10);
    } else if (info.headerSize >= 40) {
        if (size < info.headerSize)
            return Fail(error, "corrupted BMP: info header truncated");
        info.width = I32(data + 4);
        height = I32(data + 8);
        info.bpp = U16(data + 14);
        info.compression = U32(data + 16);
        info.colorsUsed = U32(data + 32);
        // The 64-byte OS/2 header gives compression 3 and 4 other meanings (Huffman, RLE24).
        if (info.headerSize == 64 && info.compression >= 3)
            return Fail(error, "unsupported BMP compression");
    } else {
        return Fail(error, "unsupported BMP header size");
    }

    info.topDown = height < 0;
    if (info.topDown)
        height = -height;  // int64: the negation of INT32_MIN is fine
    if (iconEntry)
        height /= 2;
    info.height = height;
    if (info.width <= 0 || info.height <= 0)
        return Fail(error, "corrupted BMP: no pixels");
    const std::string limit = CheckImageSize(info.width, info.height);
    if (!limit.empty()) {
        error = limit;
        return false;
    }

    switch (info.compression) {
    case kBiRgb:
        if (info.bpp != 1 && info.bpp != 4 && info.bpp != 8 && info.bpp != 16 && info.bpp != 24 && info.bpp != 32)
            return Fail(error, "unsupported BMP bit depth");
        break;
    case kBiRle8:
    case kBiRle4:
        if (info.bpp != (info.compression == kBiRle8 ? 8 : 4))
            return Fail(error, "corrupted BMP: compression does not match the bit depth");
        if (info.topDown)
            return Fail(error, "corrupted BMP: compressed images cannot be top-down");
        if (iconEntry)
            return Fail(error, "unsupported BMP compression");
        break;
    case kBiBitfields:
    case kBiAlphaBitfields:
        if (info.bpp != 16 && info.bpp != 32)
            return Fail(error, "corrupted BMP: bitfields need 16 or 32 bits");
        break;
    default: return Fail(error, "unsupported BMP compression");
    }

    if (info.compression == kBiBitfields || info.compression == kBiAlphaBitfields) {
        const size_t count = info.compression == kBiAlphaBitfields ? 4 : 3;
        const uint8_t* masks = data + 40;
        if (info.headerSize < 52) {
            // A 40-byte header keeps its masks behind it.
            if (size < 40 + count * 4)
                return Fail(error, "corrupted BMP: bitfield masks truncated");
            info.masksAfterHeader = count * 4;
        }
        info.red = Channel(U32(masks));
        info.green = Channel(U32(masks + 4));
        info.blue = Channel(U32(masks + 8));
        const bool alphaStored = count == 4 || info.headerSize >= 56;
        info.alpha = Channel(alphaStored ? U32(masks + 12) : 0);
    } else if (info.bpp == 16) {
        info.red = Channel(0x7C00);
        info.green = Channel(0x03E0);
        info.blue = Channel(0x001F);
    } else if (info.bpp == 32) {
        info.red = Channel(0x00FF0000);
        info.green = Channel(0x0000FF00);
        info.blue = Channel(0x000000FF);
        // Only icons give plain 32-bit pixels an alpha byte.
        info.alpha = Channel(iconEntry ? 0xFF000000u : 0);
    }
    return true;
}

// Indices of an RLE4 or RLE8 image, bottom-up rows; pixels the stream skips keep index 0.
void ExpandRle(const uint8_t* p, const uint8_t* end, const DibInfo& info, std::vector<uint8_t>& indices) {
    const bool rle8 = info.compression == kBiRle8;
    const int64_t w = info.width, h = info.height;
    int64_t x = 0, y = 0;
    auto put = [&](uint8_t index) {
        if (x < w)
            indices[size_t(y * w + x)] = index;
        ++x;
    };
    while (end - p >= 2 && y < h) {
        const uint8_t count = p[0], value = p[1];
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < w; ++i)
                put(rle8 ? value : uint8_t(i & 1 ? value & 0x0F : value >> 4));
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // delta
            if (end - p < 2)
                break;
            x = std::min<int64_t>(x + p[0], w);
            y += p[1];
            p += 2;
        } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
            const size_t bytes = rle8 ? value : (value + 1u) / 2;
            if (size_t(end - p) < bytes)
                break;
            for (int i = 0; i < value && x < w; ++i)
                put(rle8 ? p[i] : uint8_t(i & 1 ? p[i / 2] & 0x0F : p[i / 2] >> 4));
            const size_t padded = bytes + (bytes & 1);
            p += std::min(padded, size_t(end - p));
        }
    }
}

uint8_t IndexAt(const uint8_t* row, int64_t x, int bpp) {
    switch (bpp) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4: return x & 1 ? row[x >> 1] & 0x0F : row[x >> 1] >> 4;
    default: return row[x];
    }
}

}  // namespace

bool DecodeDib(const uint8_t* data, size_t size, size_t pixelOffset, bool iconEntry, BgraImage& out,
               std::string& error, CPixelCharge* charge) {
    DibInfo info;
    if (!ReadInfo(data, size, iconEntry, info, error))
        return false;

    // Palette: biClrUsed entries (0 = all), never more than the depth can index, and only what the
    // buffer holds before the pixels; missing entries are black.
    const size_t paletteStart = info.headerSize + info.masksAfterHeader;
    const size_t entryBytes = info.core ? 3 : 4;
    size_t paletteCount = 0;
    if (info.bpp <= 8) {
        const size_t full = size_t(1) << info.bpp;
        paletteCount = info.colorsUsed == 0 || info.colorsUsed > full ? full : info.colorsUsed;
    }
    const bool offsetGiven = pixelOffset != SIZE_MAX && pixelOffset >= paletteStart && pixelOffset < size;
    size_t paletteRoom = size > paletteStart ? size - paletteStart : 0;
    if (offsetGiven)
        paletteRoom = std::min(paletteRoom, pixelOffset - paletteStart);
    const size_t paletteStored = std::min(paletteCount, paletteRoom / entryBytes);
    uint8_t palette[256][4] = {};
    for (size_t i = 0; i < paletteStored; ++i) {
        const uint8_t* e = data + paletteStart + i * entryBytes;
        palette[i][0] = e[0];
        palette[i][1] = e[1];
        palette[i][2] = e[2];
        palette[i][3] = 255;
    }
    for (size_t i = paletteStored; i < 256; ++i)
        palette[i][3] = 255;
    if (!offsetGiven)
        pixelOffset = paletteStart + paletteCount * entryBytes;
    if (pixelOffset > size)
        return Fail(error, "corrupted BMP: no pixel data");

    const size_t w = size_t(info.width), h = size_t(info.height);
    const uint8_t* bits = data + pixelOffset;
    const size_t available = size - pixelOffset;
    const bool rle = info.compression == kBiRle8 || info.compression == kBiRle4;
    // Raw rows must all be there before memory is taken for them (RLE can legitimately be tiny).
    const size_t stride = (w * size_t(info.bpp) + 31) / 32 * 4;
    const size_t lastRow = (w * size_t(info.bpp) + 7) / 8;  // the final row may lack its padding
    if (!rle && available < stride * (h - 1) + lastRow)
        return Fail(error, "corrupted BMP: pixel data truncated");
    // Run-length data of a few KB can declare the largest image: the skin's budget decides first.
    if (charge && !charge->Need(ImagePixelBytes(info.width, info.height))) {
        error = charge->RefusalText();
        return false;
    }

    try {
        out.pixels.assign(w * h * 4, 0);
    } catch (const std::bad_alloc&) {
        return Fail(error, "not enough memory for the image");
    }
    out.width = int(w);
    out.height = int(h);
    out.hasAlpha = false;
    uint8_t* pixels = out.pixels.data();

    if (rle) {
        std::vector<uint8_t> indices;
        try {
            indices.assign(w * h, 0);
        } catch (const std::bad_alloc&) {
            return Fail(error, "not enough memory for the image");
        }
        ExpandRle(bits, bits + available, info, indices);
        for (size_t y = 0; y < h; ++y) {
            const uint8_t* src = indices.data() + (h - 1 - y) * w;
            uint8_t* dst = pixels + y * w * 4;
            for (size_t x = 0; x < w; ++x, dst += 4) {
                std::memcpy(dst, palette[src[x]], 4);
            }
        }
        return true;
    }

    const int bytesPerPixel = info.bpp / 8;
    bool anyAlpha = false;
    for (size_t row = 0; row < h; ++row) {
        const uint8_t* src = bits + row * stride;
        const size_t y = info.topDown ? row : h - 1 - row;
        uint8_t* dst = pixels + y * w * 4;
        if (info.bpp <= 8) {
            for (size_t x = 0; x < w; ++x, dst += 4)
                std::memcpy(dst, palette[IndexAt(src, int64_t(x), info.bpp)], 4);
        } else if (info.bpp == 24) {
            for (size_t x = 0; x < w; ++x, dst += 4, src += 3) {
                dst[0] = src[0];
                dst[1] = src[1];
                dst[2] = src[2];
                dst[3] = 255;
            }
        } else {
            for (size_t x = 0; x < w; ++x, dst += 4, src += bytesPerPixel) {
                const uint32_t v = bytesPerPixel == 2 ? U16(src) : U32(src);
                dst[0] = info.blue.Get(v);
                dst[1] = info.green.Get(v);
                dst[2] = info.red.Get(v);
                dst[3] = info.alpha.mask ? info.alpha.Get(v) : 255;
                anyAlpha |= dst[3] != 0;
            }
        }
    }

    // An alpha channel that is zero everywhere is a writer that did not know about alpha: opaque.
    const bool useAlpha = info.alpha.mask && anyAlpha;
    if (info.alpha.mask && !useAlpha)
        for (size_t i = 3; i < out.pixels.size(); i += 4)
            pixels[i] = 255;

    if (iconEntry && !useAlpha) {
        // The AND mask: 1 = transparent. A missing or short mask leaves the rows it lacks opaque.
        const size_t maskStride = (w + 31) / 32 * 4;
        const size_t maskStart = stride * h;
        for (size_t row = 0; row < h; ++row) {
            const size_t at = maskStart + row * maskStride;
            if (at >= available || available - at < (w + 7) / 8)
                break;
            const uint8_t* mask = bits + at;
            const size_t y = info.topDown ? row : h - 1 - row;
            uint8_t* dst = pixels + y * w * 4;
            for (size_t x = 0; x < w; ++x)
                if (IndexAt(mask, int64_t(x), 1))
                    dst[x * 4 + 3] = 0;
        }
    }
    for (size_t i = 3; i < out.pixels.size(); i += 4)
        if (pixels[i] != 255) {
            out.hasAlpha = true;
            break;
        }
    return true;
}

bool DecodeBmpFile(const uint8_t* data, size_t size, BgraImage& out, std::string& error, CPixelCharge* charge) {
    if (size < 14 + 4 || data[0] != 'B' || data[1] != 'M')
        return Fail(error, "not a BMP file");
    // bfOffBits counts from the file start; the DIB decoder counts from the info header.
    const uint32_t offBits = U32(data + 10);
    const size_t pixelOffset = offBits >= 14 ? offBits - 14 : SIZE_MAX;
    return DecodeDib(data + 14, size - 14, pixelOffset, false, out, error, charge);
}

}  // namespace enbitmap
