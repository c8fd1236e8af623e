#pragma once
// The base of every decoded picture: its kind, its size, its error text and one pixel accessor that the
// drawing layer uses whatever the image class is.
//
// Pixel accessor contract (all image classes):
// - Coordinates are top-down: (0, 0) is the top-left pixel, whatever the storage order.
// - Pixels come out as straight (not premultiplied) B, G, R, A bytes.
// - A is the pixel's effective opacity: 255 for opaque images; for icons and cursors the alpha channel
//   or the AND mask; for CSkinImage the alpha channel scaled by the global alpha maximum and by the palette
//   entry's alpha, and 0 for a pixel equal to the transparent colour or palette index (see
//   CSkinImage::EffectiveAlpha). Drawing with these values and dest * (255 - a) / 256 + src * a / 256 gives
//   the image's own blend.
// - PixelBGRA() returns false (and leaves out untouched) outside the image or for an empty image.
// - ToBgra32() returns Width() * Height() * 4 bytes, rows top-down without padding, the same values as
//   PixelBGRA(); an empty vector for an empty image (or when that memory cannot be had).
// - Everything is const and thread-compatible: a decoded image may be shared between threads read-only.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Picture kinds, told from the name by GetImageKind (EnBitmap.h). The numbers are part of the skin design
// and decide how a picture is drawn.
enum ImageKind : int {
    kImageBmp = 0,
    kImageIcon = 1,
    kImageCursor = 2,
    kImagePng = 3,
    kImageJpeg = 4,
    kImageGif = 5,
    kImageTga = 6,
    kImageAniCursor = 7,
    kImageOther = 8,
};

// Limits against hostile sizes: every decoder refuses larger images before allocating. Pixel memory is
// counted as 4 bytes per pixel, the size the drawing layer needs for the image in any case.
inline constexpr int kMaxImageDimension = 16384;
inline constexpr uint64_t kMaxImagePixelBytes = uint64_t(256) << 20;

// The pixel memory counted for an image, 4 bytes per pixel; 0 for negative sizes, and no overflow for
// any 32-bit width and height.
inline uint64_t ImagePixelBytes(int64_t width, int64_t height) {
    return width <= 0 || height <= 0 ? 0 : uint64_t(width) * uint64_t(height) * 4;
}

// Empty text when width x height is acceptable, else the reason (for error texts).
std::string CheckImageSize(int64_t width, int64_t height);

class CEnBitmap {
public:
    virtual ~CEnBitmap() = default;

    int Kind() const { return m_kind; }
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }

    // Why the image is empty (decoder error), or empty text. Kept to 255 characters, like the fixed
    // buffer it was designed for.
    const std::string& ErrorText() const { return m_error; }
    void SetErrorText(std::string_view text);

    // True when some pixel may have an effective alpha below 255 (so the drawing layer can pick an
    // opaque fast path when false).
    virtual bool HasTransparency() const = 0;

    virtual bool PixelBGRA(int x, int y, uint8_t out[4]) const = 0;
    virtual std::vector<uint8_t> ToBgra32() const = 0;

    // Drops the pixels; the image becomes empty and keeps its kind.
    virtual void Release() = 0;

protected:
    explicit CEnBitmap(int kind) : m_kind(kind) {}
    CEnBitmap(const CEnBitmap&) = default;
    CEnBitmap& operator=(const CEnBitmap&) = default;

    int m_kind;
    std::string m_error;
};
