// Drawing decoded image objects: every picture is built here as file bytes (TGA, PNG, BMP, ICO, CUR),
// decoded by the real decoders and drawn over a known background. Expected pixels come from the picture
// bytes and the documented blend (a = 255 replaces, 0 leaves, else d * (255 - a) / 256 + s * a / 256 with
// the alpha scaled as a * (max + 1) / 256), never from the drawing code.

#include <gtest/gtest.h>

#include <QPainter>

#include <zlib.h>

#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "DrawTestSupport.h"
#include "Helpers/EnBitmap.h"
#include "Helpers/SkinBaseImage.h"

using namespace drawtest;
using namespace vd;

namespace {

using Bytes = std::vector<uint8_t>;

constexpr QRgb kBackground = 0xFF3C7896;  // 60, 120, 150
constexpr Color kMagenta{255, 0, 255};

void Put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void PutBE32(Bytes& b, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        b.push_back(uint8_t(v >> shift));
}

// A picture pixel: straight colour and alpha.
struct Px {
    uint8_t r, g, b, a;
};

// --- expectations ---

uint8_t Mix(uint8_t d, uint8_t s, unsigned a) {
    if (a >= 255)
        return s;
    if (a == 0)
        return d;
    return uint8_t(((d * (255u - a)) >> 8) + ((s * a) >> 8));
}
QRgb Over(QRgb d, Px s, unsigned a) {
    return qRgb(Mix(qRed(d), s.r, a), Mix(qGreen(d), s.g, a), Mix(qBlue(d), s.b, a));
}
unsigned Scaled(unsigned a, unsigned max) { return a * (max + 1) >> 8; }

// Checks every pixel of the canvas; reports the first few differences.
void ExpectPixels(const QImage& canvas, const std::function<QRgb(int, int)>& expected, const std::string& what) {
    int wrong = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (Raw(canvas, x, y) != expected(x, y) && ++wrong <= 4)
                ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") is " << Hex(Raw(canvas, x, y))
                              << ", want " << Hex(expected(x, y));
}

// --- file builders ---

// A 32-bit TGA: 18-byte header, then B, G, R, A per pixel; rows top-down in the file when topDown.
Bytes Tga32(int w, int h, const std::vector<Px>& topDownPixels, bool topDown) {
    Bytes t(18, 0);
    t[2] = 2;  // uncompressed true colour
    t[12] = uint8_t(w), t[13] = uint8_t(w >> 8), t[14] = uint8_t(h), t[15] = uint8_t(h >> 8);
    t[16] = 32;
    t[17] = uint8_t(8 | (topDown ? 0x20 : 0));
    for (int row = 0; row < h; ++row) {
        const int y = topDown ? row : h - 1 - row;
        for (int x = 0; x < w; ++x) {
            const Px& p = topDownPixels[size_t(y * w + x)];
            t.insert(t.end(), {p.b, p.g, p.r, p.a});
        }
    }
    return t;
}

void PngChunk(Bytes& png, const char* type, const Bytes& data) {
    PutBE32(png, uint32_t(data.size()));
    Bytes body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    png.insert(png.end(), body.begin(), body.end());
    PutBE32(png, uint32_t(crc32(0, body.data(), uInt(body.size()))));
}

// An 8-bit PNG of one row per entry of rows (raw sample bytes, filter 0), with extra chunks before IDAT.
Bytes Png(int w, int colorType, const std::vector<Bytes>& rows, const std::vector<std::pair<const char*, Bytes>>& extra) {
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes ihdr;
    PutBE32(ihdr, uint32_t(w));
    PutBE32(ihdr, uint32_t(rows.size()));
    ihdr.insert(ihdr.end(), {8, uint8_t(colorType), 0, 0, 0});
    PngChunk(png, "IHDR", ihdr);
    for (const auto& [type, data] : extra)
        PngChunk(png, type, data);
    Bytes raw;
    for (const Bytes& row : rows) {
        raw.push_back(0);
        raw.insert(raw.end(), row.begin(), row.end());
    }
    uLongf size = compressBound(uLong(raw.size()));
    Bytes packed(size);
    EXPECT_EQ(compress(packed.data(), &size, raw.data(), uLong(raw.size())), Z_OK);
    packed.resize(size);
    PngChunk(png, "IDAT", packed);
    PngChunk(png, "IEND", {});
    return png;
}

// A BMP file: 24-bit, or 32-bit with BI_ALPHABITFIELDS masks (alpha in the top byte) when alpha is set.
Bytes Bmp(int w, int h, const std::vector<Px>& topDownPixels, bool alpha) {
    const int bpp = alpha ? 32 : 24;
    const size_t rowBytes = (size_t(w) * bpp + 31) / 32 * 4;
    const uint32_t offBits = 14 + 40 + (alpha ? 16 : 0);
    Bytes b = {'B', 'M'};
    Put32(b, uint32_t(offBits + rowBytes * h));
    Put32(b, 0);
    Put32(b, offBits);
    Put32(b, 40);
    Put32(b, uint32_t(w));
    Put32(b, uint32_t(h));
    Put16(b, 1);
    Put16(b, uint32_t(bpp));
    Put32(b, alpha ? 6 : 0);
    for (int i = 0; i < 5; ++i)
        Put32(b, 0);
    if (alpha)
        for (uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u})
            Put32(b, mask);
    for (int y = h - 1; y >= 0; --y) {
        size_t n = 0;
        for (int x = 0; x < w; ++x) {
            const Px& p = topDownPixels[size_t(y * w + x)];
            b.insert(b.end(), {p.b, p.g, p.r});
            n += 3;
            if (alpha)
                b.push_back(p.a), ++n;
        }
        for (; n < rowBytes; ++n)
            b.push_back(0);
    }
    return b;
}

// An ICO (type 1) or CUR (type 2) with one 4 x 4 entry: 24-bit colours and an AND mask (1 = transparent),
// or 32-bit colours with their alpha and an all-clear mask.
Bytes Icon(int type, const std::vector<Px>& topDownPixels, const std::vector<int>& topDownMask, bool alpha) {
    constexpr int kSide = 4;
    const int bpp = alpha ? 32 : 24;
    Bytes dib;
    Put32(dib, 40);
    Put32(dib, kSide);
    Put32(dib, kSide * 2);
    Put16(dib, 1);
    Put16(dib, uint32_t(bpp));
    for (int i = 0; i < 6; ++i)
        Put32(dib, 0);
    for (int y = kSide - 1; y >= 0; --y)
        for (int x = 0; x < kSide; ++x) {
            const Px& p = topDownPixels[size_t(y * kSide + x)];
            dib.insert(dib.end(), {p.b, p.g, p.r});
            if (alpha)
                dib.push_back(p.a);
        }
    for (int y = kSide - 1; y >= 0; --y) {
        uint8_t bits = 0;
        for (int x = 0; x < kSide; ++x)
            if (!topDownMask.empty() && topDownMask[size_t(y * kSide + x)])
                bits |= uint8_t(0x80 >> x);
        dib.insert(dib.end(), {bits, 0, 0, 0});
    }
    Bytes file;
    Put16(file, 0);
    Put16(file, uint32_t(type));
    Put16(file, 1);
    file.insert(file.end(), {kSide, kSide, 0, 0});
    Put16(file, 1);                              // planes, or the hot spot's x for a cursor
    Put16(file, type == 2 ? 2 : uint32_t(bpp));  // bit count, or the hot spot's y
    Put32(file, uint32_t(dib.size()));
    Put32(file, 22);
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

std::shared_ptr<const CEnBitmap> Load(const char* name, const Bytes& bytes) {
    std::shared_ptr<const CEnBitmap> image = LoadImageMemory(name, bytes.data(), bytes.size());
    EXPECT_TRUE(image && !image->IsEmpty()) << name << ": " << (image ? image->ErrorText() : "no object");
    return image;
}

// A 4 x 2 picture with alphas from "leaves" to "replaces" and colours that differ per channel.
const std::vector<Px> kTgaPixels = {
    {250, 10, 20, 0},  {200, 40, 90, 1},    {30, 220, 110, 64},  {128, 128, 255, 128},
    {5, 99, 180, 200}, {255, 255, 255, 254}, {17, 34, 51, 255},  {255, 0, 255, 37},
};
Px TgaPixel(int x, int y) { return kTgaPixels[size_t(y * 4 + x)]; }

}  // namespace

TEST(ImageDraw, TgaWithAlphaBlendsByTheImageArithmeticWhateverItsRowOrder) {
    for (bool topDown : {false, true}) {
        const auto image = Load("alpha.tga", Tga32(4, 2, kTgaPixels, topDown));
        QImage canvas = Canvas(9, 6, kBackground);
        {
            QPainter p(&canvas);
            EXPECT_TRUE(ImageDrawer(image).Draw(p, 3, 2, kMagenta, true));
        }
        ExpectPixels(canvas, [](int x, int y) {
            const bool inside = x >= 3 && x < 7 && y >= 2 && y < 4;
            if (!inside)
                return kBackground;
            const Px s = TgaPixel(x - 3, y - 2);
            return Over(kBackground, s, Scaled(s.a, 255));  // the key is not a TGA's business
        }, topDown ? "top-down TGA" : "bottom-up TGA");
    }
}

TEST(ImageDraw, GlobalAlphaMaximumScalesEveryPixel) {
    const Bytes bytes = Tga32(4, 2, kTgaPixels, false);
    std::unique_ptr<CEnBitmap> decoded = LoadImageMemory("faded.tga", bytes.data(), bytes.size());
    auto* skin = dynamic_cast<CSkinImage*>(decoded.get());
    ASSERT_NE(skin, nullptr);
    for (int max : {127, 0}) {
        skin->SetAlphaMax(uint8_t(max));
        QImage canvas = Canvas(4, 2, kBackground);
        {
            QPainter p(&canvas);
            ImageDrawer(*skin).Draw(p, 0, 0);
        }
        ExpectPixels(canvas, [&](int x, int y) {
            const Px s = TgaPixel(x, y);
            return Over(kBackground, s, Scaled(s.a, unsigned(max)));
        }, "alpha maximum " + std::to_string(max));
    }
}

TEST(ImageDraw, PartsCopiesAndStretchesKeepTheBlendAndReadNothingOutsideThePicture) {
    const ImageDrawer tga(Load("alpha.tga", Tga32(4, 2, kTgaPixels, false)));
    struct Case {
        const char* what;
        std::function<bool(QPainter&)> draw;
        std::function<QRgb(int, int)> expected;  // canvas pixel; source pixel mapping written out per case
    };
    auto at = [](int sx, int sy) { const Px s = TgaPixel(sx, sy); return Over(kBackground, s, s.a); };
    const std::vector<Case> cases = {
        {"DrawPart half outside", [&](QPainter& p) { return tga.DrawPart(p, 1, 1, QRect(2, 0, 4, 2)); },
         [&](int x, int y) { return x >= 1 && x < 3 && y >= 1 && y < 3 ? at(x + 1, y - 1) : kBackground; }},
        {"DrawPartPlain", [&](QPainter& p) { return tga.DrawPartPlain(p, 0, 0, QRect(1, 1, 3, 1)); },
         [&](int x, int y) { return x < 3 && y == 0 ? at(x + 1, 1) : kBackground; }},
        {"DrawInRect clips to the rectangle", [&](QPainter& p) { return tga.DrawInRect(p, QRect(2, 1, 3, 5)); },
         [&](int x, int y) { return x >= 2 && x < 5 && y >= 1 && y < 3 ? at(x - 2, y - 1) : kBackground; }},
        {"StretchDrawPart twice as large",
         [&](QPainter& p) { return tga.StretchDrawPart(p, QRect(0, 0, 4, 4), QRect(2, 0, 2, 2)); },
         [&](int x, int y) { return x < 4 && y < 4 ? at(2 + x / 2, y / 2) : kBackground; }},
        {"StretchDraw squeezed to half",
         [&](QPainter& p) { return tga.StretchDraw(p, QRect(1, 0, 2, 1), kMagenta); },
         // column i of n samples (2i + 1) * m / 2n: columns 1 and 3, row 1
         [&](int x, int y) { return y == 0 && (x == 1 || x == 2) ? at(x == 1 ? 1 : 3, 1) : kBackground; }},
    };
    for (const Case& c : cases) {
        QImage canvas = Canvas(8, 6, kBackground);
        {
            QPainter p(&canvas);
            EXPECT_TRUE(c.draw(p)) << c.what;
        }
        ExpectPixels(canvas, c.expected, c.what);
    }

    QImage canvas = Canvas(8, 6, kBackground);
    QPainter p(&canvas);
    EXPECT_FALSE(tga.DrawPart(p, 0, 0, QRect(4, 0, 2, 2))) << "a part wholly outside the picture";
    EXPECT_FALSE(tga.DrawPart(p, 0, 0, QRect(1, 1, 0, 1))) << "an empty part";
    EXPECT_FALSE(tga.StretchDraw(p, QRect(0, 0, 0, 5)));
    EXPECT_FALSE(ImageDrawer().Draw(p, 0, 0));
    EXPECT_FALSE(ImageDrawer(std::shared_ptr<const CEnBitmap>()).Draw(p, 0, 0));
    p.end();
    ExpectPixels(canvas, [](int, int) { return kBackground; }, "nothing drawn");
}

TEST(ImageDraw, PalettePngWithAlphaOrTransparentIndexAndRgbPngWithTransparentColour) {
    const Bytes palette = {200, 0, 0, 0, 200, 0, 0, 0, 200, 90, 90, 90};  // R G B x 4
    const std::vector<Px> colours = {{200, 0, 0, 0}, {0, 200, 0, 0}, {0, 0, 200, 0}, {90, 90, 90, 0}};
    const Bytes row = {0, 1, 2, 3};
    struct Case {
        const char* what;
        Bytes png;
        std::vector<unsigned> alpha;  // per column
        std::vector<Px> colour;
    };
    // RGB pictures: colour (10, 20, 30) is the one made transparent, (10, 20, 31) is not.
    const Bytes rgbRow = {10, 20, 30, 10, 20, 31, 250, 251, 252, 10, 20, 30};
    const std::vector<Px> rgbColours = {{10, 20, 30, 0}, {10, 20, 31, 0}, {250, 251, 252, 0}, {10, 20, 30, 0}};
    const Bytes key16 = {0, 10, 0, 20, 0, 30};
    const std::vector<Case> cases = {
        {"tRNS alpha per entry", Png(4, 3, {row}, {{"PLTE", palette}, {"tRNS", {255, 128, 0, 37}}}),
         {255, Scaled(255, 128), Scaled(255, 0), Scaled(255, 37)}, colours},
        {"tRNS with fewer entries than the palette", Png(4, 3, {row}, {{"PLTE", palette}, {"tRNS", {100, 200}}}),
         {Scaled(255, 100), Scaled(255, 200), 255, 255}, colours},
        {"single tRNS entry 0: transparent index", Png(4, 3, {row}, {{"PLTE", palette}, {"tRNS", {0}}}),
         {0, 255, 255, 255}, colours},
        {"RGB with tRNS colour", Png(4, 2, {rgbRow}, {{"tRNS", key16}}), {0, 255, 255, 0}, rgbColours},
        {"RGB with background colour", Png(4, 2, {rgbRow}, {{"bKGD", key16}}), {0, 255, 255, 0}, rgbColours},
    };
    for (const Case& c : cases) {
        const auto image = Load("picture.png", c.png);
        QImage canvas = Canvas(6, 3, kBackground);
        {
            QPainter p(&canvas);
            EXPECT_TRUE(ImageDrawer(image).Draw(p, 1, 1));
        }
        ExpectPixels(canvas, [&](int x, int y) {
            if (y != 1 || x < 1 || x > 4)
                return kBackground;
            return Over(kBackground, c.colour[size_t(x - 1)], c.alpha[size_t(x - 1)]);
        }, c.what);
    }
}

TEST(ImageDraw, BmpIsCopiedAndKeyedOnlyWhenTransparencyIsAsked) {
    const std::vector<Px> pixels = {{255, 0, 255, 0}, {1, 2, 3, 0}, {255, 0, 254, 0},
                                    {40, 50, 60, 0},  {255, 0, 255, 0}, {200, 100, 0, 0}};
    const auto bmp = Load("key.bmp", Bmp(3, 2, pixels, false));
    auto isKey = [&](int sx, int sy) { const Px& s = pixels[size_t(sy * 3 + sx)]; return s.r == 255 && s.g == 0 && s.b == 255; };
    auto colour = [&](int sx, int sy) { const Px& s = pixels[size_t(sy * 3 + sx)]; return qRgb(s.r, s.g, s.b); };
    struct Case {
        ColorKey key;
        bool flag;
        bool keyed;
    };
    for (const Case& c : {Case{kMagenta, true, true}, Case{kMagenta, false, false}, Case{std::nullopt, true, false}}) {
        QImage canvas = Canvas(5, 4, kBackground);
        {
            QPainter p(&canvas);
            EXPECT_TRUE(ImageDrawer(bmp).Draw(p, 1, 1, c.key, c.flag));
        }
        ExpectPixels(canvas, [&](int x, int y) {
            if (x < 1 || x > 3 || y < 1 || y > 2)
                return kBackground;
            return c.keyed && isKey(x - 1, y - 1) ? kBackground : colour(x - 1, y - 1);
        }, std::string("Draw, flag ") + (c.flag ? "on" : "off") + (c.key ? " with key" : " without key"));
    }

    // StretchDraw keys whenever a key is given; doubling maps destination i to source i / 2.
    QImage canvas = Canvas(6, 4, kBackground);
    {
        QPainter p(&canvas);
        EXPECT_TRUE(ImageDrawer(bmp).StretchDraw(p, canvas.rect(), kMagenta));
    }
    ExpectPixels(canvas, [&](int x, int y) { return isKey(x / 2, y / 2) ? kBackground : colour(x / 2, y / 2); },
                 "StretchDraw keyed");
}

TEST(ImageDraw, BmpAlphaBytesAreIgnoredAsTheEngineIgnoresThem) {
    const std::vector<Px> pixels = {{100, 150, 200, 0}, {10, 20, 30, 128}};
    const auto bmp = Load("alpha.bmp", Bmp(2, 1, pixels, true));
    ASSERT_TRUE(bmp->HasTransparency()) << "the decoder should see the alpha mask";
    QImage canvas = Canvas(2, 1, kBackground);
    {
        QPainter p(&canvas);
        ImageDrawer(bmp).Draw(p, 0, 0);
    }
    EXPECT_EQ(Raw(canvas, 0, 0), qRgb(100, 150, 200));
    EXPECT_EQ(Raw(canvas, 1, 0), qRgb(10, 20, 30));
}

TEST(ImageDraw, IconsAndCursorsDrawAtTheirOwnSizeThroughTheirMaskOrAlpha) {
    std::vector<Px> pixels;
    for (int i = 0; i < 16; ++i)
        pixels.push_back({uint8_t(i * 15), uint8_t(255 - i * 9), uint8_t(i * 7 + 3), uint8_t(i * 17)});
    const std::vector<int> mask = {1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 1};
    struct Case {
        const char* name;
        Bytes file;
        bool alpha;
    };
    for (const Case& c : {Case{"masked.ico", Icon(1, pixels, mask, false), false},
                          Case{"masked.cur", Icon(2, pixels, mask, false), false},
                          Case{"alpha.ico", Icon(1, pixels, {}, true), true}}) {
        const auto icon = Load(c.name, c.file);
        const ImageDrawer drawer(icon);
        EXPECT_EQ(drawer.Width(), 4);
        EXPECT_EQ(drawer.Height(), 4);
        QImage canvas = Canvas(8, 8, kBackground);
        {
            QPainter p(&canvas);
            EXPECT_TRUE(drawer.Draw(p, 2, 3, kMagenta, true));
        }
        ExpectPixels(canvas, [&](int x, int y) {
            if (x < 2 || x >= 6 || y < 3 || y >= 7)
                return kBackground;
            const size_t i = size_t((y - 3) * 4 + (x - 2));
            const unsigned a = c.alpha ? pixels[i].a : (mask[i] ? 0 : 255);
            return Over(kBackground, pixels[i], a);
        }, c.name);
    }
}

TEST(ImageDraw, TransformedPainterDrawsTheSamePixelsScaled) {
    std::vector<Px> pixels;
    for (int i = 0; i < 16; ++i)
        pixels.push_back({uint8_t(i * 16), 80, uint8_t(255 - i * 16), 255});
    const std::vector<int> mask = {0, 1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0};
    const ImageDrawer drawer(Load("scaled.ico", Icon(1, pixels, mask, false)));
    QImage canvas = Canvas(12, 12, kBackground);
    {
        QPainter p(&canvas);
        p.scale(2, 2);
        drawer.Draw(p, 1, 1);
    }
    ExpectPixels(canvas, [&](int x, int y) {
        const int sx = x / 2 - 1, sy = y / 2 - 1;
        if (sx < 0 || sx >= 4 || sy < 0 || sy >= 4 || mask[size_t(sy * 4 + sx)])
            return kBackground;
        const Px& s = pixels[size_t(sy * 4 + sx)];
        return qRgb(s.r, s.g, s.b);
    }, "scaled painter");
}

TEST(ImageDraw, SlicedRecordDrawsItsOwnImage) {
    // 3 x 3 TGA, all pixels half transparent; 1-pixel slices tiled into 5 x 5: the middle pixel repeats.
    std::vector<Px> pixels;
    for (int i = 0; i < 9; ++i)
        pixels.push_back({uint8_t(20 + i * 25), uint8_t(240 - i * 20), uint8_t(i * 31), 128});
    SkinImageBase record;
    record.image = Load("slice.tga", Tga32(3, 3, pixels, true));
    record.right = record.bottom = 3;
    record.leftWidth = record.rightWidth = record.topHeight = record.bottomHeight = 1;
    QImage canvas = Canvas(7, 7, kBackground);
    {
        QPainter p(&canvas);
        EXPECT_TRUE(DrawSkinImage(p, QRect(1, 1, 5, 5), record));
    }
    auto source = [](int d) { return d == 0 ? 0 : d == 4 ? 2 : 1; };
    ExpectPixels(canvas, [&](int x, int y) {
        if (x < 1 || x > 5 || y < 1 || y > 5)
            return kBackground;
        return Over(kBackground, pixels[size_t(source(y - 1) * 3 + source(x - 1))], 128);
    }, "sliced TGA");

    // A BMP record: keyed only with the transparency flag; a record without image draws nothing.
    SkinImageBase bmp;
    bmp.image = Load("slice.bmp", Bmp(2, 1, {{255, 0, 255, 0}, {9, 8, 7, 0}}, false));
    bmp.right = 2, bmp.bottom = 1;
    for (bool flag : {true, false}) {
        QImage small = Canvas(2, 1, kBackground);
        QPainter p(&small);
        EXPECT_TRUE(DrawSkinImage(p, small.rect(), bmp, kMagenta, flag));
        EXPECT_FALSE(DrawSkinImage(p, small.rect(), SkinImageBase{}, kMagenta, flag));
        p.end();
        EXPECT_EQ(Raw(small, 0, 0), flag ? kBackground : qRgb(255, 0, 255));
        EXPECT_EQ(Raw(small, 1, 0), qRgb(9, 8, 7));
    }
}

TEST(PictureImageCache, MakesEachPictureOnceAndDropsItWithItsObject) {
    PictureImageCache cache;
    auto first = Load("a.tga", Tga32(4, 2, kTgaPixels, false));
    auto second = Load("b.bmp", Bmp(1, 1, {{1, 2, 3, 0}}, false));
    const qint64 key = cache.Image(first).cacheKey();
    EXPECT_EQ(cache.Image(first).cacheKey(), key) << "the same object is served from the cache";
    cache.Image(second);
    EXPECT_EQ(cache.Count(), 2u);
    first.reset();
    cache.Prune();
    EXPECT_EQ(cache.Count(), 1u);
    EXPECT_TRUE(cache.Image(nullptr).isNull());
}

TEST(PictureImageCache, AnObjectAtTheAddressOfADeletedOneGetsItsOwnPixels) {
    // Both pictures live in the same storage, one after the other, as an allocator may well arrange.
    alignas(CWinBitmap) unsigned char storage[sizeof(CWinBitmap)];
    auto make = [&](Px colour) {
        const Bytes file = Bmp(1, 1, {colour}, false);
        auto* bitmap = new (storage) CWinBitmap(kImageBmp);
        EXPECT_TRUE(bitmap->LoadBmp(file.data(), file.size()));
        return std::shared_ptr<const CEnBitmap>(bitmap, [](const CEnBitmap* b) { b->~CEnBitmap(); });
    };
    QRgb seen[2];
    for (int i = 0; i < 2; ++i) {
        auto picture = make(i == 0 ? Px{255, 0, 0, 0} : Px{0, 0, 255, 0});
        QImage canvas = Canvas(1, 1, kBackground);
        QPainter p(&canvas);
        ImageDrawer(picture).Draw(p, 0, 0);
        p.end();
        seen[i] = Raw(canvas, 0, 0);
    }
    EXPECT_EQ(seen[0], qRgb(255, 0, 0));
    EXPECT_EQ(seen[1], qRgb(0, 0, 255));
}
