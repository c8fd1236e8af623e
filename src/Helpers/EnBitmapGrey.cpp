#include "Helpers/EnBitmapGrey.h"

#include "Helpers/EnBitmapWin.h"

std::shared_ptr<const CEnBitmap> MakeGreyCopy(const CEnBitmap& image) {
    const int kind = image.Kind();
    if (kind == kImageIcon || kind == kImageCursor || kind == kImageAniCursor || image.IsEmpty()) return nullptr;
    std::vector<uint8_t> pixels = image.ToBgra32();
    if (pixels.empty()) return nullptr;
    for (size_t i = 0; i + 3 < pixels.size(); i += 4) {
        const int b = pixels[i], g = pixels[i + 1], r = pixels[i + 2];
        const bool key = r == 255 && g == 0 && b == 255;
        if (key || (r == g && g == b)) continue;
        // 0.30 R + 0.59 G + 0.11 B, truncated; integer arithmetic keeps exact results exact.
        const auto grey = static_cast<uint8_t>((30 * r + 59 * g + 11 * b) / 100);
        pixels[i] = pixels[i + 1] = pixels[i + 2] = grey;
    }
    return CWinBitmap::FromBgra(kind, image.Width(), image.Height(), std::move(pixels), image.HasTransparency());
}
