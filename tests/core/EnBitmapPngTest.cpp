// The PNG reader: every colour type and bit depth, interlacing, tRNS, bKGD, pHYs, errors and limits.

#include <gtest/gtest.h>

#include <png.h>

#include "EnBitmapTestUtil.h"
#include "Helpers/EnBitmap.h"

using namespace imgtest;

namespace {

std::unique_ptr<CSkinImagePNG> Decode(const Bytes& file) {
    auto image = std::make_unique<CSkinImagePNG>();
    CMemFileEx stream(file.data(), file.size());
    image->Decode(stream);
    return image;
}

int ChannelsOf(int colorType) {
    switch (colorType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
    default: return 1;
    }
}

// A deterministic sample in range for the depth.
uint16_t Sample(int x, int y, int c, int depth) {
    const uint32_t v = uint32_t(x * 7 + y * 13 + c * 5 + 3) * (depth == 16 ? 2731u : 37u);
    return uint16_t(v % (1u << depth));
}

PngParts Gradient(int colorType, int depth, int w, int h) {
    PngParts s;
    s.width = w;
    s.height = h;
    s.colorType = colorType;
    s.bitDepth = depth;
    const int channels = ChannelsOf(colorType);
    for (int y = 0; y < h; ++y) {
        s.samples.emplace_back();
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < channels; ++c)
                s.samples.back().push_back(Sample(x, y, c, depth));
    }
    if (colorType == PNG_COLOR_TYPE_PALETTE)
        for (int i = 0; i < (1 << depth); ++i)
            s.palette.push_back({uint8_t(i * 11), uint8_t(255 - i), uint8_t(i * 3 + 1)});
    return s;
}

uint32_t Rgb(const CSkinImage& im, int x, int y) {
    const RgbQuad c = im.PixelColor(x, y);
    return uint32_t(c.rgbRed) << 16 | uint32_t(c.rgbGreen) << 8 | c.rgbBlue;
}

uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r << 16 | g << 8 | b; }

}  // namespace

struct PngFormat {
    int colorType;
    int depth;
    int expectedBpp;
};

class PngFormats : public testing::TestWithParam<PngFormat> {};

TEST_P(PngFormats, DecodeToTheDocumentedLayout) {
    const PngFormat f = GetParam();
    const PngParts parts = Gradient(f.colorType, f.depth, 7, 3);
    const auto im = Decode(MakePng(parts));
    ASSERT_FALSE(im->IsEmpty()) << im->ErrorText();
    EXPECT_EQ(im->Bpp(), f.expectedBpp);
    EXPECT_EQ(im->ImageType(), CSkinImage::kTypePng);
    const bool alpha = f.colorType == PNG_COLOR_TYPE_GRAY_ALPHA || f.colorType == PNG_COLOR_TYPE_RGB_ALPHA;
    EXPECT_EQ(im->HasAlphaChannel(), alpha);
    const int shift = f.depth == 16 ? 8 : 0;
    const int greyScale = f.depth == 1 ? 255 : f.depth == 2 ? 85 : f.depth == 4 ? 17 : 1;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) {
            const std::vector<uint16_t>& row = parts.samples[size_t(y)];
            const int ch = ChannelsOf(f.colorType);
            auto s = [&](int c) { return uint32_t(row[size_t(x * ch + c)] >> shift); };
            uint32_t expected = 0;
            switch (f.colorType) {
            case PNG_COLOR_TYPE_PALETTE: {
                const auto& p = parts.palette[s(0)];
                expected = Rgb(p[0], p[1], p[2]);
                break;
            }
            case PNG_COLOR_TYPE_GRAY:
            case PNG_COLOR_TYPE_GRAY_ALPHA: {
                const uint32_t g = s(0) * uint32_t(greyScale);
                expected = Rgb(g, g, g);
                break;
            }
            default: expected = Rgb(s(0), s(1), s(2)); break;
            }
            EXPECT_EQ(Rgb(*im, x, y), expected) << "at " << x << "," << y;
            EXPECT_EQ(im->PixelAlpha(x, y), alpha ? s(ch - 1) : 255u);
        }
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, PngFormats,
    testing::Values(PngFormat{PNG_COLOR_TYPE_GRAY, 1, 1}, PngFormat{PNG_COLOR_TYPE_GRAY, 2, 4},
                    PngFormat{PNG_COLOR_TYPE_GRAY, 4, 4}, PngFormat{PNG_COLOR_TYPE_GRAY, 8, 8},
                    PngFormat{PNG_COLOR_TYPE_GRAY, 16, 8}, PngFormat{PNG_COLOR_TYPE_PALETTE, 1, 1},
                    PngFormat{PNG_COLOR_TYPE_PALETTE, 2, 4}, PngFormat{PNG_COLOR_TYPE_PALETTE, 4, 4},
                    PngFormat{PNG_COLOR_TYPE_PALETTE, 8, 8}, PngFormat{PNG_COLOR_TYPE_GRAY_ALPHA, 8, 8},
                    PngFormat{PNG_COLOR_TYPE_GRAY_ALPHA, 16, 8}, PngFormat{PNG_COLOR_TYPE_RGB, 8, 24},
                    PngFormat{PNG_COLOR_TYPE_RGB, 16, 24}, PngFormat{PNG_COLOR_TYPE_RGB_ALPHA, 8, 24},
                    PngFormat{PNG_COLOR_TYPE_RGB_ALPHA, 16, 24}));

TEST(PngDecode, InterlacedImagesMatchTheirPlainTwins) {
    for (auto [type, depth] : {std::pair{PNG_COLOR_TYPE_RGB_ALPHA, 8}, std::pair{PNG_COLOR_TYPE_GRAY, 1},
                               std::pair{PNG_COLOR_TYPE_PALETTE, 4}, std::pair{PNG_COLOR_TYPE_GRAY_ALPHA, 16}}) {
        PngParts parts = Gradient(type, depth, 13, 11);
        const auto plain = Decode(MakePng(parts));
        parts.interlace = true;
        const Bytes interlacedFile = MakePng(parts);
        const auto interlaced = Decode(interlacedFile);
        ASSERT_FALSE(plain->IsEmpty()) << plain->ErrorText();
        ASSERT_FALSE(interlaced->IsEmpty()) << interlaced->ErrorText();
        EXPECT_EQ(interlacedFile[28], 1) << "the file really is interlaced";
        EXPECT_EQ(interlaced->ToBgra32(), plain->ToBgra32()) << type << "/" << depth;
        if (plain->HasAlphaChannel()) {
            EXPECT_TRUE(std::equal(plain->AlphaBits(), plain->AlphaBits() + 13 * 11, interlaced->AlphaBits()));
        }
    }
}

TEST(PngDecode, PaletteTransparency) {
    PngParts parts = Gradient(PNG_COLOR_TYPE_PALETTE, 2, 4, 1);
    parts.samples = {{0, 1, 2, 3}};

    parts.paletteAlpha = {0, 128};  // several entries: palette alpha, the rest opaque
    auto im = Decode(MakePng(parts));
    ASSERT_FALSE(im->IsEmpty()) << im->ErrorText();
    EXPECT_TRUE(im->PaletteHasAlpha());
    EXPECT_EQ(im->TransparentIndex(), -1);
    EXPECT_EQ(im->Palette()[0].rgbReserved, 0);
    EXPECT_EQ(im->Palette()[1].rgbReserved, 128);
    EXPECT_EQ(im->Palette()[2].rgbReserved, 255);
    EXPECT_EQ(im->Palette()[15].rgbReserved, 255);
    EXPECT_EQ(im->EffectiveAlpha(0, 0), 0);
    EXPECT_EQ(im->EffectiveAlpha(1, 0), 128);
    EXPECT_EQ(im->EffectiveAlpha(3, 0), 255);

    parts.paletteAlpha = {0};  // one fully transparent entry: the transparent index
    im = Decode(MakePng(parts));
    EXPECT_EQ(im->TransparentIndex(), 0);
    EXPECT_FALSE(im->PaletteHasAlpha());
    EXPECT_EQ(im->EffectiveAlpha(0, 0), 0);
    EXPECT_EQ(im->EffectiveAlpha(1, 0), 255);

    parts.paletteAlpha = {100};  // one partly transparent entry keeps its partial alpha
    im = Decode(MakePng(parts));
    EXPECT_EQ(im->TransparentIndex(), -1);
    EXPECT_TRUE(im->PaletteHasAlpha());
    EXPECT_EQ(im->EffectiveAlpha(0, 0), 100);
    EXPECT_EQ(im->EffectiveAlpha(2, 0), 255);
}

TEST(PngDecode, GreyTransparencySetsTheTransparentIndex) {
    PngParts parts = Gradient(PNG_COLOR_TYPE_GRAY, 8, 3, 1);
    parts.samples = {{10, 77, 200}};
    parts.transColor = std::array<uint16_t, 3>{77, 0, 0};
    auto im = Decode(MakePng(parts));
    ASSERT_FALSE(im->IsEmpty()) << im->ErrorText();
    EXPECT_EQ(im->TransparentIndex(), 77);
    EXPECT_EQ(im->EffectiveAlpha(0, 0), 255);
    EXPECT_EQ(im->EffectiveAlpha(1, 0), 0);

    parts.bitDepth = 16;
    parts.samples = {{0x0A00, 0x4D12, 0xC800}};
    parts.transColor = std::array<uint16_t, 3>{0x4D12, 0, 0};
    im = Decode(MakePng(parts));
    EXPECT_EQ(im->TransparentIndex(), 0x4D);

    parts.bitDepth = 2;
    parts.samples = {{0, 2, 3}};
    parts.transColor = std::array<uint16_t, 3>{2, 0, 0};
    im = Decode(MakePng(parts));
    EXPECT_EQ(im->TransparentIndex(), 2);
    EXPECT_EQ(Rgb(*im, 1, 0), 0xAAAAAAu);
    EXPECT_EQ(im->EffectiveAlpha(1, 0), 0);
}

TEST(PngDecode, RgbKeyColourFromTrnsOrBackground) {
    PngParts parts = Gradient(PNG_COLOR_TYPE_RGB, 8, 2, 1);
    parts.samples = {{255, 0, 255, 1, 2, 3}};
    parts.background = std::array<uint16_t, 3>{255, 0, 255};
    auto im = Decode(MakePng(parts));
    ASSERT_FALSE(im->IsEmpty()) << im->ErrorText();
    EXPECT_EQ(im->TransparentColor(), 0xFF00FF);
    EXPECT_TRUE(im->HasTransparency());
    EXPECT_EQ(im->EffectiveAlpha(0, 0), 0);
    EXPECT_EQ(im->EffectiveAlpha(1, 0), 255);

    // The image's own transparency chunk takes precedence over the background colour.
    parts.transColor = std::array<uint16_t, 3>{1, 2, 3};
    im = Decode(MakePng(parts));
    EXPECT_EQ(im->TransparentColor(), 0x030201);
    EXPECT_EQ(im->EffectiveAlpha(0, 0), 255);
    EXPECT_EQ(im->EffectiveAlpha(1, 0), 0);

    parts.bitDepth = 16;
    parts.samples = {{0xFF00, 0, 0xFF00, 0x0100, 0x0200, 0x0300}};
    parts.transColor = std::array<uint16_t, 3>{0x0111, 0x0222, 0x0333};
    parts.background.reset();
    im = Decode(MakePng(parts));
    EXPECT_EQ(im->TransparentColor(), 0x030201);

    // No key colour for images that carry alpha, nor without either chunk.
    PngParts rgba = Gradient(PNG_COLOR_TYPE_RGB_ALPHA, 8, 2, 1);
    rgba.background = std::array<uint16_t, 3>{1, 2, 3};
    EXPECT_EQ(Decode(MakePng(rgba))->TransparentColor(), -1);
    const auto plain = Decode(MakePng(Gradient(PNG_COLOR_TYPE_RGB, 8, 2, 1)));
    EXPECT_EQ(plain->TransparentColor(), -1);
    EXPECT_FALSE(plain->HasTransparency());
}

TEST(PngDecode, PhysicalSizeBecomesDotsPerInch) {
    PngParts parts = Gradient(PNG_COLOR_TYPE_GRAY, 8, 1, 1);
    auto im = Decode(MakePng(parts));
    EXPECT_EQ(im->XDpi(), 96);
    parts.physPerMeter = std::array<uint32_t, 2>{11811, 3780};
    im = Decode(MakePng(parts));
    ASSERT_FALSE(im->IsEmpty()) << im->ErrorText();
    EXPECT_EQ(im->XDpi(), 300);
    EXPECT_EQ(im->YDpi(), 96);
    EXPECT_EQ(im->Header().biXPelsPerMeter, 11811);
    EXPECT_EQ(im->Header().biYPelsPerMeter, 3780);
}

TEST(PngDecode, FailuresCarryTheirReason) {
    const Bytes good = MakePng(Gradient(PNG_COLOR_TYPE_RGB, 8, 20, 20));

    Bytes cut(good.begin(), good.begin() + long(good.size() / 2));
    auto im = Decode(cut);
    EXPECT_TRUE(im->IsEmpty());
    EXPECT_EQ(im->ErrorText(), "Read Error");

    Bytes notPng = good;
    notPng[1] = 'Q';
    im = Decode(notPng);
    EXPECT_TRUE(im->IsEmpty());
    EXPECT_EQ(im->ErrorText(), "Not a PNG file");

    Bytes badCrc = good;
    badCrc[20] ^= 0x01;  // inside IHDR
    im = Decode(badCrc);
    EXPECT_TRUE(im->IsEmpty());
    EXPECT_NE(im->ErrorText().find("CRC"), std::string::npos) << im->ErrorText();

    im = Decode(MakePngHeaderOnly(20000, 10));
    EXPECT_TRUE(im->IsEmpty());
    EXPECT_EQ(im->ErrorText().rfind("image too large", 0), 0u) << im->ErrorText();

    // Allowed dimensions, but a few bytes cannot hold 8000 x 8000 pixels: refused before allocating.
    im = Decode(MakePngHeaderOnly(8000, 8000));
    EXPECT_EQ(im->ErrorText(), "PNG data too short for the image size");
    im = Decode(MakePngHeaderOnly(4, 4));
    EXPECT_EQ(im->ErrorText(), "Read Error");
}

TEST(PngDecode, EveryTruncationInsideTheImageDataFails) {
    PngParts parts = Gradient(PNG_COLOR_TYPE_RGB_ALPHA, 8, 5, 4);
    parts.interlace = true;
    parts.paletteAlpha.clear();
    const Bytes file = MakePng(parts);
    auto decode = [](const uint8_t* d, size_t n) {
        CSkinImagePNG im;
        CMemFileEx stream(d, n);
        return im.Decode(stream);
    };
    // Only the prefixes that lack nothing but (part of) the 12-byte IEND chunk still hold the picture.
    EXPECT_EQ(DecodeEveryPrefix(file, decode), 12u);
}

TEST(SkinImageDecode, TypeZeroTriesPngThenTga) {
    const Bytes png = MakePng(Gradient(PNG_COLOR_TYPE_GRAY, 8, 2, 2));
    const Bytes tga = MakeTga(TgaParts{2, 24, 1, 1, 0, "", 0, 0, {}, {1, 2, 3}});
    const Bytes junk = {1, 2, 3, 4, 5};

    CSkinImage image(kImagePng);
    CMemFileEx pngStream(png.data(), png.size());
    EXPECT_TRUE(image.Decode(pngStream, CSkinImage::kTypeAny)) << image.ErrorText();
    EXPECT_EQ(image.ImageType(), CSkinImage::kTypePng);

    CMemFileEx tgaStream(tga.data(), tga.size());
    EXPECT_TRUE(image.Decode(tgaStream, CSkinImage::kTypeAny)) << image.ErrorText();
    EXPECT_EQ(image.ImageType(), CSkinImage::kTypeTga);
    EXPECT_EQ(image.PixelColor(0, 0).rgbRed, 3);

    CMemFileEx junkStream(junk.data(), junk.size());
    junkStream.Seek(1, SEEK_SET);
    EXPECT_FALSE(image.Decode(junkStream, CSkinImage::kTypeAny));
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_EQ(image.ErrorText(), "Not a TGA");
    EXPECT_EQ(junkStream.Tell(), 1) << "the stream is put back where decoding started";

    CMemFileEx again(png.data(), png.size());
    EXPECT_FALSE(image.Decode(again, 3));
    EXPECT_EQ(image.ErrorText(), "Decode: Unknown or wrong format");
}
