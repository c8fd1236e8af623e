// BMP decoding: bit depths, header versions, palettes, bitfields, RLE, top-down rows and hostile input.

#include <gtest/gtest.h>

#include <cctype>
#include <climits>

#include "EnBitmapTestUtil.h"
#include "Helpers/EnBitmap.h"
#include "Helpers/EnBitmapDecoders.h"

using namespace imgtest;
using enbitmap::BgraImage;

namespace {

struct Result {
    bool ok = false;
    BgraImage image;
    std::string error;
};

Result DecodeBmp(const Bytes& file) {
    Result r;
    r.ok = enbitmap::DecodeBmpFile(file.data(), file.size(), r.image, r.error);
    return r;
}

// 0xAARRGGBB of the pixel at (x, y), top-down.
uint32_t Argb(const BgraImage& im, int x, int y) {
    const uint8_t* p = im.pixels.data() + (size_t(y) * im.width + x) * 4;
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

std::vector<uint32_t> Palette(size_t n) {
    std::vector<uint32_t> p;
    for (size_t i = 0; i < n; ++i)
        p.push_back(uint32_t((i * 37) & 0xFF) << 16 | uint32_t((i * 91 + 7) & 0xFF) << 8 | uint32_t(255 - i % 256));
    return p;
}

}  // namespace

class BmpPaletteDepth : public testing::TestWithParam<int> {};

TEST_P(BmpPaletteDepth, IndicesMapThroughPaletteAndRowsTurnTopDown) {
    const int bpp = GetParam();
    const int colors = 1 << bpp;
    const std::vector<uint32_t> palette = Palette(size_t(colors));
    std::vector<std::vector<uint32_t>> rows;
    for (int y = 0; y < 3; ++y) {
        rows.emplace_back();
        for (int x = 0; x < 11; ++x)
            rows.back().push_back(uint32_t((x * 3 + y * 5) % colors));
    }
    for (bool topDown : {false, true}) {
        DibParts s;
        s.width = 11;
        s.height = topDown ? -3 : 3;
        s.bpp = uint16_t(bpp);
        s.palette = palette;
        s.bits = PackRows(rows, bpp, topDown);
        const Result r = DecodeBmp(MakeBmpFile(s));
        ASSERT_TRUE(r.ok) << r.error;
        ASSERT_EQ(r.image.width, 11);
        ASSERT_EQ(r.image.height, 3);
        EXPECT_FALSE(r.image.hasAlpha);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 11; ++x)
                EXPECT_EQ(Argb(r.image, x, y), 0xFF000000u | palette[rows[size_t(y)][size_t(x)]])
                    << "bpp " << bpp << " top-down " << topDown << " at " << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpPaletteDepth, testing::Values(1, 4, 8));

TEST(BmpDecode, PaletteSizeComesFromClrUsedAndMissingEntriesAreBlack) {
    DibParts s;
    s.width = 4;
    s.height = 1;
    s.bpp = 8;
    s.clrUsed = 3;
    s.palette = {0xFF0000, 0x00FF00, 0x0000FF};
    s.bits = PackRows({{0, 1, 2, 200}}, 8);
    const Result r = DecodeBmp(MakeBmpFile(s));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(Argb(r.image, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(Argb(r.image, 1, 0), 0xFF00FF00u);
    EXPECT_EQ(Argb(r.image, 2, 0), 0xFF0000FFu);
    EXPECT_EQ(Argb(r.image, 3, 0), 0xFF000000u);

    // A huge biClrUsed is cut to what 8 bits can index and what the file holds.
    s.clrUsed = 0xFFFFFFFF;
    const Result huge = DecodeBmp(MakeBmpFile(s));
    ASSERT_TRUE(huge.ok) << huge.error;
    EXPECT_EQ(huge.image.width, 4);
}

TEST(BmpDecode, PixelOffsetFollowsBfOffBitsOrFallsBackWhenImpossible) {
    DibParts s;
    s.width = 2;
    s.height = 1;
    s.bpp = 24;
    s.bits = {1, 2, 3, 4, 5, 6, 0, 0};
    // Four junk bytes between header and pixels, announced by bfOffBits.
    Bytes file = MakeBmpFile(s);
    file.insert(file.begin() + 14 + 40, {9, 9, 9, 9});
    file[10] = uint8_t(14 + 40 + 4);
    Result r = DecodeBmp(file);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(Argb(r.image, 0, 0), 0xFF030201u);
    EXPECT_EQ(Argb(r.image, 1, 0), 0xFF060504u);

    // bfOffBits past the end of the file: the pixels are taken right after the header.
    r = DecodeBmp(MakeBmpFile(s, 100000));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(Argb(r.image, 1, 0), 0xFF060504u);
}

TEST(BmpDecode, TwentyFourBitRowsArePadded) {
    DibParts s;
    s.width = 3;
    s.height = 2;
    s.bpp = 24;
    s.bits = PackRows({{0x112233, 0x445566, 0x778899}, {0xAABBCC, 0xDDEEFF, 0x010203}}, 24);
    ASSERT_EQ(s.bits.size(), 24u);
    const Result r = DecodeBmp(MakeBmpFile(s));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(Argb(r.image, 0, 0), 0xFF112233u);
    EXPECT_EQ(Argb(r.image, 2, 0), 0xFF778899u);
    EXPECT_EQ(Argb(r.image, 0, 1), 0xFFAABBCCu);
    EXPECT_EQ(Argb(r.image, 2, 1), 0xFF010203u);
}

TEST(BmpDecode, SixteenBitDefaultsTo555AndBitfieldsChooseTheLayout) {
    DibParts s;
    s.width = 4;
    s.height = 1;
    s.bpp = 16;
    s.bits = PackRows({{0x7FFF, 0x7C00, 0x0001, 0x8000}}, 16);
    Result r = DecodeBmp(MakeBmpFile(s));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(Argb(r.image, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(Argb(r.image, 1, 0), 0xFFFF0000u);
    EXPECT_EQ(Argb(r.image, 2, 0), 0xFF000008u);
    EXPECT_EQ(Argb(r.image, 3, 0), 0xFF000000u);  // the top bit is not alpha without a mask

    s.compression = 3;  // BI_BITFIELDS, masks after the 40-byte header
    s.masks = {0xF800, 0x07E0, 0x001F};
    s.bits = PackRows({{0xF800, 0x07E0, 0x001F, 0x0841}}, 16);
    r = DecodeBmp(MakeBmpFile(s));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(Argb(r.image, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(Argb(r.image, 1, 0), 0xFF00FF00u);
    EXPECT_EQ(Argb(r.image, 2, 0), 0xFF0000FFu);
    EXPECT_EQ(Argb(r.image, 3, 0), 0xFF080808u);
    EXPECT_FALSE(r.image.hasAlpha);
}

TEST(BmpDecode, PlainThirtyTwoBitIgnoresTheFourthByte) {
    DibParts s;
    s.width = 2;
    s.height = 1;
    s.bpp = 32;
    s.bits = PackRows({{0x00102030, 0x80405060}}, 32);
    const Result r = DecodeBmp(MakeBmpFile(s));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_FALSE(r.image.hasAlpha);
    EXPECT_EQ(Argb(r.image, 0, 0), 0xFF102030u);
    EXPECT_EQ(Argb(r.image, 1, 0), 0xFF405060u);
}

struct AlphaCase {
    uint32_t headerSize;
    uint32_t compression;
    bool alphaExpected;
};

class BmpBitfieldAlpha : public testing::TestWithParam<AlphaCase> {};

TEST_P(BmpBitfieldAlpha, AlphaMaskIsHonouredWhereTheHeaderCarriesIt) {
    const AlphaCase c = GetParam();
    DibParts s;
    s.headerSize = c.headerSize;
    s.compression = c.compression;
    s.width = 2;
    s.height = 2;
    s.bpp = 32;
    s.masks = {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF};  // B G R A byte order reversed
    s.bits = PackRows({{0x11223380, 0x445566FF}, {0x77889900, 0xAABBCC40}}, 32);
    const Result r = DecodeBmp(MakeBmpFile(s));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.image.hasAlpha, c.alphaExpected);
    const uint32_t a0 = c.alphaExpected ? 0x80u : 0xFFu, a2 = c.alphaExpected ? 0x00u : 0xFFu;
    EXPECT_EQ(Argb(r.image, 0, 0), a0 << 24 | 0x332211u);
    EXPECT_EQ(Argb(r.image, 1, 0), 0xFF665544u);
    EXPECT_EQ(Argb(r.image, 0, 1), a2 << 24 | 0x998877u);
}

INSTANTIATE_TEST_SUITE_P(Headers, BmpBitfieldAlpha,
                         testing::Values(AlphaCase{40, 3, false}, AlphaCase{40, 6, true}, AlphaCase{52, 3, false},
                                         AlphaCase{56, 3, true}, AlphaCase{108, 3, true}, AlphaCase{124, 3, true}));

TEST(BmpDecode, AlphaMaskWithAllZeroAlphaIsOpaque) {
    DibParts s;
    s.headerSize = 124;
    s.compression = 3;
    s.width = 2;
    s.height = 1;
    s.bpp = 32;
    s.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    s.bits = PackRows({{0x00123456, 0x00654321}}, 32);
    const Result r = DecodeBmp(MakeBmpFile(s));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_FALSE(r.image.hasAlpha);
    EXPECT_EQ(Argb(r.image, 0, 0), 0xFF123456u);
}

TEST(BmpDecode, CoreHeaderUsesThreeBytePaletteEntries) {
    DibParts s;
    s.headerSize = 12;
    s.width = 3;
    s.height = 1;
    s.bpp = 4;
    s.palette = Palette(16);
    s.bits = PackRows({{15, 0, 7}}, 4);
    const Result r = DecodeBmp(MakeBmpFile(s));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(Argb(r.image, 0, 0), 0xFF000000u | s.palette[15]);
    EXPECT_EQ(Argb(r.image, 1, 0), 0xFF000000u | s.palette[0]);
    EXPECT_EQ(Argb(r.image, 2, 0), 0xFF000000u | s.palette[7]);
}

namespace {

// Indices decoded from an RLE image with a palette where entry i is colour i.
std::vector<std::vector<uint32_t>> RleIndices(int bpp, int width, int height, const Bytes& stream) {
    DibParts s;
    s.width = width;
    s.height = height;
    s.bpp = uint16_t(bpp);
    s.compression = bpp == 8 ? 1 : 2;
    for (uint32_t i = 0; i < (1u << bpp); ++i)
        s.palette.push_back(i);
    s.bits = stream;
    const Result r = DecodeBmp(MakeBmpFile(s));
    EXPECT_TRUE(r.ok) << r.error;
    std::vector<std::vector<uint32_t>> rows(size_t(r.image.height));
    for (int y = 0; y < r.image.height; ++y)
        for (int x = 0; x < r.image.width; ++x)
            rows[size_t(y)].push_back(Argb(r.image, x, y) & 0xFFFFFF);
    return rows;
}

}  // namespace

TEST(BmpRle, Rle8RunsAbsoluteRunsDeltaAndEscapes) {
    const Bytes stream = {
        0x03, 0x01, 0x00, 0x03, 0x02, 0x03, 0x04, 0x00, 0x00, 0x00,  // bottom: 1 1 1 | 2 3 4 (padded) | EOL
        0x02, 0x05, 0x00, 0x02, 0x03, 0x00, 0x01, 0x06, 0x00, 0x00,  // middle: 5 5, skip 3, 6, EOL
        0x06, 0x07, 0x00, 0x01,                                      // top: six 7, end of bitmap
    };
    const auto rows = RleIndices(8, 6, 3, stream);
    EXPECT_EQ(rows[0], (std::vector<uint32_t>{7, 7, 7, 7, 7, 7}));
    EXPECT_EQ(rows[1], (std::vector<uint32_t>{5, 5, 0, 0, 0, 6}));
    EXPECT_EQ(rows[2], (std::vector<uint32_t>{1, 1, 1, 2, 3, 4}));
}

TEST(BmpRle, Rle4AlternatesNibblesAndDeltaMovesUpARow) {
    const auto rows = RleIndices(4, 5, 2, {0x05, 0x12, 0x00, 0x00, 0x00, 0x03, 0x34, 0x50, 0x02, 0x67, 0x00, 0x01});
    EXPECT_EQ(rows[0], (std::vector<uint32_t>{3, 4, 5, 6, 7}));
    EXPECT_EQ(rows[1], (std::vector<uint32_t>{1, 2, 1, 2, 1}));

    const auto delta = RleIndices(4, 5, 2, {0x02, 0x11, 0x00, 0x02, 0x01, 0x01, 0x02, 0x99, 0x00, 0x01});
    EXPECT_EQ(delta[0], (std::vector<uint32_t>{0, 0, 0, 9, 9}));
    EXPECT_EQ(delta[1], (std::vector<uint32_t>{1, 1, 0, 0, 0}));
}

TEST(BmpRle, RunsPastTheRowOrImageAndTruncatedStreamsAreClipped) {
    // A run longer than the row, a delta far above the image, an absolute run cut by the end of data.
    const auto rows = RleIndices(8, 3, 2, {0xFF, 0x04, 0x00, 0x00, 0x00, 0x05, 0x01, 0x02});
    EXPECT_EQ(rows[1], (std::vector<uint32_t>{4, 4, 4}));
    EXPECT_EQ(rows[0], (std::vector<uint32_t>{0, 0, 0}));
    const auto far = RleIndices(8, 3, 2, {0x01, 0x03, 0x00, 0x02, 0xFF, 0xFF, 0x01, 0x09});
    EXPECT_EQ(far[1], (std::vector<uint32_t>{3, 0, 0}));
    // No end-of-bitmap at all, the stream just stops.
    const auto open = RleIndices(4, 4, 1, {0x04, 0xAB});
    EXPECT_EQ(open[0], (std::vector<uint32_t>{10, 11, 10, 11}));
}

TEST(BmpDecode, CWinBitmapExposesTheDecodedPixels) {
    DibParts s;
    s.width = 2;
    s.bpp = 24;
    s.height = -2;  // top-down
    s.bits = PackRows({{0x010203, 0x040506}, {0x070809, 0x0A0B0C}}, 24, true);
    const Bytes file = MakeBmpFile(s);
    CWinBitmap bmp(kImageBmp);
    ASSERT_TRUE(bmp.LoadBmp(file.data(), file.size())) << bmp.ErrorText();
    EXPECT_EQ(bmp.Kind(), kImageBmp);
    EXPECT_EQ(bmp.Width(), 2);
    EXPECT_EQ(bmp.Height(), 2);
    EXPECT_FALSE(bmp.HasTransparency());
    uint8_t px[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    ASSERT_TRUE(bmp.PixelBGRA(1, 1, px));
    EXPECT_EQ(px[0], 0x0C);
    EXPECT_EQ(px[2], 0x0A);
    EXPECT_EQ(px[3], 0xFF);
    EXPECT_FALSE(bmp.PixelBGRA(2, 0, px));
    EXPECT_FALSE(bmp.PixelBGRA(0, -1, px));
    const std::vector<uint8_t> all = bmp.ToBgra32();
    ASSERT_EQ(all.size(), 16u);
    EXPECT_TRUE(std::equal(all.begin(), all.end(), bmp.Bits()));
    bmp.Release();
    EXPECT_TRUE(bmp.IsEmpty());
    EXPECT_EQ(bmp.Bits(), nullptr);
}

struct BmpErrorCase {
    const char* what;
    std::function<Bytes()> make;
    const char* errorPrefix;
};

class BmpRefuses : public testing::TestWithParam<BmpErrorCase> {};

TEST_P(BmpRefuses, WithAReason) {
    const BmpErrorCase& c = GetParam();
    const Bytes file = c.make();
    CWinBitmap bmp(kImageBmp);
    EXPECT_FALSE(bmp.LoadBmp(file.data(), file.size())) << c.what;
    EXPECT_TRUE(bmp.IsEmpty());
    EXPECT_EQ(bmp.ErrorText().rfind(c.errorPrefix, 0), 0u) << c.what << ": " << bmp.ErrorText();
}

namespace {
Bytes Simple(std::function<void(DibParts&)> change) {
    DibParts s;
    s.width = 2;
    s.height = 2;
    s.bpp = 24;
    s.bits = Bytes(16, 0x7F);
    change(s);
    return MakeBmpFile(s);
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Cases, BmpRefuses,
    testing::Values(
        BmpErrorCase{"empty", [] { return Bytes{}; }, "not a BMP file"},
        BmpErrorCase{"wrong magic", [] { Bytes b = Simple([](DibParts&) {}); b[0] = 'X'; return b; }, "not a BMP file"},
        BmpErrorCase{"header size 20", [] { Bytes b = Simple([](DibParts&) {}); b[14] = 20; return b; },
                     "unsupported BMP header size"},
        BmpErrorCase{"7 bits", [] { return Simple([](DibParts& s) { s.bpp = 7; }); }, "unsupported BMP bit depth"},
        BmpErrorCase{"JPEG inside", [] { return Simple([](DibParts& s) { s.compression = 4; }); },
                     "unsupported BMP compression"},
        BmpErrorCase{"RLE8 at 4 bits", [] { return Simple([](DibParts& s) { s.compression = 1; s.bpp = 4; }); },
                     "corrupted BMP"},
        BmpErrorCase{"top-down RLE", [] { return Simple([](DibParts& s) { s.compression = 1; s.bpp = 8; s.height = -2; }); },
                     "corrupted BMP"},
        BmpErrorCase{"bitfields at 24 bits", [] { return Simple([](DibParts& s) { s.compression = 3; s.masks = {1, 2, 4}; }); },
                     "corrupted BMP"},
        BmpErrorCase{"pixels cut short", [] { return Simple([](DibParts& s) { s.bits.resize(10); }); },
                     "corrupted BMP: pixel data truncated"},
        BmpErrorCase{"zero width", [] { return Simple([](DibParts& s) { s.width = 0; }); }, "corrupted BMP: no pixels"},
        BmpErrorCase{"height INT_MIN", [] { return Simple([](DibParts& s) { s.height = INT_MIN; }); }, "image too large"},
        BmpErrorCase{"wider than the limit", [] { return Simple([](DibParts& s) { s.width = 16385; s.height = 1; }); },
                     "image too large"},
        BmpErrorCase{"too much pixel memory", [] { return Simple([](DibParts& s) { s.width = 10000; s.height = 10000; }); },
                     "image too large"}),
    [](const testing::TestParamInfo<BmpErrorCase>& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (!isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(BmpDecode, EveryTruncationFailsCleanly) {
    DibParts raw;
    raw.width = 3;
    raw.height = 3;
    raw.bpp = 24;
    raw.bits = PackRows({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, 24);
    auto decode = [](const uint8_t* d, size_t n) {
        BgraImage im;
        std::string e;
        return enbitmap::DecodeBmpFile(d, n, im, e);
    };
    // Only the three prefixes that lack nothing but the last row's padding still decode.
    EXPECT_EQ(DecodeEveryPrefix(MakeBmpFile(raw), decode), 3u);

    DibParts v5;
    v5.headerSize = 124;
    v5.compression = 3;
    v5.width = 2;
    v5.height = 1;
    v5.bpp = 32;
    v5.masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    v5.bits = PackRows({{0x80FFFFFF, 0x40000000}}, 32);
    EXPECT_EQ(DecodeEveryPrefix(MakeBmpFile(v5), decode), 0u);

    DibParts rle;
    rle.width = 4;
    rle.height = 2;
    rle.bpp = 8;
    rle.compression = 1;
    rle.palette = Palette(256);
    rle.bits = {0x04, 0x01, 0x00, 0x00, 0x00, 0x04, 1, 2, 3, 4, 0x00, 0x01};
    const Bytes rleFile = MakeBmpFile(rle);
    // Once the palette is complete, a cut RLE stream still gives a picture (what was decoded so far).
    EXPECT_EQ(DecodeEveryPrefix(rleFile, decode), rle.bits.size());
}
