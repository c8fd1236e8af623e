#include "Helpers/EnBitmapSkinImage.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "Helpers/EnBitmapBudget.h"

CSkinImage::CSkinImage(int kind) : CEnBitmap(kind) {}

size_t CSkinImage::RowBytesFor(int width, int bitsPerPixel) {
    return (size_t(width) * size_t(bitsPerPixel) + 31) / 32 * 4;
}

bool CSkinImage::Create(int width, int height, int bitsPerPixel, int imageType) {
    Release();
    const std::string limit = CheckImageSize(width, height);
    if (!limit.empty()) {
        SetErrorText("CSkinImage::Create: " + limit);
        return false;
    }
    if (m_charge && !m_charge->Need(ImagePixelBytes(width, height))) {
        SetErrorText(m_charge->RefusalText());
        return false;
    }
    const int bpp = bitsPerPixel <= 1 ? 1 : bitsPerPixel <= 4 ? 4 : bitsPerPixel <= 8 ? 8 : 24;
    const size_t rowBytes = RowBytesFor(width, bpp);
    try {
        m_palette.assign(bpp <= 8 ? size_t(1) << bpp : 0, RgbQuad{});
        m_bits.assign(rowBytes * size_t(height), 0);
    } catch (const std::bad_alloc&) {
        Release();
        SetErrorText("CSkinImage::Create can't allocate memory");
        return false;
    }
    m_head = BitmapInfoHeader{};
    m_head.biWidth = width;
    m_head.biHeight = height;
    m_head.biBitCount = uint16_t(bpp);
    m_head.biSizeImage = uint32_t(rowBytes * size_t(height));
    m_head.biClrUsed = uint32_t(m_palette.size());
    SetXDpi(96);
    SetYDpi(96);
    m_rowBytes = rowBytes;
    m_imageType = imageType;
    return true;
}

void CSkinImage::Release() {
    m_bits.clear();
    m_bits.shrink_to_fit();
    m_palette.clear();
    AlphaDelete();
    m_rowBytes = 0;
    m_head.biWidth = m_head.biHeight = 0;
    // Transparency belongs to the decoded picture, so a new picture starts without it.
    m_transparentIndex = -1;
    m_transparentColor = -1;
    m_paletteHasAlpha = false;
}

bool CSkinImage::Decode(CFileEx& stream, int type, CPixelCharge* charge) {
    // Create() asks the charge while the decoders below run, and only then.
    struct ChargeScope {
        CPixelCharge*& slot;
        ~ChargeScope() { slot = nullptr; }
    } scope{m_charge};
    m_charge = charge;
    std::string error;
    bool ok = false;
    switch (type) {
    case kTypePng: ok = CSkinImagePNG::ReadPng(*this, stream, error); break;
    case kTypeTga: ok = CSkinImageTGA::ReadTga(*this, stream, error); break;
    case kTypeAny: {
        const int64_t start = stream.Tell();
        ok = CSkinImagePNG::ReadPng(*this, stream, error);
        if (!ok) {
            stream.Seek(start, SEEK_SET);
            ok = CSkinImageTGA::ReadTga(*this, stream, error);
            if (!ok)
                stream.Seek(start, SEEK_SET);
        }
        break;
    }
    default: error = "Decode: Unknown or wrong format"; break;
    }
    if (!ok) {
        Release();
        SetErrorText(error);
        return false;
    }
    m_error.clear();
    return true;
}

void CSkinImage::SetXDpi(int dpi) {
    m_xDpi = dpi;
    m_head.biXPelsPerMeter = int32_t((int64_t(dpi) * 10000 + 127) / 254);
}

void CSkinImage::SetYDpi(int dpi) {
    m_yDpi = dpi;
    m_head.biYPelsPerMeter = int32_t((int64_t(dpi) * 10000 + 127) / 254);
}

void CSkinImage::SetGrayPalette() {
    const size_t n = m_palette.size();
    for (size_t i = 0; i < n; ++i) {
        const uint8_t v = uint8_t(i * 255 / (n - 1));
        m_palette[i] = RgbQuad{v, v, v, 0};
    }
}

bool CSkinImage::AlphaCreate() {
    if (m_bits.empty())
        return false;
    try {
        m_alpha.assign(size_t(m_head.biWidth) * size_t(m_head.biHeight), 255);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void CSkinImage::AlphaFlip() {
    if (m_alpha.empty())
        return;
    const size_t w = size_t(m_head.biWidth);
    for (size_t top = 0, bottom = size_t(m_head.biHeight) - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(m_alpha.begin() + top * w, m_alpha.begin() + (top + 1) * w, m_alpha.begin() + bottom * w);
}

uint8_t CSkinImage::PixelIndexInRow(const uint8_t* row, int x) const {
    switch (m_head.biBitCount) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4: return x & 1 ? row[x >> 1] & 0x0F : row[x >> 1] >> 4;
    case 8: return row[x];
    default: return 0;
    }
}

void CSkinImage::SetPixelIndexInRow(uint8_t* row, int x, uint8_t index) const {
    switch (m_head.biBitCount) {
    case 1: {
        const uint8_t bit = uint8_t(0x80 >> (x & 7));
        row[x >> 3] = index & 1 ? row[x >> 3] | bit : row[x >> 3] & ~bit;
        break;
    }
    case 4:
        row[x >> 1] = x & 1 ? uint8_t((row[x >> 1] & 0xF0) | (index & 0x0F))
                            : uint8_t((row[x >> 1] & 0x0F) | (index << 4));
        break;
    case 8: row[x] = index; break;
    default: break;
    }
}

uint8_t CSkinImage::PixelIndex(int x, int y) const {
    return PixelIndexInRow(StorageRow(m_head.biHeight - 1 - y), x);
}

RgbQuad CSkinImage::PixelColor(int x, int y) const {
    const uint8_t* row = StorageRow(m_head.biHeight - 1 - y);
    if (m_head.biBitCount == 24)
        return RgbQuad{row[x * 3], row[x * 3 + 1], row[x * 3 + 2], 0};
    RgbQuad c = m_palette[PixelIndexInRow(row, x)];
    c.rgbReserved = 0;
    return c;
}

uint8_t CSkinImage::PixelAlpha(int x, int y) const {
    return m_alpha.empty() ? 255 : m_alpha[size_t(m_head.biHeight - 1 - y) * size_t(m_head.biWidth) + size_t(x)];
}

uint8_t CSkinImage::EffectiveAlpha(int x, int y) const {
    unsigned a = PixelAlpha(x, y);
    a = a * (m_alphaMax + 1u) >> 8;
    if (m_head.biBitCount <= 8) {
        const uint8_t index = PixelIndex(x, y);
        if (index == m_transparentIndex)
            return 0;
        if (m_paletteHasAlpha)
            a = a * (m_palette[index].rgbReserved + 1u) >> 8;
    } else if (m_transparentColor >= 0) {
        const RgbQuad c = PixelColor(x, y);
        const int32_t ref = int32_t(c.rgbRed) | int32_t(c.rgbGreen) << 8 | int32_t(c.rgbBlue) << 16;
        if (ref == m_transparentColor)
            return 0;
    }
    return uint8_t(a);
}

bool CSkinImage::HasTransparency() const {
    if (IsEmpty())
        return false;
    if (!m_alpha.empty() || m_alphaMax < 255)
        return true;
    if (m_head.biBitCount <= 8)
        return m_paletteHasAlpha || (m_transparentIndex >= 0 && m_transparentIndex < PaletteSize());
    return m_transparentColor >= 0;
}

bool CSkinImage::PixelBGRA(int x, int y, uint8_t out[4]) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return false;
    const RgbQuad c = PixelColor(x, y);
    out[0] = c.rgbBlue;
    out[1] = c.rgbGreen;
    out[2] = c.rgbRed;
    out[3] = EffectiveAlpha(x, y);
    return true;
}

std::vector<uint8_t> CSkinImage::ToBgra32() const {
    if (IsEmpty())
        return {};
    const int w = Width(), h = Height();
    std::vector<uint8_t> out;
    try {
        out.resize(size_t(w) * size_t(h) * 4);
    } catch (const std::bad_alloc&) {
        return {};
    }
    uint8_t* dst = out.data();
    const bool opaque = !HasTransparency();
    for (int y = 0; y < h; ++y) {
        const uint8_t* row = StorageRow(h - 1 - y);
        for (int x = 0; x < w; ++x, dst += 4) {
            if (m_head.biBitCount == 24) {
                dst[0] = row[x * 3];
                dst[1] = row[x * 3 + 1];
                dst[2] = row[x * 3 + 2];
            } else {
                const RgbQuad& c = m_palette[PixelIndexInRow(row, x)];
                dst[0] = c.rgbBlue;
                dst[1] = c.rgbGreen;
                dst[2] = c.rgbRed;
            }
            dst[3] = opaque ? 255 : EffectiveAlpha(x, y);
        }
    }
    return out;
}

void CSkinImage::Mirror() {
    if (IsEmpty())
        return;
    const int w = Width(), h = Height();
    for (int y = 0; y < h; ++y) {
        uint8_t* row = StorageRow(y);
        for (int left = 0, right = w - 1; left < right; ++left, --right) {
            if (m_head.biBitCount == 24) {
                std::swap_ranges(row + left * 3, row + left * 3 + 3, row + right * 3);
            } else {
                const uint8_t a = PixelIndexInRow(row, left), b = PixelIndexInRow(row, right);
                SetPixelIndexInRow(row, left, b);
                SetPixelIndexInRow(row, right, a);
            }
        }
        if (!m_alpha.empty())
            std::reverse(m_alpha.begin() + size_t(y) * w, m_alpha.begin() + size_t(y + 1) * w);
    }
}
