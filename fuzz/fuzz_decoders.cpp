// libFuzzer target for the image decoders: the first byte picks the decoder and the rest is its input, or,
// built with VORNADESK_FUZZ_SELECTOR, one decoder takes every byte.
// Beyond not crashing, a decoded image must be self-consistent (size within the limits, pixel buffer
// of the advertised size).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Helpers/EnBitmap.h"
#include "Helpers/EnBitmapDecoders.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void CheckImage(const CEnBitmap& image) {
    if (image.IsEmpty()) {
        Check(image.ToBgra32().empty());
        return;
    }
    Check(image.Width() <= kMaxImageDimension && image.Height() <= kMaxImageDimension);
    const std::vector<uint8_t> pixels = image.ToBgra32();
    Check(pixels.size() == size_t(image.Width()) * size_t(image.Height()) * 4);
    uint8_t px[4];
    Check(image.PixelBGRA(image.Width() - 1, image.Height() - 1, px));
    Check(!image.PixelBGRA(image.Width(), 0, px));
}

void CheckBgra(bool ok, const enbitmap::BgraImage& image) {
    if (ok)
        Check(image.pixels.size() == size_t(image.width) * size_t(image.height) * 4);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
#ifdef VORNADESK_FUZZ_SELECTOR
    // A target of its own for one decoder: every byte is that decoder's input.
    const uint8_t selector = VORNADESK_FUZZ_SELECTOR;
#else
    if (size == 0)
        return 0;
    const uint8_t selector = data[0];
    ++data;
    --size;
#endif
    enbitmap::BgraImage bgra;
    std::string error;
    switch (selector % 8) {
    case 0: CheckBgra(enbitmap::DecodeBmpFile(data, size, bgra, error), bgra); break;
    case 1: CheckBgra(enbitmap::DecodeIconFile(data, size, bgra, error), bgra); break;
    case 2: CheckBgra(enbitmap::DecodeAniFile(data, size, bgra, error), bgra); break;
    case 3: CheckBgra(enbitmap::DecodeDib(data, size, SIZE_MAX, (selector & 8) != 0, bgra, error), bgra); break;
    case 4: {
        CSkinImagePNG png;
        CMemFileEx stream(data, size);
        png.Decode(stream);
        CheckImage(png);
        break;
    }
    case 5: {
        CSkinImageTGA tga;
        CMemFileEx stream(data, size);
        tga.Decode(stream);
        CheckImage(tga);
        break;
    }
    case 6: {
        CSkinImage any(kImagePng);
        CMemFileEx stream(data, size);
        any.Decode(stream, CSkinImage::kTypeAny);
        CheckImage(any);
        break;
    }
    default: {
        static const char* const kNames[] = {"a.bmp", "a.ico", "a.cur", "a.ani", "a.png", "a.tga"};
        if (auto image = LoadImageMemory(kNames[(selector >> 3) % 6], data, size))
            CheckImage(*image);
        break;
    }
    }
    return 0;
}
