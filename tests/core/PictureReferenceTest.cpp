// Picture files read with their bytes, and picture references looked up again after a picture's image was
// replaced (the designer's reload).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempFolderTest.h"
#include "EnBitmapTestUtil.h"
#include "Helpers/EnBitmap.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResHeader.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "Resource/SkinDocument.h"
#include "Resource/ZipArchive.h"

namespace fs = std::filesystem;
using imgtest::Bytes;

namespace {

Bytes Bmp(int w, int h) {
    imgtest::DibParts parts;
    parts.width = w;
    parts.height = h;
    parts.bpp = 24;
    parts.bits = imgtest::PackRows(std::vector<std::vector<uint32_t>>(size_t(h), std::vector<uint32_t>(size_t(w), 0x336699)), 24);
    return imgtest::MakeBmpFile(parts);
}

using PictureFileTest = filetest::TempFolderTest;

TEST_F(PictureFileTest, ReadingKeepsTheBytesAndDecodesByThePictureName) {
    const Bytes bmp = Bmp(3, 2);
    // The kind comes from the picture's name: the path's extension plays no part.
    const PictureFile file = CResPicture::ReadFile(Write("art.dat", bmp), "Art.bmp");
    ASSERT_TRUE(file.Ok()) << file.error;
    EXPECT_EQ(*file.data, bmp);
    ASSERT_NE(file.image, nullptr);
    EXPECT_EQ(file.image->Width(), 3);
    EXPECT_EQ(file.image->Height(), 2);
}

TEST_F(PictureFileTest, FilesThatCannotServeAsPicturesSayWhy) {
    const PictureFile missing = CResPicture::ReadFile((m_dir / "none.bmp").string(), "none.bmp");
    EXPECT_FALSE(missing.Ok());
    EXPECT_EQ(missing.image, nullptr);

    const PictureFile junk = CResPicture::ReadFile(Write("junk.png", {'n', 'o', 'p', 'e'}), "junk.png");
    EXPECT_FALSE(junk.Ok());
    EXPECT_FALSE(junk.error.empty());

    const PictureFile jpeg = CResPicture::ReadFile(Write("photo.jpg", {0xFF, 0xD8, 0xFF}), "photo.jpg");
    EXPECT_FALSE(jpeg.Ok());

    CSkinDocument doc;
    std::string error;
    EXPECT_EQ(doc.AddPictureFile(Write("junk2.png", {1, 2, 3}), "junk2.png", &error), nullptr);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(doc.Pictures().Count(), 0u);
}

TEST_F(PictureFileTest, AFileLargerThanAPackageEntryIsRefused) {
    const std::string path = (m_dir / "huge.bmp").string();
    {
        std::ofstream out(path, std::ios::binary);
        out.seekp(static_cast<std::streamoff>(vd::kDefaultZipEntryLimit));  // sparse: one byte past the cap
        out.put('\0');
    }
    const PictureFile file = CResPicture::ReadFile(path, "huge.bmp");
    EXPECT_FALSE(file.Ok());
    EXPECT_EQ(file.data, nullptr);
}

// Every kind of reference to a picture follows a replaced image: plain image records, numbered header item
// images and menu / toolbar check images (with their grey copies); references to other pictures stay.
TEST(PictureReferences, AllReferencesNamingAPictureFollowItsNewImage) {
    CSkinDocument doc;
    auto bytes = std::make_shared<const Bytes>(Bmp(4, 4));
    auto decode = [&bytes] { return std::shared_ptr<const CEnBitmap>(LoadImageMemory("a.bmp", bytes->data(), bytes->size())); };
    Picture* a = doc.Pictures().Add("/x/a.bmp", "a.bmp", bytes, decode());
    Picture* b = doc.Pictures().Add("/x/b.bmp", "b.bmp", bytes, decode());
    const auto oldA = a->image;
    const auto oldB = b->image;

    auto* frame = static_cast<SkinFrame*>(doc.NewItemOfType(3000));
    frame->activeTop.name = "A.BMP";  // names match ignoring case
    frame->activeTop.image = oldA;
    frame->activeLeft.name = "b.bmp";
    frame->activeLeft.image = oldB;
    CheckImageEntry entry;
    entry.id = 7;
    entry.checkImage = "a.bmp";
    entry.uncheckImage = "b.bmp";
    ResolveCheckImages(entry, [&doc](std::string_view n) { return doc.PictureImageByName(n); });
    frame->menu.items[7] = entry;
    const auto oldGrey = frame->menu.items[7].checkGrey;

    auto* header = static_cast<SkinHeader*>(doc.NewItemOfType(8000));
    header->itemImageMap[3].name = "a.bmp";
    header->itemImageMap[3].image = oldA;
    auto* untouched = static_cast<SkinHeader*>(doc.NewItemOfType(8000));
    untouched->itemImageMap[1].name = "b.bmp";
    untouched->itemImageMap[1].image = oldB;

    a->image = decode();
    const std::vector<int> changed = doc.ResolvePictureReferences();
    EXPECT_EQ(changed, (std::vector<int>{frame->ID, header->ID}));
    EXPECT_EQ(frame->activeTop.image, a->image);
    EXPECT_EQ(frame->activeLeft.image, oldB);
    EXPECT_EQ(frame->menu.items[7].check, a->image);
    EXPECT_NE(frame->menu.items[7].checkGrey, oldGrey);
    EXPECT_NE(frame->menu.items[7].checkGrey, nullptr);
    EXPECT_EQ(frame->menu.items[7].uncheck, oldB);
    EXPECT_EQ(header->itemImageMap[3].image, a->image);
    EXPECT_EQ(untouched->itemImageMap[1].image, oldB);

    // Nothing left to follow: a second pass changes nothing.
    EXPECT_TRUE(doc.ResolvePictureReferences().empty());
}

TEST(PictureReferences, ToolbarCheckImagesFollowToo) {
    CSkinDocument doc;
    auto bytes = std::make_shared<const Bytes>(Bmp(2, 2));
    auto decode = [&bytes] { return std::shared_ptr<const CEnBitmap>(LoadImageMemory("t.bmp", bytes->data(), bytes->size())); };
    Picture* t = doc.Pictures().Add("/x/t.bmp", "t.bmp", bytes, decode());
    auto* bar = static_cast<SkinToolBar*>(doc.NewItemOfType(doc.ToolBars().BaseId()));
    ASSERT_NE(bar, nullptr);
    CheckImageEntry entry;
    entry.uncheckImage = "t.bmp";
    ResolveCheckImages(entry, [&doc](std::string_view n) { return doc.PictureImageByName(n); });
    bar->commands[0] = entry;
    t->image = decode();
    EXPECT_EQ(doc.ResolvePictureReferences(), std::vector<int>{bar->ID});
    EXPECT_EQ(bar->commands[0].uncheck, t->image);
}

}  // namespace
