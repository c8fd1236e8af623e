// The TGA reader: pixel formats, row order and mirroring, run-length packets across rows, palettes,
// and every error text.

#include <gtest/gtest.h>

#include <cctype>
#include <functional>

#include "EnBitmapTestUtil.h"
#include "Helpers/EnBitmap.h"

using namespace imgtest;

namespace {

std::unique_ptr<CSkinImageTGA> Decode(const Bytes& file) {
    auto image = std::make_unique<CSkinImageTGA>();
    CMemFileEx stream(file.data(), file.size());
    image->Decode(stream);
    return image;
}

uint32_t Rgb(const CSkinImage& im, int x, int y) {
    const RgbQuad c = im.PixelColor(x, y);
    return uint32_t(c.rgbRed) << 16 | uint32_t(c.rgbGreen) << 8 | c.rgbBlue;
}

Bytes Pixels24(std::initializer_list<uint32_t> rgb) {
    Bytes b;
    for (uint32_t c : rgb)
        b.insert(b.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
    return b;
}

Bytes Pixels32(std::initializer_list<uint32_t> argb) {
    Bytes b;
    for (uint32_t c : argb)
        b.insert(b.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16), uint8_t(c >> 24)});
    return b;
}

TgaParts Tga(uint8_t type, uint8_t depth, uint16_t w, uint16_t h, Bytes data, uint8_t descriptor = 0) {
    TgaParts s;
    s.type = type;
    s.depth = depth;
    s.width = w;
    s.height = h;
    s.data = std::move(data);
    s.descriptor = descriptor;
    return s;
}

}  // namespace

TEST(TgaDecode, SixteenAndFifteenBitPixelsKeepTheirTopFiveBits) {
    for (uint8_t depth : {16, 15}) {
        const auto im = Decode(MakeTga(Tga(2, depth, 3, 1, {0xFF, 0x7F, 0x21, 0x04, 0x00, 0x7C})));
        ASSERT_FALSE(im->IsEmpty()) << im->ErrorText();
        EXPECT_EQ(im->Bpp(), 24);
        EXPECT_FALSE(im->HasAlphaChannel());
        EXPECT_EQ(Rgb(*im, 0, 0), 0xF8F8F8u) << int(depth);
        EXPECT_EQ(Rgb(*im, 1, 0), 0x080808u);
        EXPECT_EQ(Rgb(*im, 2, 0), 0xF80000u);
    }
}

TEST(TgaDecode, RowOrderFollowsDescriptorBitFive) {
    // Visual: top row 1 2 3, bottom row 4 5 6.
    const auto bottomUp = Decode(MakeTga(Tga(2, 24, 3, 2, Pixels24({4, 5, 6, 1, 2, 3}))));
    const auto topDown = Decode(MakeTga(Tga(2, 24, 3, 2, Pixels24({1, 2, 3, 4, 5, 6}), 0x20)));
    ASSERT_FALSE(bottomUp->IsEmpty()) << bottomUp->ErrorText();
    ASSERT_FALSE(topDown->IsEmpty()) << topDown->ErrorText();
    EXPECT_EQ(Rgb(*bottomUp, 0, 0), 1u);
    EXPECT_EQ(Rgb(*bottomUp, 2, 1), 6u);
    EXPECT_EQ(bottomUp->ToBgra32(), topDown->ToBgra32());
    EXPECT_EQ(topDown->ImageType(), CSkinImage::kTypeTga);
    EXPECT_EQ(topDown->Kind(), kImageTga);
}

TEST(TgaDecode, ThirtyTwoBitTopDownAlphaStaysWithItsPixels) {
    // Every pixel's blue byte equals its alpha, so a misaligned alpha row shows at once.
    const Bytes topFirst = Pixels32({0x10000010, 0x20000020, 0x30000030, 0x40000040, 0x50000050, 0x60000060});
    const Bytes bottomFirst = Pixels32({0x40000040, 0x50000050, 0x60000060, 0x10000010, 0x20000020, 0x30000030});
    // Run-length variant of the top-down file: raw packets of three.
    Bytes rle;
    for (size_t i = 0; i < 2; ++i) {
        rle.push_back(0x02);
        rle.insert(rle.end(), topFirst.begin() + long(i * 12), topFirst.begin() + long(i * 12 + 12));
    }
    for (const TgaParts& parts : {Tga(2, 32, 3, 2, topFirst, 0x28), Tga(2, 32, 3, 2, bottomFirst, 0x08),
                                Tga(10, 32, 3, 2, rle, 0x28)}) {
        const auto im = Decode(MakeTga(parts));
        ASSERT_FALSE(im->IsEmpty()) << im->ErrorText();
        ASSERT_TRUE(im->HasAlphaChannel());
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                EXPECT_EQ(im->PixelAlpha(x, y), im->PixelColor(x, y).rgbBlue) << x << "," << y;
                EXPECT_EQ(im->PixelAlpha(x, y), 0x10 * (y * 3 + x + 1));
            }
    }
}

TEST(TgaDecode, RunLengthPacketsAcrossRowsDecodeLikeRawPixels) {
    // Stored bottom row first: A A A / A A B  (3 x 2).
    const uint32_t A = 0x336699, B = 0xCC0011;
    const auto raw = Decode(MakeTga(Tga(2, 24, 3, 2, Pixels24({A, A, A, A, A, B}))));
    ASSERT_FALSE(raw->IsEmpty()) << raw->ErrorText();

    Bytes repeat{0x84};  // five A: three on the first row, two on the next
    PutBytes(repeat, Pixels24({A}));
    repeat.push_back(0x00);
    PutBytes(repeat, Pixels24({B}));
    Bytes literal{0x05};  // six raw pixels across both rows
    PutBytes(literal, Pixels24({A, A, A, A, A, B}));
    Bytes mixed{0x01};  // two raw, then a repeat of three that crosses the row end, ends with B raw
    PutBytes(mixed, Pixels24({A, A}));
    mixed.push_back(0x82);
    PutBytes(mixed, Pixels24({A}));
    mixed.push_back(0x00);
    PutBytes(mixed, Pixels24({B}));
    for (const Bytes& data : {repeat, literal, mixed}) {
        const auto rle = Decode(MakeTga(Tga(10, 24, 3, 2, data)));
        ASSERT_FALSE(rle->IsEmpty()) << rle->ErrorText();
        EXPECT_EQ(rle->ToBgra32(), raw->ToBgra32());
    }
}

TEST(TgaDecode, RepeatPacketIntoTheLastRowAtTheEndOfTheFileIsComplete) {
    // The repeated pixel is read again at the next row, so the stream is not at its end there.
    Bytes data{0x83};
    PutBytes(data, Pixels32({0x80112233}));
    const auto im = Decode(MakeTga(Tga(10, 32, 2, 2, data, 0x08)));
    ASSERT_FALSE(im->IsEmpty()) << im->ErrorText();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(Rgb(*im, x, y), 0x112233u);
            EXPECT_EQ(im->PixelAlpha(x, y), 0x80);
        }
}

TEST(TgaDecode, DescriptorBitFourMirrorsPixelsAndAlpha) {
    const auto im = Decode(MakeTga(Tga(2, 32, 3, 1, Pixels32({0x10000001, 0x20000002, 0x30000003}), 0x18)));
    ASSERT_FALSE(im->IsEmpty()) << im->ErrorText();
    EXPECT_EQ(Rgb(*im, 0, 0), 3u);
    EXPECT_EQ(Rgb(*im, 2, 0), 1u);
    EXPECT_EQ(im->PixelAlpha(0, 0), 0x30);
    EXPECT_EQ(im->PixelAlpha(2, 0), 0x10);
}

TEST(TgaDecode, ColourMappedAndGreyImagesUsePalettes) {
    TgaParts mapped = Tga(1, 8, 3, 1, {2, 0, 1});
    mapped.colorMapType = 1;
    mapped.colorMapLength = 3;
    mapped.colorMap = Pixels24({0xFF0000, 0x00FF00, 0x0000FF});
    mapped.id = "made by a test";
    auto im = Decode(MakeTga(mapped));
    ASSERT_FALSE(im->IsEmpty()) << im->ErrorText();
    EXPECT_EQ(im->Bpp(), 8);
    EXPECT_EQ(im->PixelIndex(0, 0), 2);
    EXPECT_EQ(Rgb(*im, 0, 0), 0x0000FFu);
    EXPECT_EQ(Rgb(*im, 1, 0), 0xFF0000u);
    EXPECT_EQ(Rgb(*im, 2, 0), 0x00FF00u);

    mapped.type = 9;  // run-length: three of index 1
    mapped.data = {0x82, 1};
    im = Decode(MakeTga(mapped));
    ASSERT_FALSE(im->IsEmpty()) << im->ErrorText();
    EXPECT_EQ(Rgb(*im, 2, 0), 0x00FF00u);

    // A colour-mapped image without its map: a defined (black) palette, not leftover memory.
    im = Decode(MakeTga(Tga(1, 8, 2, 1, {0, 255})));
    ASSERT_FALSE(im->IsEmpty()) << im->ErrorText();
    EXPECT_EQ(Rgb(*im, 0, 0), 0u);
    EXPECT_EQ(Rgb(*im, 1, 0), 0u);

    for (const TgaParts& grey : {Tga(3, 8, 2, 1, {128, 255}), Tga(11, 8, 2, 1, {0x00, 128, 0x00, 255})}) {
        im = Decode(MakeTga(grey));
        ASSERT_FALSE(im->IsEmpty()) << im->ErrorText();
        EXPECT_EQ(Rgb(*im, 0, 0), 0x808080u);
        EXPECT_EQ(Rgb(*im, 1, 0), 0xFFFFFFu);
    }

    // A colour map beside true-colour pixels is skipped over.
    TgaParts trueColour = Tga(2, 24, 1, 1, Pixels24({0x123456}));
    trueColour.colorMapType = 1;
    trueColour.colorMapLength = 2;
    trueColour.colorMap = Pixels24({1, 2});
    im = Decode(MakeTga(trueColour));
    ASSERT_FALSE(im->IsEmpty()) << im->ErrorText();
    EXPECT_EQ(Rgb(*im, 0, 0), 0x123456u);
}

struct TgaErrorCase {
    const char* what;
    Bytes file;
    const char* error;
};

class TgaRefuses : public testing::TestWithParam<TgaErrorCase> {};

TEST_P(TgaRefuses, WithTheDecodersText) {
    const auto im = Decode(GetParam().file);
    EXPECT_TRUE(im->IsEmpty());
    EXPECT_EQ(im->ErrorText(), GetParam().error) << GetParam().what;
}

namespace {
Bytes Changed(TgaParts s, const std::function<void(TgaParts&)>& change) {
    change(s);
    return MakeTga(s);
}
const TgaParts kGood = Tga(2, 24, 2, 2, Pixels24({1, 2, 3, 4}));
Bytes Cut(Bytes b, size_t size) {
    b.resize(size);
    return b;
}
Bytes RawColourMapped() {
    TgaParts s = Tga(1, 8, 2, 1, {0, 1});
    s.colorMapType = 1;
    s.colorMapLength = 2;
    s.colorMap = Pixels24({1, 2});
    return MakeTga(s);
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Cases, TgaRefuses,
    testing::Values(TgaErrorCase{"empty", {}, "Not a TGA"},
                    TgaErrorCase{"17 bytes", Cut(MakeTga(kGood), 17), "Not a TGA"},
                    TgaErrorCase{"type 0", Changed(kGood, [](TgaParts& s) { s.type = 0; }), "Unknown TGA image type"},
                    TgaErrorCase{"type 4", Changed(kGood, [](TgaParts& s) { s.type = 4; }), "Unknown TGA image type"},
                    TgaErrorCase{"type 32", Changed(kGood, [](TgaParts& s) { s.type = 32; }), "Unknown TGA image type"},
                    TgaErrorCase{"width 0", Changed(kGood, [](TgaParts& s) { s.width = 0; }), "bad TGA header"},
                    TgaErrorCase{"height 0", Changed(kGood, [](TgaParts& s) { s.height = 0; }), "bad TGA header"},
                    TgaErrorCase{"depth 0", Changed(kGood, [](TgaParts& s) { s.depth = 0; }), "bad TGA header"},
                    TgaErrorCase{"depth 12", Changed(kGood, [](TgaParts& s) { s.depth = 12; }), "bad TGA header"},
                    TgaErrorCase{"map of 257", Changed(kGood, [](TgaParts& s) { s.colorMapLength = 257; }),
                                 "bad TGA header"},
                    TgaErrorCase{"last row short", Cut(MakeTga(kGood), 18 + 10), "corrupted TGA"},
                    TgaErrorCase{"no pixels", Cut(MakeTga(kGood), 18), "corrupted TGA"},
                    TgaErrorCase{"map cut", Cut(RawColourMapped(), 18 + 4), "corrupted TGA"},
                    TgaErrorCase{"run-length cut", Changed(kGood, [](TgaParts& s) { s.type = 10; s.data = {0x83, 1, 2}; }),
                                 "corrupted TGA"},
                    TgaErrorCase{"huge and empty", Changed(kGood, [](TgaParts& s) { s.width = s.height = 8000; s.depth = 8; s.data = {}; }),
                                 "corrupted TGA"}),
    [](const testing::TestParamInfo<TgaErrorCase>& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (!isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(TgaDecode, TooLargeAndCancelledImagesAreRefusedBeforeDecoding) {
    auto im = Decode(Changed(kGood, [](TgaParts& s) { s.width = 20000; }));
    EXPECT_TRUE(im->IsEmpty());
    EXPECT_EQ(im->ErrorText().rfind("TGA Create failed", 0), 0u) << im->ErrorText();
    EXPECT_NE(im->ErrorText().find("too large"), std::string::npos);

    CSkinImageTGA cancelled;
    cancelled.SetCancel(true);
    const Bytes file = MakeTga(kGood);
    CMemFileEx stream(file.data(), file.size());
    EXPECT_FALSE(cancelled.Decode(stream));
    EXPECT_EQ(cancelled.ErrorText(), "Cancelled");
    cancelled.SetCancel(false);
    stream.Seek(0, SEEK_SET);
    EXPECT_TRUE(cancelled.Decode(stream)) << cancelled.ErrorText();
    EXPECT_TRUE(cancelled.ErrorText().empty());
}

TEST(TgaDecode, EveryTruncationFailsCleanly) {
    auto decode = [](const uint8_t* d, size_t n) {
        CSkinImageTGA im;
        CMemFileEx stream(d, n);
        return im.Decode(stream);
    };
    EXPECT_EQ(DecodeEveryPrefix(MakeTga(Tga(2, 32, 3, 3, Bytes(36, 0x40), 0x30)), decode), 0u);
    Bytes rle{0x84};
    PutBytes(rle, Pixels24({7}));
    rle.push_back(0x03);
    PutBytes(rle, Pixels24({1, 2, 3, 4}));
    EXPECT_EQ(DecodeEveryPrefix(MakeTga(Tga(10, 24, 3, 3, rle)), decode), 0u);
    EXPECT_EQ(DecodeEveryPrefix(RawColourMapped(), decode), 0u);
}
