#include "Helpers/EnBitmap.h"

#include <cstdio>
#include <new>
#include <string>
#include <vector>

std::string CheckImageSize(int64_t width, int64_t height) {
    char text[160];
    if (width <= 0 || height <= 0) {
        std::snprintf(text, sizeof text, "image has no pixels (%lld x %lld)", static_cast<long long>(width),
                      static_cast<long long>(height));
        return text;
    }
    if (width > kMaxImageDimension || height > kMaxImageDimension ||
        ImagePixelBytes(width, height) > kMaxImagePixelBytes) {
        std::snprintf(text, sizeof text, "image too large (%lld x %lld; at most %d x %d pixels and %llu MiB)",
                      static_cast<long long>(width), static_cast<long long>(height), kMaxImageDimension,
                      kMaxImageDimension, static_cast<unsigned long long>(kMaxImagePixelBytes >> 20));
        return text;
    }
    return {};
}

void CEnBitmap::SetErrorText(std::string_view text) { m_error.assign(text.substr(0, 255)); }

int GetImageKind(std::string_view name) {
    std::string upper(name);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    static constexpr struct {
        const char* text;
        int kind;
    } kTable[] = {
        {".BMP", kImageBmp},  {".ICO", kImageIcon}, {".CUR", kImageCursor}, {".ANI", kImageAniCursor},
        {".JPG", kImageJpeg}, {".JPEG", kImageJpeg}, {".GIF", kImageGif},   {".TGA", kImageTga},
        {".PNG", kImagePng},
    };
    // Searching from position 1 finds any occurrence that does not start at the first character.
    for (const auto& entry : kTable)
        if (upper.find(entry.text, 1) != std::string::npos)
            return entry.kind;
    return kImageOther;
}

std::unique_ptr<CEnBitmap> MakeEmptyImage(int kind) {
    switch (kind) {
    case kImageBmp:
    case kImageIcon:
    case kImageCursor:
    case kImageAniCursor: return std::make_unique<CWinBitmap>(kind);
    case kImagePng: return std::make_unique<CSkinImagePNG>();
    case kImageTga: return std::make_unique<CSkinImageTGA>();
    default: return nullptr;
    }
}

namespace {

std::unique_ptr<CEnBitmap> DecodeByKind(int kind, const uint8_t* data, size_t size, CPixelCharge* charge) {
    std::unique_ptr<CEnBitmap> image = MakeEmptyImage(kind);
    if (!image)
        return nullptr;
    static const uint8_t kNothing = 0;
    if (!data)
        data = &kNothing, size = 0;
    if (auto* win = dynamic_cast<CWinBitmap*>(image.get())) {
        win->LoadByKind(data, size, charge);
    } else {
        CMemFileEx stream(data, size);
        static_cast<CSkinImage*>(image.get())
            ->Decode(stream, kind == kImagePng ? CSkinImage::kTypePng : CSkinImage::kTypeTga, charge);
    }
    return image;
}

std::unique_ptr<CEnBitmap> FailedImage(int kind, std::string_view reason) {
    std::unique_ptr<CEnBitmap> image = MakeEmptyImage(kind);
    image->SetErrorText(reason);
    return image;
}

}  // namespace

std::unique_ptr<CEnBitmap> LoadImageMemory(std::string_view name, const uint8_t* data, size_t size,
                                           CPixelCharge* charge) {
    return DecodeByKind(GetImageKind(name), data, size, charge);
}

std::unique_ptr<CEnBitmap> LoadImageFile(const std::filesystem::path& path) {
    // Only the file name decides: a directory called "x.bmp" must not turn a PNG inside it into a BMP
    // (the same picture is later decoded by its entry name, which has no directory).
    const int kind = GetImageKind(path.filename().string());
    if (!MakeEmptyImage(kind))
        return nullptr;

    CIOFile file;
    if (!file.Open(path, "rb"))
        return FailedImage(kind, "cannot open the file");

    if (kind == kImagePng || kind == kImageTga) {
        auto image = kind == kImagePng ? std::unique_ptr<CSkinImage>(std::make_unique<CSkinImagePNG>())
                                       : std::unique_ptr<CSkinImage>(std::make_unique<CSkinImageTGA>());
        image->Decode(file, kind == kImagePng ? CSkinImage::kTypePng : CSkinImage::kTypeTga);
        return image;
    }

    const int64_t size = file.Size();
    if (size < 0)
        return FailedImage(kind, "cannot read the file");
    if (uint64_t(size) > kMaxImageFileBytes)
        return FailedImage(kind, "file too large");
    std::vector<uint8_t> bytes;
    try {
        bytes.resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        return FailedImage(kind, "not enough memory to read the file");
    }
    if (file.Read(bytes.data(), bytes.size()) != bytes.size())
        return FailedImage(kind, "cannot read the file");
    return DecodeByKind(kind, bytes.data(), bytes.size(), nullptr);
}
