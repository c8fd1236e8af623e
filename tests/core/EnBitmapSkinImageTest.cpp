// CSkinImage storage and blending values, and the streams the decoders read from.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "Helpers/EnBitmap.h"

struct CreateCase {
    int bitsAsked;
    int bpp;
    int paletteSize;
    size_t rowBytesForWidth5;
};

class SkinImageCreate : public testing::TestWithParam<CreateCase> {};

TEST_P(SkinImageCreate, RoundsBitsAndPadsRows) {
    const CreateCase c = GetParam();
    CSkinImage im(kImagePng);
    ASSERT_TRUE(im.Create(5, 3, c.bitsAsked, CSkinImage::kTypePng)) << im.ErrorText();
    EXPECT_EQ(im.Bpp(), c.bpp);
    EXPECT_EQ(im.PaletteSize(), c.paletteSize);
    EXPECT_EQ(im.RowBytes(), c.rowBytesForWidth5);
    const BitmapInfoHeader& h = im.Header();
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 5);
    EXPECT_EQ(h.biHeight, 3);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biCompression, 0u);
    EXPECT_EQ(h.biSizeImage, c.rowBytesForWidth5 * 3);
    EXPECT_EQ(h.biClrUsed, uint32_t(c.paletteSize));
    EXPECT_TRUE(std::all_of(im.Bits(), im.Bits() + im.RowBytes() * 3, [](uint8_t b) { return b == 0; }));
    EXPECT_FALSE(im.HasAlphaChannel());
}

INSTANTIATE_TEST_SUITE_P(Bits, SkinImageCreate,
                         testing::Values(CreateCase{0, 1, 2, 4}, CreateCase{1, 1, 2, 4}, CreateCase{2, 4, 16, 4},
                                         CreateCase{4, 4, 16, 4}, CreateCase{5, 8, 256, 8}, CreateCase{8, 8, 256, 8},
                                         CreateCase{9, 24, 0, 16}, CreateCase{16, 24, 0, 16},
                                         CreateCase{24, 24, 0, 16}, CreateCase{32, 24, 0, 16}));

TEST(SkinImage, CreateRefusesEmptyAndOversizedImagesAndForgetsThePreviousOne) {
    CSkinImage im(kImageTga);
    ASSERT_TRUE(im.Create(4, 4, 8, CSkinImage::kTypeTga));
    im.SetTransparentIndex(3);
    ASSERT_TRUE(im.AlphaCreate());

    EXPECT_FALSE(im.Create(0, 5, 8, CSkinImage::kTypeTga));
    EXPECT_EQ(im.ErrorText(), "CSkinImage::Create: image has no pixels (0 x 5)");
    EXPECT_TRUE(im.IsEmpty());
    EXPECT_FALSE(im.HasAlphaChannel());
    EXPECT_EQ(im.TransparentIndex(), -1);

    EXPECT_FALSE(im.Create(16385, 1, 24, CSkinImage::kTypeTga));
    EXPECT_EQ(im.ErrorText().rfind("CSkinImage::Create: image too large", 0), 0u) << im.ErrorText();
    EXPECT_FALSE(im.Create(9000, 9000, 1, CSkinImage::kTypeTga)) << "over 256 MiB at 4 bytes per pixel";
    EXPECT_TRUE(im.Create(16384, 16, 24, CSkinImage::kTypeTga)) << im.ErrorText();
    EXPECT_EQ(std::string(CSkinImage::kIdentification), "CSkinImage 5.99a");
}

TEST(SkinImage, EffectiveAlphaCombinesChannelMaximumPaletteAndKey) {
    CSkinImage im(kImagePng);
    ASSERT_TRUE(im.Create(3, 1, 8, CSkinImage::kTypePng));
    uint8_t* row = im.StorageRow(0);
    row[0] = 0;
    row[1] = 1;
    row[2] = 2;
    ASSERT_TRUE(im.AlphaCreate());
    im.AlphaBits()[0] = 200;
    EXPECT_EQ(im.EffectiveAlpha(0, 0), 200);
    EXPECT_EQ(im.EffectiveAlpha(1, 0), 255);

    im.SetAlphaMax(128);
    EXPECT_EQ(im.EffectiveAlpha(0, 0), 100);  // 200 * 129 / 256
    EXPECT_EQ(im.EffectiveAlpha(1, 0), 128);  // 255 * 129 / 256

    im.Palette()[0].rgbReserved = 100;
    im.Palette()[1].rgbReserved = 255;
    EXPECT_EQ(im.EffectiveAlpha(0, 0), 100) << "palette alpha counts only when the flag says so";
    im.SetPaletteHasAlpha(true);
    EXPECT_EQ(im.EffectiveAlpha(0, 0), 39);  // 100 * 101 / 256
    EXPECT_EQ(im.EffectiveAlpha(1, 0), 128);

    im.SetTransparentIndex(2);
    EXPECT_EQ(im.EffectiveAlpha(2, 0), 0);
    EXPECT_TRUE(im.HasTransparency());
}

TEST(SkinImage, KeyColourOnlyMatchesExactly) {
    CSkinImage im(kImagePng);
    ASSERT_TRUE(im.Create(2, 2, 24, CSkinImage::kTypePng));
    EXPECT_FALSE(im.HasTransparency());
    uint8_t* top = im.StorageRow(1);  // storage is bottom-up
    top[0] = 0xFF, top[1] = 0x00, top[2] = 0xFF;
    top[3] = 0xFE, top[4] = 0x00, top[5] = 0xFF;
    im.SetTransparentColor(0xFF00FF);
    EXPECT_TRUE(im.HasTransparency());
    EXPECT_EQ(im.EffectiveAlpha(0, 0), 0);
    EXPECT_EQ(im.EffectiveAlpha(1, 0), 255);
    EXPECT_EQ(im.EffectiveAlpha(0, 1), 255);
}

TEST(SkinImage, BulkPixelsMatchSinglePixels) {
    CSkinImage im(kImagePng);
    ASSERT_TRUE(im.Create(9, 4, 4, CSkinImage::kTypePng));
    for (int i = 0; i < 16; ++i)
        im.Palette()[i] = RgbQuad{uint8_t(i), uint8_t(i * 16), uint8_t(255 - i), uint8_t(i * 17)};
    for (int y = 0; y < 4; ++y)
        for (size_t b = 0; b < im.RowBytes(); ++b)
            im.StorageRow(y)[b] = uint8_t(b * 0x37 + y * 0x11);
    ASSERT_TRUE(im.AlphaCreate());
    for (int i = 0; i < 36; ++i)
        im.AlphaBits()[i] = uint8_t(i * 7);
    im.SetPaletteHasAlpha(true);
    im.SetTransparentIndex(5);
    im.SetAlphaMax(200);

    const std::vector<uint8_t> all = im.ToBgra32();
    ASSERT_EQ(all.size(), 9u * 4 * 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 9; ++x) {
            uint8_t px[4];
            ASSERT_TRUE(im.PixelBGRA(x, y, px));
            EXPECT_TRUE(std::equal(px, px + 4, all.begin() + (y * 9 + x) * 4)) << x << "," << y;
            EXPECT_EQ(px[3], im.EffectiveAlpha(x, y));
        }
    uint8_t px[4];
    EXPECT_FALSE(im.PixelBGRA(9, 0, px));
    EXPECT_FALSE(im.PixelBGRA(0, 4, px));
    im.Release();
    EXPECT_TRUE(im.ToBgra32().empty());
    EXPECT_FALSE(im.PixelBGRA(0, 0, px));
}

TEST(SkinImage, MirrorAndAlphaFlipWorkOnPackedPixels) {
    for (int bpp : {1, 4, 8, 24}) {
        CSkinImage im(kImageTga);
        ASSERT_TRUE(im.Create(11, 2, bpp, CSkinImage::kTypeTga));
        if (bpp <= 8)
            for (int i = 0; i < im.PaletteSize(); ++i)
                im.Palette()[i] = RgbQuad{uint8_t(i), uint8_t(i), uint8_t(i), 0};
        for (int y = 0; y < 2; ++y)
            for (size_t b = 0; b < im.RowBytes(); ++b)
                im.StorageRow(y)[b] = uint8_t(b * 0x5B + y);
        ASSERT_TRUE(im.AlphaCreate());
        for (int i = 0; i < 22; ++i)
            im.AlphaBits()[i] = uint8_t(i);
        std::vector<RgbQuad> before;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 11; ++x)
                before.push_back(im.PixelColor(x, y));
        im.Mirror();
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 11; ++x) {
                const RgbQuad& want = before[size_t(y * 11 + 10 - x)];
                EXPECT_EQ(im.PixelColor(x, y).rgbBlue, want.rgbBlue) << bpp << " at " << x << "," << y;
                EXPECT_EQ(im.PixelColor(x, y).rgbRed, want.rgbRed);
            }
        EXPECT_EQ(im.AlphaBits()[0], 10);
        EXPECT_EQ(im.AlphaBits()[11], 21);
        im.AlphaFlip();
        EXPECT_EQ(im.AlphaBits()[0], 21);
        EXPECT_EQ(im.AlphaBits()[11], 10);
    }
}

TEST(Streams, MemoryStreamStaysInsideItsBytes) {
    const uint8_t bytes[5] = {1, 2, 3, 4, 5};
    CMemFileEx s(bytes, sizeof bytes);
    uint8_t out[8] = {};
    EXPECT_EQ(s.Read(out, 3), 3u);
    EXPECT_EQ(s.Remaining(), 2);
    EXPECT_FALSE(s.Eof());
    EXPECT_EQ(s.Read(out, 8), 2u);
    EXPECT_EQ(out[1], 5);
    EXPECT_TRUE(s.Eof());
    EXPECT_EQ(s.Read(out, 1), 0u);
    EXPECT_FALSE(s.Seek(-6, SEEK_END));
    EXPECT_EQ(s.Tell(), 5);
    EXPECT_TRUE(s.Seek(-5, SEEK_END));
    EXPECT_EQ(s.Tell(), 0);
    EXPECT_TRUE(s.Seek(100, SEEK_CUR));
    EXPECT_TRUE(s.Eof());
    EXPECT_EQ(s.Remaining(), 0);
    EXPECT_EQ(s.Read(out, 1), 0u);
    EXPECT_FALSE(s.Seek(INT64_MAX, SEEK_CUR));
    EXPECT_FALSE(s.Seek(0, 42));
    EXPECT_EQ(s.Write(bytes, 1), 0u);
}

TEST(Streams, FileStreamReadsWritesAndReportsItsEnd) {
    const std::filesystem::path path = std::filesystem::path(testing::TempDir()) / "enbitmap_stream_test.bin";
    {
        CIOFile out;
        ASSERT_TRUE(out.Open(path, "wb"));
        EXPECT_EQ(out.Write("abcdef", 6), 6u);
        EXPECT_TRUE(out.Flush());
        EXPECT_TRUE(out.Close());
        EXPECT_FALSE(out.Close());
    }
    CIOFile in;
    ASSERT_TRUE(in.Open(path, "rb"));
    EXPECT_EQ(in.Size(), 6);
    char buf[8] = {};
    EXPECT_EQ(in.Read(buf, 6), 6u);
    EXPECT_TRUE(in.Eof()) << "the end is reached without a failed read";
    EXPECT_TRUE(in.Seek(2, SEEK_SET));
    EXPECT_FALSE(in.Seek(-3, SEEK_CUR));
    EXPECT_EQ(in.Tell(), 2);
    EXPECT_EQ(in.Read(buf, 1), 1u);
    EXPECT_EQ(buf[0], 'c');
    in.Close();
    std::filesystem::remove(path);

    CIOFile missing;
    EXPECT_FALSE(missing.Open(path, "rb"));
    EXPECT_EQ(missing.Read(buf, 1), 0u);
    EXPECT_EQ(missing.Size(), -1);
    EXPECT_TRUE(missing.Eof());
}
