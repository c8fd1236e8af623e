#pragma once
// CSkinImage: a device-independent bitmap in memory with an optional alpha channel, used for PNG and TGA
// pictures. Storage follows the DIB layout the skin format was designed around: 1, 4, 8 or 24 bits per
// pixel, rows bottom-up, each row padded to 4 bytes, a 2/16/256-entry palette for 1/4/8 bits, and the
// alpha channel one byte per pixel, also bottom-up. CSkinImagePNG and CSkinImageTGA carry the decoders.
//
// The drawing layer may use the uniform accessor of CEnBitmap, or reproduce the image's own blend from
// the raw members: PixelIndex / PixelColor / PixelAlpha, AlphaMax, PaletteHasAlpha and the palette's
// rgbReserved, TransparentIndex and TransparentColor (EffectiveAlpha shows how they combine).

#include <atomic>

#include "Helpers/EnBitmapBase.h"
#include "Helpers/EnBitmapStream.h"

class CPixelCharge;

// The Windows BITMAPINFOHEADER, member by member.
struct BitmapInfoHeader {
    uint32_t biSize = 40;
    int32_t biWidth = 0;
    int32_t biHeight = 0;
    uint16_t biPlanes = 1;
    uint16_t biBitCount = 0;
    uint32_t biCompression = 0;  // BI_RGB
    uint32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0;
    uint32_t biClrImportant = 0;
};

// A palette entry; rgbReserved holds the entry's alpha when the palette has alpha values.
struct RgbQuad {
    uint8_t rgbBlue = 0;
    uint8_t rgbGreen = 0;
    uint8_t rgbRed = 0;
    uint8_t rgbReserved = 0;
};

class CSkinImage : public CEnBitmap {
public:
    static constexpr const char* kIdentification = "CSkinImage 5.99a";
    enum DecodeType : int { kTypeAny = 0, kTypeTga = 1, kTypePng = 2 };

    explicit CSkinImage(int kind);
    CSkinImage(const CSkinImage&) = delete;
    CSkinImage& operator=(const CSkinImage&) = delete;

    // Allocates header, palette and cleared pixels; bits per pixel are rounded up to 1, 4, 8 or 24.
    // Releases the previous image, its alpha channel and transparency settings. False with ErrorText().
    // While Decode runs with a charge, the charge is asked for the pixel memory first.
    bool Create(int width, int height, int bitsPerPixel, int imageType);

    // type 0 tries PNG then TGA (seeking back between tries), 1 TGA, 2 PNG. On failure the image is
    // empty and ErrorText() holds the decoder's message. `charge` (optional) is asked for the pixel
    // memory before it is allocated.
    bool Decode(CFileEx& stream, int type, CPixelCharge* charge = nullptr);

    int Width() const override { return m_bits.empty() ? 0 : m_head.biWidth; }
    int Height() const override { return m_bits.empty() ? 0 : m_head.biHeight; }
    bool HasTransparency() const override;
    bool PixelBGRA(int x, int y, uint8_t out[4]) const override;
    std::vector<uint8_t> ToBgra32() const override;
    void Release() override;

    // --- storage, bottom-up as in a DIB ---
    const BitmapInfoHeader& Header() const { return m_head; }
    int Bpp() const { return m_head.biBitCount; }
    size_t RowBytes() const { return m_rowBytes; }
    static size_t RowBytesFor(int width, int bitsPerPixel);
    const uint8_t* Bits() const { return m_bits.empty() ? nullptr : m_bits.data(); }
    uint8_t* Bits() { return m_bits.empty() ? nullptr : m_bits.data(); }
    // Row y of the storage, counted from the bottom (y = 0 is the last row of the picture).
    uint8_t* StorageRow(int y) { return m_bits.data() + size_t(y) * m_rowBytes; }
    const uint8_t* StorageRow(int y) const { return m_bits.data() + size_t(y) * m_rowBytes; }

    int PaletteSize() const { return static_cast<int>(m_palette.size()); }
    const RgbQuad* Palette() const { return m_palette.empty() ? nullptr : m_palette.data(); }
    RgbQuad* Palette() { return m_palette.empty() ? nullptr : m_palette.data(); }
    void SetGrayPalette();  // entry i = i * 255 / (entries - 1)

    bool HasAlphaChannel() const { return !m_alpha.empty(); }
    bool AlphaCreate();  // opaque (255) alpha channel; false when the image is empty
    void AlphaDelete() { m_alpha.clear(); m_alpha.shrink_to_fit(); }
    const uint8_t* AlphaBits() const { return m_alpha.empty() ? nullptr : m_alpha.data(); }
    uint8_t* AlphaBits() { return m_alpha.empty() ? nullptr : m_alpha.data(); }
    void AlphaFlip();  // turns the alpha channel upside down

    uint8_t AlphaMax() const { return m_alphaMax; }
    void SetAlphaMax(uint8_t value) { m_alphaMax = value; }
    // Palette images: the index drawn transparent, or -1.
    int TransparentIndex() const { return m_transparentIndex; }
    void SetTransparentIndex(int index) { m_transparentIndex = index; }
    // 24-bit images: the colour drawn transparent as a COLORREF (0x00BBGGRR), or -1.
    int32_t TransparentColor() const { return m_transparentColor; }
    void SetTransparentColor(int32_t colorRef) { m_transparentColor = colorRef; }
    bool PaletteHasAlpha() const { return m_paletteHasAlpha; }
    void SetPaletteHasAlpha(bool on) { m_paletteHasAlpha = on; }

    int XDpi() const { return m_xDpi; }
    int YDpi() const { return m_yDpi; }
    void SetXDpi(int dpi);
    void SetYDpi(int dpi);
    int ImageType() const { return m_imageType; }  // 1 TGA, 2 PNG

    // May be set from another thread; a running decoder stops with "Cancelled" before its next row.
    void SetCancel(bool on) { m_cancel.store(on, std::memory_order_relaxed); }
    bool IsCancelled() const { return m_cancel.load(std::memory_order_relaxed); }

    // --- pixels by top-down coordinates (unchecked: 0 <= x < Width(), 0 <= y < Height()) ---
    uint8_t PixelIndex(int x, int y) const;   // palette images; 0 for 24-bit
    RgbQuad PixelColor(int x, int y) const;   // from the palette or the BGR bytes; rgbReserved = 0
    uint8_t PixelAlpha(int x, int y) const;   // the alpha channel, 255 without one
    // The alpha the image is drawn with: PixelAlpha scaled by AlphaMax as a * (max + 1) / 256, for a
    // palette with alpha further by the entry's alpha the same way, 0 for the transparent index (palette
    // images) or the transparent colour (24-bit images).
    uint8_t EffectiveAlpha(int x, int y) const;

    void Mirror();  // left-right, pixels and alpha

private:
    void SetPixelIndexInRow(uint8_t* row, int x, uint8_t index) const;
    uint8_t PixelIndexInRow(const uint8_t* row, int x) const;

    BitmapInfoHeader m_head;
    size_t m_rowBytes = 0;
    std::vector<RgbQuad> m_palette;
    std::vector<uint8_t> m_bits;
    std::vector<uint8_t> m_alpha;
    uint8_t m_alphaMax = 255;
    int m_transparentIndex = -1;
    int32_t m_transparentColor = -1;
    bool m_paletteHasAlpha = false;
    int m_xDpi = 96;
    int m_yDpi = 96;
    int m_imageType = 0;
    std::atomic<bool> m_cancel{false};
    CPixelCharge* m_charge = nullptr;  // only while Decode runs
};

// PNG pictures, decoded with libpng.
class CSkinImagePNG : public CSkinImage {
public:
    CSkinImagePNG() : CSkinImage(kImagePng) {}
    using CSkinImage::Decode;
    bool Decode(CFileEx& stream, CPixelCharge* charge = nullptr) { return Decode(stream, kTypePng, charge); }

    // Decodes a PNG stream into image; false with the reason in error (image then holds no pixels).
    static bool ReadPng(CSkinImage& image, CFileEx& stream, std::string& error);
};

// TGA pictures, decoded by our own reader.
class CSkinImageTGA : public CSkinImage {
public:
    CSkinImageTGA() : CSkinImage(kImageTga) {}
    using CSkinImage::Decode;
    bool Decode(CFileEx& stream, CPixelCharge* charge = nullptr) { return Decode(stream, kTypeTga, charge); }

    static bool ReadTga(CSkinImage& image, CFileEx& stream, std::string& error);
};
