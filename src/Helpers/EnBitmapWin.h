#pragma once
// CWinBitmap: a BMP, icon, cursor or animated-cursor picture decoded by our own decoders into 32-bit
// BGRA pixels, top-down, straight alpha. BMP pictures are opaque unless they are 16- or 32-bit bitfield
// images with an alpha mask; icons and cursors get their transparency from the 32-bit alpha channel or,
// without one, from the AND mask.

#include <memory>

#include "Helpers/EnBitmapBase.h"

class CPixelCharge;

class CWinBitmap : public CEnBitmap {
public:
    // kind is kImageBmp, kImageIcon, kImageCursor or kImageAniCursor; it chooses LoadByKind's decoder.
    explicit CWinBitmap(int kind);

    // An image made from pixels (Width() * 4 bytes per row, rows top-down, straight BGRA); empty when the
    // buffer does not hold width x height pixels.
    static std::unique_ptr<CWinBitmap> FromBgra(int kind, int width, int height, std::vector<uint8_t> pixels,
                                                bool hasAlpha);

    // Each returns false and leaves the image empty, with ErrorText() set, when the bytes do not decode
    // or the charge (optional) refuses the pixel memory.
    bool LoadBmp(const uint8_t* data, size_t size, CPixelCharge* charge = nullptr);  // BITMAPFILEHEADER first
    bool LoadIcon(const uint8_t* data, size_t size, CPixelCharge* charge = nullptr);  // ICO/CUR: its best entry
    bool LoadAniCursor(const uint8_t* data, size_t size, CPixelCharge* charge = nullptr);  // its first frame
    bool LoadByKind(const uint8_t* data, size_t size, CPixelCharge* charge = nullptr);

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    bool HasTransparency() const override { return m_hasAlpha; }
    bool PixelBGRA(int x, int y, uint8_t out[4]) const override;
    std::vector<uint8_t> ToBgra32() const override { return m_pixels; }
    void Release() override;

    // The pixels without a copy: Width() * 4 bytes per row, rows top-down; nullptr when empty.
    const uint8_t* Bits() const { return m_pixels.empty() ? nullptr : m_pixels.data(); }

    // The hot spot of a cursor (0, 0 for everything else).
    int HotspotX() const { return m_hotspotX; }
    int HotspotY() const { return m_hotspotY; }

private:
    template <typename Decoder>
    bool Load(Decoder decode, const uint8_t* data, size_t size, CPixelCharge* charge);

    int m_width = 0;
    int m_height = 0;
    bool m_hasAlpha = false;
    int m_hotspotX = 0;
    int m_hotspotY = 0;
    std::vector<uint8_t> m_pixels;
};
