// The skin-wide pixel budget: shares taken before a decoder allocates, given back when a picture does not
// decode, refusals for every decoder, and the budget under concurrent use.

#include <gtest/gtest.h>

#include <png.h>

#include <thread>

#include "EnBitmapTestUtil.h"
#include "Helpers/EnBitmap.h"
#include "Helpers/EnBitmapDecoders.h"

using namespace imgtest;

namespace {

// An RLE8 BMP that declares w x h and holds nothing but its end-of-bitmap code: a few dozen bytes.
Bytes RleBomb(int w, int h) {
    DibParts parts;
    parts.width = w;
    parts.height = h;
    parts.bpp = 8;
    parts.compression = 1;
    parts.bits = {0, 1};
    return MakeBmpFile(parts);
}

Bytes Bmp24(int w, int h) {
    DibParts parts;
    parts.width = w;
    parts.height = h;
    parts.bpp = 24;
    parts.bits = PackRows(std::vector<std::vector<uint32_t>>(size_t(h), std::vector<uint32_t>(size_t(w), 0x123456)), 24);
    return MakeBmpFile(parts);
}

Bytes Png(int w, int h) {
    PngParts parts;
    parts.width = w;
    parts.height = h;
    parts.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    parts.samples.assign(size_t(h), std::vector<uint16_t>(size_t(w) * 4, 200));
    return MakePng(parts);
}

Bytes Tga(int w, int h) {
    TgaParts parts;
    parts.width = uint16_t(w);
    parts.height = uint16_t(h);
    parts.data.assign(size_t(w) * size_t(h) * 3, 7);
    return MakeTga(parts);
}

Bytes Ico(int w, int h) {
    IconImage image;
    image.width = w;
    image.height = h;
    image.pixels.assign(size_t(h), std::vector<uint32_t>(size_t(w), 0xFF102030));
    return MakeIconFile(1, {IconEntry(MakeIconDib(image))});
}

struct Picture {
    const char* name;
    Bytes bytes;
    int w, h;
};

std::vector<Picture> OneOfEachDecoder() {
    return {{"a.bmp", Bmp24(10, 6), 10, 6},   {"b.bmp", RleBomb(12, 5), 12, 5}, {"c.png", Png(7, 9), 7, 9},
            {"d.tga", Tga(8, 8), 8, 8},       {"e.ico", Ico(16, 16), 16, 16},  {"f.cur", Ico(4, 4), 4, 4},
            {"g.ani", MakeAniFile({Ico(6, 6)}), 6, 6}};
}

}  // namespace

TEST(ByteCountText, UsesTheLargestWholeUnit) {
    EXPECT_EQ(ByteCountText(0), "0 bytes");
    EXPECT_EQ(ByteCountText(1), "1 byte");
    EXPECT_EQ(ByteCountText(1000), "1000 bytes");
    EXPECT_EQ(ByteCountText(1536), "1536 bytes");
    EXPECT_EQ(ByteCountText(3 * 1024), "3 KiB");
    EXPECT_EQ(ByteCountText(1536 * 1024), "1536 KiB");
    EXPECT_EQ(ByteCountText(256ull << 20), "256 MiB");
    EXPECT_EQ(ByteCountText(1ull << 30), "1 GiB");
    EXPECT_EQ(ByteCountText(5ull << 40), "5120 GiB");
}

TEST(PixelBudget, ChargesAreRaisedNotAddedAndGoBackUnlessKept) {
    CPixelBudget budget(1000);
    {
        CPixelCharge charge(&budget);
        EXPECT_TRUE(charge.Need(400));
        EXPECT_TRUE(charge.Need(300));  // a smaller later try lives within the first
        EXPECT_EQ(budget.Used(), 400u);
        EXPECT_TRUE(charge.Need(700));
        EXPECT_EQ(budget.Used(), 700u);
        EXPECT_EQ(charge.Held(), 700u);
    }
    EXPECT_EQ(budget.Used(), 0u);  // not kept: given back
    {
        CPixelCharge kept(&budget);
        ASSERT_TRUE(kept.Need(600));
        kept.Keep();
    }
    EXPECT_EQ(budget.Used(), 600u);
    CPixelCharge over(&budget);
    EXPECT_TRUE(over.Need(400));   // exactly the rest
    EXPECT_FALSE(over.Need(401));  // one byte more than there is
    EXPECT_TRUE(over.Refused());
    EXPECT_FALSE(over.Need(1));  // a refused picture stays refused
    EXPECT_EQ(budget.Used(), 1000u);
    EXPECT_NE(over.RefusalText().find("1000 bytes"), std::string::npos) << over.RefusalText();

    CPixelCharge unlimited;  // no budget: everything is granted
    EXPECT_TRUE(unlimited.Need(UINT64_MAX));
    EXPECT_FALSE(unlimited.Refused());

    CPixelBudget none(0);
    EXPECT_TRUE(none.Take(0));
    EXPECT_FALSE(none.Take(1));
    EXPECT_FALSE(none.Take(UINT64_MAX));
}

TEST(PixelBudget, ConcurrentTakesNeverPassTheLimit) {
    constexpr uint64_t kLimit = 100000;
    CPixelBudget budget(kLimit);
    std::atomic<uint64_t> granted{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            const uint64_t step = 7 + uint64_t(t) * 3;  // 7, 10, 13, 16: the sum cannot land on the limit by luck
            for (int i = 0; i < 20000; ++i)
                if (budget.Take(step)) granted += step;
        });
    for (auto& t : threads) t.join();
    EXPECT_EQ(budget.Used(), granted.load());
    EXPECT_LE(budget.Used(), kLimit);
    EXPECT_GT(budget.Used(), kLimit - 16);  // 4 x 20000 tries could fill it, so it is nearly full
}

TEST(PixelBudget, EveryDecoderAsksBeforeAllocatingAndKeepsWhatFits) {
    for (const Picture& p : OneOfEachDecoder()) {
        SCOPED_TRACE(p.name);
        const uint64_t need = uint64_t(p.w) * uint64_t(p.h) * 4;

        CPixelBudget tight(need - 1);
        {
            CPixelCharge charge(&tight);
            const auto image = LoadImageMemory(p.name, p.bytes.data(), p.bytes.size(), &charge);
            ASSERT_NE(image, nullptr);
            EXPECT_TRUE(image->IsEmpty());
            EXPECT_TRUE(charge.Refused());
            EXPECT_NE(image->ErrorText().find("decoded pixels"), std::string::npos) << image->ErrorText();
        }
        EXPECT_EQ(tight.Used(), 0u);

        CPixelBudget exact(need);
        CPixelCharge charge(&exact);
        const auto image = LoadImageMemory(p.name, p.bytes.data(), p.bytes.size(), &charge);
        ASSERT_NE(image, nullptr);
        ASSERT_FALSE(image->IsEmpty()) << image->ErrorText();
        EXPECT_EQ(image->Width(), p.w);
        EXPECT_EQ(image->Height(), p.h);
        EXPECT_FALSE(charge.Refused());
        EXPECT_EQ(exact.Used(), need);
    }
}

TEST(PixelBudget, ARunLengthBombIsRefusedFromItsHeader) {
    // 8192 x 8192 from a 60-byte file: 256 MiB of pixels, refused without allocating them.
    const Bytes bomb = RleBomb(8192, 8192);
    ASSERT_LT(bomb.size(), 100u);
    CPixelBudget budget(64ull << 20);
    CPixelCharge charge(&budget);
    enbitmap::BgraImage out;
    std::string error;
    EXPECT_FALSE(enbitmap::DecodeBmpFile(bomb.data(), bomb.size(), out, error, &charge));
    EXPECT_TRUE(charge.Refused());
    EXPECT_NE(error.find("64 MiB"), std::string::npos) << error;
    EXPECT_TRUE(out.pixels.empty());
    EXPECT_EQ(out.pixels.capacity(), 0u);
}

TEST(PixelBudget, AnImageThatFailsAfterItsShareWasTakenGivesItBack) {
    // A PNG cut inside its image data passes the header, is given its share, then fails.
    Bytes png = Png(40, 40);
    png.resize(png.size() - 30);
    CPixelBudget budget(1 << 20);
    {
        CPixelCharge charge(&budget);
        const auto image = LoadImageMemory("cut.png", png.data(), png.size(), &charge);
        ASSERT_NE(image, nullptr);
        EXPECT_TRUE(image->IsEmpty());
        EXPECT_FALSE(charge.Refused());
        EXPECT_EQ(charge.Held(), 40u * 40u * 4u);  // it was asked for before the data ran out
    }
    EXPECT_EQ(budget.Used(), 0u);
}
