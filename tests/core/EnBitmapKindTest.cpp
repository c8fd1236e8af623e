// Telling a picture's kind from its name, and which image object loading returns for each kind.

#include <gtest/gtest.h>

#include <png.h>

#include <filesystem>
#include <fstream>

#include "EnBitmapTestUtil.h"
#include "Helpers/EnBitmap.h"

using namespace imgtest;

struct KindCase {
    const char* name;
    int kind;
};

class ImageKindOfName : public testing::TestWithParam<KindCase> {};

TEST_P(ImageKindOfName, FollowsTheTableOrder) { EXPECT_EQ(GetImageKind(GetParam().name), GetParam().kind); }

INSTANTIATE_TEST_SUITE_P(
    Names, ImageKindOfName,
    testing::Values(KindCase{"frame.bmp", kImageBmp}, KindCase{"FRAME.BMP", kImageBmp},
                    KindCase{"skin.bmp.png", kImageBmp},   // ".bmp" anywhere after the first character
                    KindCase{"old.bmpx", kImageBmp},       // a substring, not the extension
                    KindCase{".bmp", kImageOther},         // only at the very first character
                    KindCase{".bmp.bmp", kImageBmp},       // a later occurrence still counts
                    KindCase{".png.tga", kImageTga}, KindCase{"a.png.ico", kImageIcon},
                    KindCase{"arrow.Cur", kImageCursor}, KindCase{"busy.ani", kImageAniCursor},
                    KindCase{"photo.jpg", kImageJpeg}, KindCase{"photo.JPEG", kImageJpeg},
                    KindCase{"anim.gif", kImageGif}, KindCase{"shade.tga", kImageTga}, KindCase{"btn.png", kImagePng},
                    KindCase{"readme.txt", kImageOther}, KindCase{"", kImageOther}, KindCase{"png", kImageOther}));

namespace {

Bytes SmallBmp() {
    DibParts s;
    s.width = 2;
    s.height = 1;
    s.bpp = 24;
    s.bits = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0, 0};
    return MakeBmpFile(s);
}

Bytes SmallPng() {
    PngParts s;
    s.width = 2;
    s.height = 1;
    s.colorType = PNG_COLOR_TYPE_RGB;
    s.samples = {{1, 2, 3, 4, 5, 6}};
    return MakePng(s);
}

Bytes SmallTga() { return MakeTga(TgaParts{2, 24, 1, 1, 0, "", 0, 0, {}, {7, 8, 9}}); }

Bytes SmallIcon(int type) {
    IconImage im;
    im.width = 2;
    im.height = 2;
    im.pixels = {{0xFF112233, 0xFF112233}, {0xFF112233, 0x00000000}};
    return MakeIconFile(type, {{MakeIconDib(im)}});
}

}  // namespace

TEST(LoadImageMemory, GivesEachKindItsImageClass) {
    const Bytes bmp = SmallBmp(), png = SmallPng(), tga = SmallTga(), ico = SmallIcon(1), cur = SmallIcon(2);
    const Bytes ani = MakeAniFile({cur});
    struct {
        const char* name;
        const Bytes& bytes;
        int kind;
        bool winBitmap;
    } cases[] = {{"a.bmp", bmp, kImageBmp, true},       {"a.ico", ico, kImageIcon, true},
                 {"a.cur", cur, kImageCursor, true},    {"a.ani", ani, kImageAniCursor, true},
                 {"a.png", png, kImagePng, false},      {"a.tga", tga, kImageTga, false}};
    for (const auto& c : cases) {
        const auto image = LoadImageMemory(c.name, c.bytes.data(), c.bytes.size());
        ASSERT_NE(image, nullptr) << c.name;
        EXPECT_EQ(image->Kind(), c.kind);
        EXPECT_FALSE(image->IsEmpty()) << c.name << ": " << image->ErrorText();
        EXPECT_TRUE(image->ErrorText().empty());
        EXPECT_EQ(dynamic_cast<CWinBitmap*>(image.get()) != nullptr, c.winBitmap) << c.name;
        if (c.kind == kImagePng) {
            EXPECT_NE(dynamic_cast<CSkinImagePNG*>(image.get()), nullptr);
        }
        if (c.kind == kImageTga) {
            EXPECT_NE(dynamic_cast<CSkinImageTGA*>(image.get()), nullptr);
        }
    }

    // The BMP edge case: the name's last extension is ".png", but ".bmp" comes first in the table.
    const auto named = LoadImageMemory("skin.bmp.png", bmp.data(), bmp.size());
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(named->Kind(), kImageBmp);
    EXPECT_FALSE(named->IsEmpty()) << named->ErrorText();
}

TEST(LoadImageMemory, UndecodableBytesGiveAnEmptyImageWithAReason) {
    const Bytes junk = {'j', 'u', 'n', 'k', 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    for (const char* name : {"a.bmp", "a.ico", "a.cur", "a.ani", "a.png", "a.tga"}) {
        const auto image = LoadImageMemory(name, junk.data(), junk.size());
        ASSERT_NE(image, nullptr) << name;
        EXPECT_TRUE(image->IsEmpty()) << name;
        EXPECT_FALSE(image->ErrorText().empty()) << name;
        EXPECT_EQ(image->Kind(), GetImageKind(name));
        const auto nothing = LoadImageMemory(name, nullptr, 0);
        ASSERT_NE(nothing, nullptr);
        EXPECT_TRUE(nothing->IsEmpty());
    }
    for (const char* name : {"a.jpg", "a.jpeg", "a.gif", "a.txt"}) {
        EXPECT_EQ(LoadImageMemory(name, junk.data(), junk.size()), nullptr) << name;
        EXPECT_EQ(MakeEmptyImage(GetImageKind(name)), nullptr);
    }
    for (int kind : {kImageBmp, kImageIcon, kImageCursor, kImageAniCursor, kImagePng, kImageTga}) {
        const auto empty = MakeEmptyImage(kind);
        ASSERT_NE(empty, nullptr);
        EXPECT_EQ(empty->Kind(), kind);
        EXPECT_TRUE(empty->IsEmpty());
        EXPECT_FALSE(empty->HasTransparency());
        EXPECT_TRUE(empty->ToBgra32().empty());
    }
}

class LoadImageFileTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::path(testing::TempDir()) /
                ("enbitmap_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::filesystem::path Write(const std::filesystem::path& relative, const Bytes& bytes) {
        const std::filesystem::path path = m_dir / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
        return path;
    }

    std::filesystem::path m_dir;
};

TEST_F(LoadImageFileTest, DecodesEveryKindFromDisk) {
    const struct {
        const char* name;
        Bytes bytes;
        int kind;
    } files[] = {{"a.bmp", SmallBmp(), kImageBmp},        {"b.png", SmallPng(), kImagePng},
                 {"c.tga", SmallTga(), kImageTga},        {"d.ico", SmallIcon(1), kImageIcon},
                 {"e.cur", SmallIcon(2), kImageCursor},   {"f.ani", MakeAniFile({SmallIcon(2)}), kImageAniCursor}};
    for (const auto& f : files) {
        const auto image = LoadImageFile(Write(f.name, f.bytes));
        ASSERT_NE(image, nullptr) << f.name;
        EXPECT_EQ(image->Kind(), f.kind);
        EXPECT_FALSE(image->IsEmpty()) << f.name << ": " << image->ErrorText();
        // The same bytes in memory give the same pixels.
        const auto fromMemory = LoadImageMemory(f.name, f.bytes.data(), f.bytes.size());
        EXPECT_EQ(image->ToBgra32(), fromMemory->ToBgra32()) << f.name;
    }
}

TEST_F(LoadImageFileTest, OnlyTheFileNameDecidesTheKind) {
    const auto image = LoadImageFile(Write("old.bmp.d/button.png", SmallPng()));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Kind(), kImagePng);
    EXPECT_FALSE(image->IsEmpty()) << image->ErrorText();
}

TEST_F(LoadImageFileTest, MissingOrBrokenFilesGiveEmptyImages) {
    auto image = LoadImageFile(m_dir / "missing.png");
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->IsEmpty());
    EXPECT_EQ(image->ErrorText(), "cannot open the file");

    image = LoadImageFile(Write("broken.tga", {1, 2, 3}));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->ErrorText(), "Not a TGA");

    image = LoadImageFile(Write("empty.bmp", {}));
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->IsEmpty());
    EXPECT_FALSE(image->ErrorText().empty());

    EXPECT_EQ(LoadImageFile(Write("photo.jpg", {0xFF, 0xD8})), nullptr);
}
