#include "Helpers/EnBitmapWin.h"

#include <cstring>

#include "Helpers/EnBitmapDecoders.h"

CWinBitmap::CWinBitmap(int kind) : CEnBitmap(kind) {}

template <typename Decoder>
bool CWinBitmap::Load(Decoder decode, const uint8_t* data, size_t size, CPixelCharge* charge) {
    Release();
    enbitmap::BgraImage image;
    std::string error;
    if (!data)
        size = 0;
    if (!decode(data, size, image, error, charge)) {
        SetErrorText(error.empty() ? "cannot decode the image" : error);
        return false;
    }
    m_width = image.width;
    m_height = image.height;
    m_hasAlpha = image.hasAlpha;
    m_hotspotX = image.hotspotX;
    m_hotspotY = image.hotspotY;
    m_pixels = std::move(image.pixels);
    m_error.clear();
    return true;
}

bool CWinBitmap::LoadBmp(const uint8_t* data, size_t size, CPixelCharge* charge) {
    return Load(enbitmap::DecodeBmpFile, data, size, charge);
}
bool CWinBitmap::LoadIcon(const uint8_t* data, size_t size, CPixelCharge* charge) {
    return Load(enbitmap::DecodeIconFile, data, size, charge);
}
bool CWinBitmap::LoadAniCursor(const uint8_t* data, size_t size, CPixelCharge* charge) {
    return Load(enbitmap::DecodeAniFile, data, size, charge);
}

bool CWinBitmap::LoadByKind(const uint8_t* data, size_t size, CPixelCharge* charge) {
    switch (m_kind) {
    case kImageBmp: return LoadBmp(data, size, charge);
    case kImageIcon:
    case kImageCursor: return LoadIcon(data, size, charge);
    case kImageAniCursor: return LoadAniCursor(data, size, charge);
    default:
        Release();
        SetErrorText("not a BMP, icon or cursor kind");
        return false;
    }
}

bool CWinBitmap::PixelBGRA(int x, int y, uint8_t out[4]) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    std::memcpy(out, m_pixels.data() + (size_t(y) * size_t(m_width) + size_t(x)) * 4, 4);
    return true;
}

void CWinBitmap::Release() {
    m_width = m_height = 0;
    m_hasAlpha = false;
    m_hotspotX = m_hotspotY = 0;
    m_pixels.clear();
    m_pixels.shrink_to_fit();
}

std::unique_ptr<CWinBitmap> CWinBitmap::FromBgra(int kind, int width, int height, std::vector<uint8_t> pixels,
                                                 bool hasAlpha) {
    auto image = std::make_unique<CWinBitmap>(kind);
    if (width <= 0 || height <= 0 || !CheckImageSize(width, height).empty() ||
        pixels.size() != size_t(width) * size_t(height) * 4)
        return image;
    image->m_width = width;
    image->m_height = height;
    image->m_hasAlpha = hasAlpha;
    image->m_pixels = std::move(pixels);
    return image;
}
