// Icons, cursors and animated cursors: mask and alpha transparency, PNG entries, the choice of entry,
// hot spots, the first ANI frame, and directories or chunks that point outside the file.

#include <gtest/gtest.h>

#include <png.h>

#include "EnBitmapTestUtil.h"
#include "Helpers/EnBitmap.h"
#include "Helpers/EnBitmapDecoders.h"

using namespace imgtest;

namespace {

uint32_t Argb(const CEnBitmap& image, int x, int y) {
    uint8_t p[4] = {};
    EXPECT_TRUE(image.PixelBGRA(x, y, p));
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

// A solid 32-bit icon image of the given size and colour (ARGB).
IconImage Solid(int w, int h, uint32_t argb, int bpp = 32) {
    IconImage im;
    im.width = w;
    im.height = h;
    im.bpp = bpp;
    if (bpp <= 8) {
        im.palette.assign(size_t(1) << bpp, 0);
        im.palette[1] = argb & 0xFFFFFF;
        im.pixels.assign(size_t(h), std::vector<uint32_t>(size_t(w), 1));
    } else {
        im.pixels.assign(size_t(h), std::vector<uint32_t>(size_t(w), argb));
    }
    return im;
}

std::unique_ptr<CEnBitmap> Load(const char* name, const Bytes& file) {
    return LoadImageMemory(name, file.data(), file.size());
}

}  // namespace

TEST(IconDecode, AndMaskMakesPixelsTransparent) {
    IconImage im;
    im.width = 3;
    im.height = 2;
    im.bpp = 4;
    im.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    im.palette.resize(16);
    im.pixels = {{1, 2, 3}, {3, 0, 1}};
    im.mask = {{0, 1, 0}, {1, 0, 0}};
    const auto icon = Load("a.ico", MakeIconFile(1, {{MakeIconDib(im)}}));
    ASSERT_FALSE(icon->IsEmpty()) << icon->ErrorText();
    EXPECT_EQ(icon->Kind(), kImageIcon);
    EXPECT_TRUE(icon->HasTransparency());
    EXPECT_EQ(Argb(*icon, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(Argb(*icon, 1, 0) >> 24, 0u);
    EXPECT_EQ(Argb(*icon, 2, 0), 0xFF0000FFu);
    EXPECT_EQ(Argb(*icon, 0, 1) >> 24, 0u);
    EXPECT_EQ(Argb(*icon, 1, 1), 0xFF000000u);
    EXPECT_EQ(Argb(*icon, 2, 1), 0xFFFF0000u);
}

TEST(IconDecode, ThirtyTwoBitAlphaWinsOverTheMaskUnlessItIsAllZero) {
    IconImage im = Solid(2, 1, 0);
    im.pixels = {{0x80102030, 0xFF405060}};
    im.mask = {{1, 1}};  // ignored while the alpha channel says something
    auto icon = Load("a.ico", MakeIconFile(1, {{MakeIconDib(im)}}));
    ASSERT_FALSE(icon->IsEmpty()) << icon->ErrorText();
    EXPECT_EQ(Argb(*icon, 0, 0), 0x80102030u);
    EXPECT_EQ(Argb(*icon, 1, 0), 0xFF405060u);

    im.pixels = {{0x00102030, 0x00405060}};
    im.mask = {{1, 0}};
    icon = Load("a.ico", MakeIconFile(1, {{MakeIconDib(im)}}));
    ASSERT_FALSE(icon->IsEmpty()) << icon->ErrorText();
    EXPECT_EQ(Argb(*icon, 0, 0) >> 24, 0u);
    EXPECT_EQ(Argb(*icon, 1, 0), 0xFF405060u);
}

TEST(IconDecode, TakesTheLargestEntryThenTheDeepestWhateverTheDirectorySays) {
    std::vector<IconEntry> entries = {
        {MakeIconDib(Solid(16, 16, 0xFF111111))},
        {MakeIconDib(Solid(32, 32, 0xFF222222, 4))},
        {MakeIconDib(Solid(32, 32, 0xFF333333))},
        {MakeIconDib(Solid(24, 24, 0xFF444444))},
    };
    entries[0].dirWidth = entries[0].dirHeight = 0;  // "256": the directory is not believed
    const auto icon = Load("a.ico", MakeIconFile(1, entries));
    ASSERT_FALSE(icon->IsEmpty()) << icon->ErrorText();
    EXPECT_EQ(icon->Width(), 32);
    EXPECT_EQ(Argb(*icon, 5, 5), 0xFF333333u);
}

TEST(IconDecode, PngEntryKeepsItsAlpha) {
    PngParts png;
    png.width = 40;
    png.height = 40;
    png.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    png.samples.assign(40, {});
    for (auto& row : png.samples)
        for (int x = 0; x < 40; ++x)
            row.insert(row.end(), {10, 20, 30, uint16_t(x * 6)});
    const auto icon = Load("a.ico", MakeIconFile(1, {{MakeIconDib(Solid(32, 32, 0xFF000000))}, {MakePng(png)}}));
    ASSERT_FALSE(icon->IsEmpty()) << icon->ErrorText();
    EXPECT_EQ(icon->Width(), 40);
    EXPECT_TRUE(icon->HasTransparency());
    EXPECT_EQ(Argb(*icon, 0, 3), 0x000A141Eu);
    EXPECT_EQ(Argb(*icon, 39, 3), 0xEA0A141Eu);
}

TEST(IconDecode, BrokenOrOutsideEntriesArePassedOver) {
    const Bytes good = MakeIconDib(Solid(8, 8, 0xFF00FF00));
    Bytes truncated = MakeIconDib(Solid(64, 64, 0xFFFF0000));
    truncated.resize(200);  // claims 64 x 64, holds a few rows
    std::vector<IconEntry> entries = {{truncated}, {good}, {MakeIconDib(Solid(48, 48, 0xFF0000FF))}};
    entries[2].offsetOverride = 0x7FFFFFF0;  // far outside the file
    auto icon = Load("a.ico", MakeIconFile(1, entries));
    ASSERT_FALSE(icon->IsEmpty()) << icon->ErrorText();
    EXPECT_EQ(icon->Width(), 8);
    EXPECT_EQ(Argb(*icon, 0, 0), 0xFF00FF00u);

    entries = {{good}};
    entries[0].sizeOverride = 0xFFFFFFFF;  // a size beyond the file
    icon = Load("a.ico", MakeIconFile(1, entries));
    EXPECT_TRUE(icon->IsEmpty());
    EXPECT_EQ(icon->ErrorText(), "no usable image in the icon file");

    // A directory that claims more entries than the file holds keeps the ones that are there.
    // (The entries read from beyond the real directory point nowhere and are skipped.)
    icon = Load("a.ico", MakeIconFile(1, {{good}}, 4000));
    EXPECT_FALSE(icon->IsEmpty()) << icon->ErrorText();
    EXPECT_EQ(Argb(*icon, 7, 7), 0xFF00FF00u);
}

TEST(IconDecode, RepeatedBrokenEntriesAreTriedOnceAndOnlyTheBestFewAtAll) {
    Bytes broken = MakeIconDib(Solid(64, 64, 0xFFFF0000));
    broken.resize(100);
    const Bytes good = MakeIconDib(Solid(8, 8, 0xFF00FF00));
    // Thousands of directory entries naming the same broken bytes, then one good entry.
    std::vector<IconEntry> entries(3000, IconEntry(broken));
    entries.emplace_back(good);
    const uint32_t brokenAt = uint32_t(6 + 16 * entries.size());
    for (size_t i = 0; i < 3000; ++i)
        entries[i].offsetOverride = brokenAt;
    Bytes file = MakeIconFile(1, entries);
    // MakeIconFile placed the data of every entry; the good one sits after 3000 copies of the broken one.
    auto icon = LoadImageMemory("a.ico", file.data(), file.size());
    ASSERT_FALSE(icon->IsEmpty()) << icon->ErrorText();
    EXPECT_EQ(icon->Width(), 8);

    // Twenty distinct broken entries that all look better than the good one: it is never reached.
    entries.assign(20, IconEntry(broken));
    entries.emplace_back(good);
    file = MakeIconFile(1, entries);
    icon = LoadImageMemory("a.ico", file.data(), file.size());
    EXPECT_TRUE(icon->IsEmpty());
    EXPECT_EQ(icon->ErrorText(), "corrupted BMP: pixel data truncated");
}

TEST(IconDecode, RefusesWhatIsNotAnIconFile) {
    for (const Bytes& file : {Bytes{}, Bytes{0, 0, 1, 0}, Bytes{0, 0, 3, 0, 1, 0}, Bytes{0, 0, 1, 0, 0, 0},
                              Bytes{1, 0, 1, 0, 1, 0}}) {
        const auto icon = Load("a.ico", file);
        EXPECT_TRUE(icon->IsEmpty());
        EXPECT_EQ(icon->ErrorText(), "not an icon or cursor file");
    }
}

TEST(CursorDecode, HotspotComesFromTheDirectoryAndStaysInside) {
    IconEntry e{MakeIconDib(Solid(32, 32, 0xFF123456))};
    e.hotspotX = 5;
    e.hotspotY = 31;
    auto cursor = Load("arrow.cur", MakeIconFile(2, {e}));
    ASSERT_FALSE(cursor->IsEmpty()) << cursor->ErrorText();
    EXPECT_EQ(cursor->Kind(), kImageCursor);
    auto* win = dynamic_cast<CWinBitmap*>(cursor.get());
    ASSERT_NE(win, nullptr);
    EXPECT_EQ(win->HotspotX(), 5);
    EXPECT_EQ(win->HotspotY(), 31);

    e.hotspotX = 500;
    cursor = Load("arrow.cur", MakeIconFile(2, {e}));
    EXPECT_EQ(dynamic_cast<CWinBitmap&>(*cursor).HotspotX(), 31);

    // An icon's planes / bit count are no hot spot.
    const auto icon = Load("a.ico", MakeIconFile(1, {e}));
    EXPECT_EQ(dynamic_cast<CWinBitmap&>(*icon).HotspotX(), 0);
}

TEST(AniDecode, TakesTheFirstFrame) {
    IconEntry first{MakeIconDib(Solid(16, 16, 0xFFAA0000))};
    first.hotspotX = 3;
    first.hotspotY = 4;
    const Bytes frame1 = MakeIconFile(2, {first});
    const Bytes frame2 = MakeIconFile(2, {{MakeIconDib(Solid(16, 16, 0xFF00AA00))}});
    const auto ani = Load("busy.ani", MakeAniFile({frame1, frame2}, {0, 0, 0, 0, 1}));
    ASSERT_FALSE(ani->IsEmpty()) << ani->ErrorText();
    EXPECT_EQ(ani->Kind(), kImageAniCursor);
    EXPECT_EQ(Argb(*ani, 0, 0), 0xFFAA0000u);
    EXPECT_EQ(dynamic_cast<CWinBitmap&>(*ani).HotspotX(), 3);
    EXPECT_EQ(dynamic_cast<CWinBitmap&>(*ani).HotspotY(), 4);
}

TEST(AniDecode, ChunkSizesAreBoundedByTheirContainer) {
    const Bytes frame = MakeIconFile(2, {{MakeIconDib(Solid(4, 4, 0xFF0000AA))}});
    Bytes file = MakeAniFile({frame});
    // RIFF size far beyond the file: clamped.
    file[4] = file[5] = file[6] = file[7] = 0xFF;
    auto ani = Load("a.ani", file);
    ASSERT_FALSE(ani->IsEmpty()) << ani->ErrorText();
    EXPECT_EQ(Argb(*ani, 1, 1), 0xFF0000AAu);

    // An "icon" chunk that claims more than its list holds: only the bytes present are offered, and the
    // icon inside is complete, so it still decodes.
    Bytes longIcon = MakeAniFile({frame});
    const size_t iconChunk = longIcon.size() - frame.size() - 8;
    ASSERT_EQ(std::string(longIcon.begin() + long(iconChunk), longIcon.begin() + long(iconChunk) + 4), "icon");
    longIcon[iconChunk + 4] = longIcon[iconChunk + 5] = 0xFF;
    ani = Load("a.ani", longIcon);
    EXPECT_FALSE(ani->IsEmpty()) << ani->ErrorText();

    const Bytes noFrames = MakeAniFile({});
    ani = Load("a.ani", noFrames);
    EXPECT_TRUE(ani->IsEmpty());
    EXPECT_EQ(ani->ErrorText(), "no frame in the animated cursor");

    ani = Load("a.ani", frame);  // a plain cursor is no RIFF file
    EXPECT_EQ(ani->ErrorText(), "not an animated cursor file");
}

TEST(IconDecode, EveryTruncationFailsCleanly) {
    auto icon = [](const uint8_t* d, size_t n) {
        enbitmap::BgraImage im;
        std::string e;
        return enbitmap::DecodeIconFile(d, n, im, e);
    };
    auto ani = [](const uint8_t* d, size_t n) {
        enbitmap::BgraImage im;
        std::string e;
        return enbitmap::DecodeAniFile(d, n, im, e);
    };
    IconImage masked;
    masked.width = 5;
    masked.height = 3;
    masked.bpp = 8;
    masked.palette.assign(256, 0x808080);
    masked.pixels.assign(3, std::vector<uint32_t>(5, 9));
    masked.mask = {{1, 0, 1, 0, 1}, {0, 0, 0, 0, 0}, {1, 1, 1, 1, 1}};
    // An entry that does not fit in the file is skipped, so no prefix decodes.
    EXPECT_EQ(DecodeEveryPrefix(MakeIconFile(1, {{MakeIconDib(masked)}}), icon), 0u);

    PngParts png;
    png.width = 3;
    png.height = 2;
    png.colorType = PNG_COLOR_TYPE_GRAY;
    png.samples = {{0, 128, 255}, {255, 128, 0}};
    EXPECT_EQ(DecodeEveryPrefix(MakeIconFile(1, {{MakePng(png)}}), icon), 0u);

    // The frame's bytes are bounded by the RIFF size, which a prefix cuts: nothing decodes either.
    const Bytes aniFile = MakeAniFile({MakeIconFile(2, {{MakeIconDib(masked)}})});
    EXPECT_EQ(DecodeEveryPrefix(aniFile, ani), 0u);
}

// A PNG entry may claim 2^32 - 1 pixels each way; ranking entries by area must not overflow (this was
// undefined behaviour that the sanitizer caught), and the claim must not keep a good entry from decoding.
TEST(IconDecode, APngEntryClaimingTheLargestSizeIsPassedOverWithoutOverflow) {
    const Bytes hostile = MakePngHeaderOnly(0xFFFFFFFFu, 0xFFFFFFFFu);
    enbitmap::BgraImage out;
    std::string error;
    const Bytes alone = MakeIconFile(1, {IconEntry(hostile)});
    EXPECT_FALSE(enbitmap::DecodeIconFile(alone.data(), alone.size(), out, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(out.pixels.empty());

    const Bytes both = MakeIconFile(1, {IconEntry(hostile), IconEntry(MakeIconDib(Solid(5, 3, 0xFF00FF00)))});
    ASSERT_TRUE(enbitmap::DecodeIconFile(both.data(), both.size(), out, error)) << error;
    EXPECT_EQ(out.width, 5);
    EXPECT_EQ(out.height, 3);

    // The same icon as an animated cursor's first frame.
    const Bytes ani = MakeAniFile({MakeIconFile(2, {IconEntry(hostile)})});
    EXPECT_FALSE(enbitmap::DecodeAniFile(ani.data(), ani.size(), out, error));
    // And each dimension alone at its largest.
    for (const auto& [w, h] : {std::pair{0xFFFFFFFFu, 1u}, std::pair{1u, 0xFFFFFFFFu}, std::pair{0x80000000u, 0x80000000u}}) {
        const Bytes file = MakeIconFile(1, {IconEntry(MakePngHeaderOnly(w, h))});
        EXPECT_FALSE(enbitmap::DecodeIconFile(file.data(), file.size(), out, error)) << w << " x " << h;
    }
}
