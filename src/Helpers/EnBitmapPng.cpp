// The PNG reader on libpng. libpng reports errors by longjmp, so the function that calls setjmp and every
// libpng call below it keep no object with a destructor on their frames: buffers live in the caller and
// in the image, messages in a plain char array.

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "Helpers/EnBitmapSkinImage.h"

namespace {

struct PngContext {
    CFileEx* stream = nullptr;
    CSkinImage* image = nullptr;
    std::vector<uint8_t>* buffer = nullptr;  // owned by ReadPng's frame, outside the setjmp region
    char error[256] = {};
};

void SetContextError(PngContext* ctx, const char* text) { std::snprintf(ctx->error, sizeof ctx->error, "%s", text); }

[[noreturn]] void OnPngError(png_structp png, png_const_charp message) {
    SetContextError(static_cast<PngContext*>(png_get_error_ptr(png)), message ? message : "PNG error");
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void OnPngRead(png_structp png, png_bytep data, size_t length) {
    auto* ctx = static_cast<PngContext*>(png_get_io_ptr(png));
    if (ctx->stream->Read(data, length) != length)
        png_error(png, "Read Error");
}

// --- C++ work, called between libpng calls; none of these calls libpng ---

// Deflate cannot shrink data by more than 1032:1, so a stream shorter than the filtered rows / 1032 cannot
// hold the image; refusing it up front keeps a few bytes from costing hundreds of MB.
constexpr uint64_t kMaxDeflateRatio = 1032;

bool CreateImage(PngContext* ctx, png_uint_32 width, png_uint_32 height, int bitDepth, int channels, int bpp) {
    const std::string limit = CheckImageSize(int64_t(width), int64_t(height));
    if (!limit.empty()) {
        SetContextError(ctx, limit.c_str());
        return false;
    }
    const uint64_t filteredRows = uint64_t(height) * ((uint64_t(width) * bitDepth * channels + 7) / 8 + 1);
    const int64_t remaining = ctx->stream->Remaining();
    if (remaining >= 0 && uint64_t(remaining) * kMaxDeflateRatio < filteredRows) {
        SetContextError(ctx, "PNG data too short for the image size");
        return false;
    }
    if (!ctx->image->Create(int(width), int(height), bpp, CSkinImage::kTypePng)) {
        SetContextError(ctx, ctx->image->ErrorText().c_str());
        return false;
    }
    return true;
}

bool AllocateBuffer(PngContext* ctx, size_t bytes) {
    try {
        ctx->buffer->resize(bytes);
    } catch (const std::bad_alloc&) {
        SetContextError(ctx, "CSkinImage::Create can't allocate memory");
        return false;
    }
    return true;
}

// Stores row y (top-down) as libpng delivers it after the transformations set up below: one byte per
// sample, colour as B G R, alpha last.
void StoreRow(CSkinImage& image, int channels, int y, const uint8_t* src) {
    const int w = image.Width(), h = image.Height();
    uint8_t* dst = image.StorageRow(h - 1 - y);
    uint8_t* alpha = image.HasAlphaChannel() ? image.AlphaBits() + size_t(h - 1 - y) * size_t(w) : nullptr;
    switch (channels) {
    case 1:
        if (image.Bpp() == 8) {
            std::memcpy(dst, src, size_t(w));
        } else {
            std::memset(dst, 0, image.RowBytes());
            const int bpp = image.Bpp(), perByte = 8 / bpp, mask = (1 << bpp) - 1;
            for (int x = 0; x < w; ++x)
                dst[x / perByte] |= uint8_t((src[x] & mask) << ((perByte - 1 - x % perByte) * bpp));
        }
        break;
    case 2:
        for (int x = 0; x < w; ++x) {
            dst[x] = src[2 * x];
            alpha[x] = src[2 * x + 1];
        }
        break;
    case 3: std::memcpy(dst, src, size_t(w) * 3); break;
    default:
        for (int x = 0; x < w; ++x) {
            std::memcpy(dst + 3 * x, src + 4 * x, 3);
            alpha[x] = src[4 * x + 3];
        }
        break;
    }
}

void ApplyChunks(CSkinImage& image, png_structp png, png_infop info, int colorType, int bitDepth) {
    png_uint_32 resX = 0, resY = 0;
    int unit = 0;
    if (png_get_pHYs(png, info, &resX, &resY, &unit) && unit == PNG_RESOLUTION_METER) {
        image.SetXDpi(int((uint64_t(resX) * 254 + 5000) / 10000));
        image.SetYDpi(int((uint64_t(resY) * 254 + 5000) / 10000));
    }

    RgbQuad* palette = image.Palette();
    const int paletteSize = image.PaletteSize();
    png_colorp pngPalette = nullptr;
    int pngColors = 0;
    if (colorType == PNG_COLOR_TYPE_PALETTE && png_get_PLTE(png, info, &pngPalette, &pngColors)) {
        for (int i = 0; i < std::min(pngColors, paletteSize); ++i)
            palette[i] = RgbQuad{pngPalette[i].blue, pngPalette[i].green, pngPalette[i].red, 0};
    } else if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth == 2) {
        for (int i = 0; i < 4; ++i)
            palette[i] = RgbQuad{uint8_t(i * 85), uint8_t(i * 85), uint8_t(i * 85), 0};
    } else {
        image.SetGrayPalette();
    }

    // 16-bit samples are cut to their high byte, so key values are too.
    const int shift = bitDepth == 16 ? 8 : 0;
    png_bytep trans = nullptr;
    int transCount = 0;
    png_color_16p transColor = nullptr;
    bool colorKey = false;
    if (png_get_tRNS(png, info, &trans, &transCount, &transColor)) {
        if (colorType == PNG_COLOR_TYPE_PALETTE && transCount > 0 && palette) {
            if (transCount == 1 && trans[0] == 0) {
                image.SetTransparentIndex(0);
            } else {
                // Also for a single entry that is only partly transparent: a key index would drop it.
                for (int i = 0; i < paletteSize; ++i)
                    palette[i].rgbReserved = i < transCount ? trans[i] : 255;
                image.SetPaletteHasAlpha(true);
            }
        } else if (colorType == PNG_COLOR_TYPE_GRAY && transColor) {
            image.SetTransparentIndex(transColor->gray >> shift);
        } else if (colorType == PNG_COLOR_TYPE_RGB && transColor) {
            image.SetTransparentColor(int32_t(transColor->red >> shift) | int32_t(transColor->green >> shift) << 8 |
                                      int32_t(transColor->blue >> shift) << 16);
            colorKey = true;
        }
    }
    png_color_16p background = nullptr;
    if (colorType == PNG_COLOR_TYPE_RGB && !colorKey && png_get_bKGD(png, info, &background) && background)
        image.SetTransparentColor(int32_t(background->red >> shift) | int32_t(background->green >> shift) << 8 |
                                  int32_t(background->blue >> shift) << 16);
}

// No object with a destructor may live on this frame: libpng leaves it by longjmp.
bool ReadProtected(png_structp png, png_infop info, PngContext* ctx) {
    if (setjmp(png_jmpbuf(png)))
        return false;

    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colorType = 0, interlace = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, &interlace, nullptr, nullptr);

    int channels;
    switch (colorType) {
    case PNG_COLOR_TYPE_GRAY:
    case PNG_COLOR_TYPE_PALETTE: channels = 1; break;
    case PNG_COLOR_TYPE_GRAY_ALPHA: channels = 2; break;
    case PNG_COLOR_TYPE_RGB: channels = 3; break;
    case PNG_COLOR_TYPE_RGB_ALPHA: channels = 4; break;
    default: SetContextError(ctx, "unknown PNG color type"); return false;
    }
    const int bpp = channels == 1 ? std::min(bitDepth, 8) : channels == 2 ? 8 : 24;
    if (!CreateImage(ctx, width, height, bitDepth, channels, bpp))
        return false;
    CSkinImage& image = *ctx->image;
    ApplyChunks(image, png, info, colorType, bitDepth);
    if (channels == 2 || channels == 4) {
        if (!image.AlphaCreate()) {
            SetContextError(ctx, "CSkinImage::Create can't allocate memory");
            return false;
        }
    }

    if (bitDepth == 16)
        png_set_strip_16(png);
    if (bitDepth < 8)
        png_set_packing(png);
    if (colorType == PNG_COLOR_TYPE_RGB || colorType == PNG_COLOR_TYPE_RGB_ALPHA)
        png_set_bgr(png);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    if (rowBytes < size_t(width) * size_t(channels)) {
        SetContextError(ctx, "unexpected PNG row size");
        return false;
    }

    // An interlaced image needs all its rows while the passes fill them in; rowBytes * height stays within
    // the pixel limit because both are at most 4 bytes per pixel.
    const size_t rows = passes > 1 ? size_t(height) : 1;
    if (!AllocateBuffer(ctx, rowBytes * rows))
        return false;
    uint8_t* buffer = ctx->buffer->data();
    for (int pass = 0; pass < passes; ++pass) {
        for (png_uint_32 y = 0; y < height; ++y) {
            if (image.IsCancelled()) {
                SetContextError(ctx, "Cancelled");
                return false;
            }
            uint8_t* row = buffer + (passes > 1 ? size_t(y) * rowBytes : 0);
            png_read_row(png, row, nullptr);
            if (passes == 1)
                StoreRow(image, channels, int(y), row);
        }
    }
    if (passes > 1)
        for (png_uint_32 y = 0; y < height; ++y)
            StoreRow(image, channels, int(y), buffer + size_t(y) * rowBytes);
    // Chunks after the image data are not read: the picture is complete, and a damaged trailer (or a
    // missing IEND) should not throw it away.
    return true;
}

}  // namespace

bool CSkinImagePNG::ReadPng(CSkinImage& image, CFileEx& stream, std::string& error) {
    PngContext ctx;
    std::vector<uint8_t> buffer;
    ctx.stream = &stream;
    ctx.image = &image;
    ctx.buffer = &buffer;

    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &ctx, OnPngError, OnPngWarning);
    if (!png) {
        error = "Failed to create PNG structure";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        error = "Failed to initialize PNG info structure";
        return false;
    }
    png_set_read_fn(png, &ctx, OnPngRead);
    const bool ok = ReadProtected(png, info, &ctx);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok) {
        image.Release();
        error = ctx.error[0] ? ctx.error : "Read Error";
    }
    return ok;
}
