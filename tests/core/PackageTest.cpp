// Skin packages: saving and opening with pictures of every kind, passwords, scrambling and damaged files.
#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <fstream>

#include "EnBitmapTestUtil.h"
#include "Helpers/EnBitmap.h"
#include "Resource/AtomicFile.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/ResObjects/ResScrollBar.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "Resource/SkinDocument.h"
#include "Resource/ZipArchive.h"

namespace fs = std::filesystem;
using imgtest::Bytes;

namespace {

class PackageTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("vornadesk_pkg_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }
    std::string Write(const std::string& name, const Bytes& bytes) const {
        std::ofstream(Path(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                          static_cast<std::streamsize>(bytes.size()));
        return Path(name);
    }
    Bytes Read(const std::string& path) const {
        std::vector<uint8_t> bytes;
        vd::ReadWholeFile(path, bytes, 1u << 30);
        return bytes;
    }
    void AddPictureFile(CSkinDocument& doc, const std::string& name, const Bytes& bytes) {
        const std::string path = Write(name, bytes);
        std::string error;
        ASSERT_NE(doc.AddPictureFile(path, name, &error), nullptr) << name << ": " << error;
    }

    fs::path m_dir;
};

Bytes Bmp2x2() {
    imgtest::DibParts parts;
    parts.width = 2;
    parts.height = 2;
    parts.bpp = 24;
    parts.bits = imgtest::PackRows({{0x0000FF, 0x00FF00}, {0xFF0000, 0xFFFFFF}}, 24);
    return imgtest::MakeBmpFile(parts);
}

Bytes Png3x1() {
    imgtest::PngParts parts;
    parts.width = 3;
    parts.height = 1;
    parts.colorType = PNG_COLOR_TYPE_RGB;
    parts.samples = {{255, 0, 0, 0, 255, 0, 0, 0, 255}};
    return imgtest::MakePng(parts);
}

Bytes Tga1x2() {
    imgtest::TgaParts parts;
    parts.width = 1;
    parts.height = 2;
    parts.data = {1, 2, 3, 4, 5, 6};
    return imgtest::MakeTga(parts);
}

Bytes Icon(int type, int size) {
    imgtest::IconImage image;
    image.width = image.height = size;
    image.pixels.assign(static_cast<size_t>(size), std::vector<uint32_t>(static_cast<size_t>(size), 0xFF336699));
    return imgtest::MakeIconFile(type, {imgtest::IconEntry(imgtest::MakeIconDib(image))});
}

TEST_F(PackageTest, PicturesOfEveryKindRoundTripBeforeTheConfiguration) {
    CSkinDocument doc;
    AddPictureFile(doc, "frame.bmp", Bmp2x2());
    AddPictureFile(doc, "glow.PNG", Png3x1());
    AddPictureFile(doc, "shade.tga", Tga1x2());
    AddPictureFile(doc, "app.ico", Icon(1, 16));
    AddPictureFile(doc, "hand.cur", Icon(2, 32));
    AddPictureFile(doc, "busy.ani", imgtest::MakeAniFile({Icon(2, 8)}));
    auto* frame = static_cast<SkinFrame*>(doc.NewItemOfType(3000));
    frame->activeTop.name = "GLOW.png";
    frame->activeLeft.name = "missing.bmp";
    ASSERT_TRUE(doc.Save(Path("My.Skin.rss"), ""));

    // The archive: pictures in collection order, then the configuration entry named after the title.
    Bytes package = Read(Path("My.Skin.rss"));
    Bytes archive(package.begin() + 28, package.end());
    vd::ScrambleContainer(archive);
    vd::ZipReader zip;
    ASSERT_TRUE(zip.Open(archive.data(), archive.size()));
    std::vector<std::string> names;
    for (const auto& e : zip.Entries()) names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"frame.bmp", "glow.PNG", "shade.tga", "app.ico", "hand.cur",
                                                "busy.ani", "My.rss"}));

    CSkinDocument back;
    ASSERT_EQ(back.Open(Path("My.Skin.rss"), ""), vd::OpenResult::Ok);
    ASSERT_EQ(back.Pictures().Count(), 6u);
    const std::pair<const char*, std::pair<int, int>> sizes[] = {
        {"frame.bmp", {2, 2}}, {"glow.PNG", {3, 1}}, {"shade.tga", {1, 2}},
        {"app.ico", {16, 16}}, {"hand.cur", {32, 32}}, {"busy.ani", {8, 8}}};
    for (size_t i = 0; i < 6; ++i) {
        const Picture& p = *back.Pictures().At(i);
        EXPECT_EQ(p.name, sizes[i].first);
        EXPECT_EQ(p.ID, 1001 + static_cast<int>(i));
        EXPECT_TRUE(p.FromPackage());
        ASSERT_TRUE(p.image && !p.image->IsEmpty()) << p.name;
        EXPECT_EQ(std::make_pair(p.image->Width(), p.image->Height()), sizes[i].second) << p.name;
    }
    EXPECT_EQ(*back.Pictures().At(2)->data, Read(Path("shade.tga")));
    const SkinFrame& f = *back.Frames().At(0);
    EXPECT_EQ(f.activeTop.image, back.Pictures().At(1)->image);  // resolved by name, ignoring case
    EXPECT_EQ(f.activeLeft.name, "missing.bmp");                  // kept, with nothing to draw
    EXPECT_EQ(f.activeLeft.image, nullptr);

    // Saving again needs no files on disk and gives the same package.
    for (const char* n : {"frame.bmp", "glow.PNG", "shade.tga", "app.ico", "hand.cur", "busy.ani"}) fs::remove(Path(n));
    ASSERT_TRUE(back.Save(Path("again.rss"), ""));
    CSkinDocument third;
    ASSERT_EQ(third.Open(Path("again.rss"), ""), vd::OpenResult::Ok);
    EXPECT_EQ(third.Pictures().Count(), 6u);
    EXPECT_EQ(third.SaveConfigText(), back.SaveConfigText());
}

TEST_F(PackageTest, CheckPicturesGetGreyCopiesUnlessTheyAreIconsOrCursors) {
    imgtest::DibParts parts;
    parts.width = 3;
    parts.height = 1;
    parts.bpp = 24;
    // magenta key, a grey pixel and a colour: only the colour changes.
    parts.bits = imgtest::PackRows({{0xFF00FF, 0x808080, 0x0A1464}}, 24);
    const Bytes bmp = imgtest::MakeBmpFile(parts);
    const char* config =
        "[Frames]\r\n1ID=3001\r\n1MenuItem1ID=40\r\n1MenuItem1CheckImage=c.bmp\r\n1MenuItem1UnCheckImage=i.ico\r\n"
        "Indexs=1\r\n[ToolBars]\r\n1ID=4001\r\n1Item1ID=9\r\n1Item1CheckImage=C.BMP\r\nIndexs=1\r\n";
    CSkinDocument doc;
    doc.LoadPackageContents(config, {{"c.bmp", std::make_shared<const Bytes>(bmp)},
                                     {"i.ico", std::make_shared<const Bytes>(Icon(1, 16))}});
    const CheckImageEntry& item = doc.Frames().At(0)->menu.items.at(40);
    ASSERT_NE(item.check, nullptr);
    ASSERT_NE(item.checkGrey, nullptr);
    EXPECT_NE(item.uncheck, nullptr);
    EXPECT_EQ(item.uncheckGrey, nullptr);  // an icon: no grey copy
    uint8_t px[4];
    ASSERT_TRUE(item.checkGrey->PixelBGRA(0, 0, px));
    EXPECT_EQ((std::array<int, 3>{px[0], px[1], px[2]}), (std::array<int, 3>{255, 0, 255}));
    ASSERT_TRUE(item.checkGrey->PixelBGRA(1, 0, px));
    EXPECT_EQ(px[0], 0x80);
    ASSERT_TRUE(item.checkGrey->PixelBGRA(2, 0, px));
    const int grey = (30 * 0x0A + 59 * 0x14 + 11 * 0x64) / 100;  // R 10, G 20, B 100
    EXPECT_EQ((std::array<int, 3>{px[0], px[1], px[2]}), (std::array<int, 3>{grey, grey, grey}));
    EXPECT_NE(doc.ToolBars().At(0)->commands.at(9).checkGrey, nullptr);
}

TEST_F(PackageTest, PasswordsAndTheirStoredForm) {
    CSkinDocument doc;
    doc.NewItemOfType(2000);
    ASSERT_TRUE(doc.Save(Path("p.rss"), "secret"));
    CSkinDocument none, wrong, right;
    EXPECT_EQ(none.Open(Path("p.rss"), ""), vd::OpenResult::WrongPassword);
    EXPECT_EQ(wrong.Open(Path("p.rss"), "secreT"), vd::OpenResult::WrongPassword);
    EXPECT_EQ(wrong.Buttons().Count(), 0u);
    ASSERT_EQ(right.Open(Path("p.rss"), "secret"), vd::OpenResult::Ok);
    EXPECT_EQ(right.Buttons().Count(), 1u);
    EXPECT_EQ(right.Password(), "secret");

    // A one-character password stores an empty form: it opens without a password.
    ASSERT_TRUE(doc.Save(Path("one.rss"), "x"));
    CSkinDocument open;
    EXPECT_EQ(open.Open(Path("one.rss"), ""), vd::OpenResult::Ok);
    EXPECT_EQ(Read(Path("one.rss"))[15], 0);
}

TEST_F(PackageTest, UnscrambledContainersAndIgnoredHeaderBytesStillOpen) {
    CSkinDocument doc;
    doc.NewItemOfType(7000);
    ASSERT_TRUE(doc.Save(Path("plain.rss"), "", false));
    Bytes bytes = Read(Path("plain.rss"));
    EXPECT_EQ(bytes[28], 'P');  // a plain zip starts with "PK"
    for (size_t i : {12, 13, 14, 24, 25, 26, 27}) bytes[i] = 0x5A;
    Write("plain.rss", bytes);
    CSkinDocument back;
    ASSERT_EQ(back.Open(Path("plain.rss"), ""), vd::OpenResult::Ok);
    EXPECT_EQ(back.ScrollBars().Count(), 1u);
}

TEST_F(PackageTest, TitlesWithUisReopenWithTheirObjects) {
    CSkinDocument doc;
    doc.NewItemOfType(3000);
    ASSERT_TRUE(doc.Save(Path("fruisty.rss"), ""));
    CSkinDocument back;
    ASSERT_EQ(back.Open(Path("fruisty.rss"), ""), vd::OpenResult::Ok);
    EXPECT_EQ(back.Frames().Count(), 1u);
}

TEST_F(PackageTest, TheConfigurationEntryFollowsTheFileName) {
    CSkinDocument doc;
    doc.NewItemOfType(3000);
    ASSERT_TRUE(doc.Save(Path("first.rss"), ""));
    fs::copy_file(Path("first.rss"), Path("first.v2.rss"));  // the same title: still found
    fs::copy_file(Path("first.rss"), Path("renamed.rss"));
    CSkinDocument same, renamed;
    EXPECT_EQ(same.Open(Path("first.v2.rss"), ""), vd::OpenResult::Ok);
    EXPECT_EQ(renamed.Open(Path("renamed.rss"), ""), vd::OpenResult::MissingConfiguration);
}

TEST_F(PackageTest, ANewSkinIsJustItsConfigurationEntry) {
    CSkinDocument doc;
    ASSERT_TRUE(doc.Save(Path("empty.rss"), ""));
    Bytes archive = Read(Path("empty.rss"));
    archive.erase(archive.begin(), archive.begin() + 28);
    vd::ScrambleContainer(archive);
    vd::ZipReader zip;
    ASSERT_TRUE(zip.Open(archive.data(), archive.size()));
    ASSERT_EQ(zip.EntryCount(), 1);
    EXPECT_EQ(zip.Entry(0)->name, "empty.rss");
    EXPECT_EQ(zip.Entry(0)->size, 0u);
}

TEST_F(PackageTest, PictureFilesChangedOrGoneAfterLoadingSaveTheLoadedBytes) {
    CSkinDocument doc;
    AddPictureFile(doc, "keep.bmp", Bmp2x2());
    AddPictureFile(doc, "gone.bmp", Bmp2x2());
    AddPictureFile(doc, "edited.png", Png3x1());
    fs::remove(Path("gone.bmp"));
    Write("edited.png", Bmp2x2());  // another program wrote over it after loading
    ASSERT_TRUE(doc.Save(Path("s.rss"), ""));
    EXPECT_TRUE(doc.Warnings().empty());
    CSkinDocument back;
    ASSERT_EQ(back.Open(Path("s.rss"), ""), vd::OpenResult::Ok);
    ASSERT_EQ(back.Pictures().Count(), 3u);
    EXPECT_EQ(*back.Pictures().At(0)->data, Bmp2x2());
    EXPECT_EQ(*back.Pictures().At(1)->data, Bmp2x2());
    EXPECT_EQ(back.Pictures().At(1)->name, "gone.bmp");
    EXPECT_EQ(*back.Pictures().At(2)->data, Png3x1());
    ASSERT_NE(back.Pictures().At(2)->image, nullptr);
    EXPECT_EQ(back.Pictures().At(2)->image->Width(), 3);
}

TEST_F(PackageTest, APictureWithoutBytesIsLeftOutWithAWarning) {
    CSkinDocument doc;
    AddPictureFile(doc, "keep.bmp", Bmp2x2());
    doc.AddPicture(Write("drawn.bmp", Bmp2x2()), "drawn.bmp", nullptr);  // made in memory: no bytes kept
    ASSERT_TRUE(doc.Save(Path("s.rss"), ""));
    ASSERT_EQ(doc.Warnings().size(), 1u);
    EXPECT_NE(doc.Warnings()[0].find("drawn.bmp"), std::string::npos);
    CSkinDocument back;
    ASSERT_EQ(back.Open(Path("s.rss"), ""), vd::OpenResult::Ok);
    ASSERT_EQ(back.Pictures().Count(), 1u);
    EXPECT_EQ(back.Pictures().At(0)->name, "keep.bmp");
    EXPECT_EQ(back.StoredConfigText().find("drawn.bmp"), std::string::npos);
}

TEST_F(PackageTest, UndecodablePicturesStayWithAnEmptyImageAndTheirBytes) {
    CSkinDocument doc;
    const Bytes junk = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'};
    doc.LoadPackageContents("[Pictures]\r\njunk.png=junk.png\r\njunk.pngID=1001\r\n",
                            {{"junk.png", std::make_shared<const Bytes>(junk)}});
    ASSERT_TRUE(doc.Save(Path("j.rss"), ""));
    CSkinDocument back;
    ASSERT_EQ(back.Open(Path("j.rss"), ""), vd::OpenResult::Ok);
    ASSERT_EQ(back.Pictures().Count(), 1u);
    const Picture& p = *back.Pictures().At(0);
    ASSERT_NE(p.image, nullptr);
    EXPECT_TRUE(p.image->IsEmpty());
    EXPECT_EQ(*p.data, junk);
}

TEST_F(PackageTest, PictureWithoutItsIdKeyGetsIdZero) {
    CSkinDocument doc;
    doc.LoadPackageContents("[Pictures]\r\nb.bmp=b.bmp\r\nb.bmpID=1005\r\n",
                            {{"a.bmp", std::make_shared<const Bytes>(Bmp2x2())},
                             {"b.bmp", std::make_shared<const Bytes>(Bmp2x2())}});
    ASSERT_EQ(doc.Pictures().Count(), 2u);
    EXPECT_EQ(doc.Pictures().At(0)->ID, 0);
    EXPECT_EQ(doc.Pictures().At(1)->ID, 1005);
    EXPECT_EQ(doc.Pictures().LastId(), 1005);
}

TEST_F(PackageTest, AFailedSaveLeavesThePreviousFileIntact) {
    CSkinDocument doc;
    doc.NewItemOfType(2000);
    ASSERT_TRUE(doc.Save(Path("keep.rss"), ""));
    const Bytes before = Read(Path("keep.rss"));
    // a picture without a name cannot become an entry
    doc.Pictures().Add(Path("x.bmp"), "", std::make_shared<const Bytes>(Bmp2x2()), nullptr);
    std::string error;
    EXPECT_FALSE(doc.Save(Path("keep.rss"), "", true, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Read(Path("keep.rss")), before);
    EXPECT_FALSE(doc.Save(Path("no/such/folder/x.rss"), "", true, &error));
}

TEST_F(PackageTest, DamagedPackagesFailCleanly) {
    CSkinDocument doc;
    doc.NewItemOfType(3000);
    AddPictureFile(doc, "f.bmp", Bmp2x2());
    ASSERT_TRUE(doc.Save(Path("ok.rss"), ""));
    const Bytes good = Read(Path("ok.rss"));
    // Every truncation, and a flipped byte at many places: never a crash, never a false success with junk.
    for (size_t cut = 0; cut < good.size(); cut += 7) {
        CSkinDocument d;
        const vd::OpenResult r = d.OpenFromMemory("ok.rss", "", good.data(), cut);
        EXPECT_NE(r, vd::OpenResult::Ok) << cut;
    }
    for (size_t at = 28; at < good.size(); at += 13) {
        Bytes bad = good;
        bad[at] ^= 0x55;
        CSkinDocument d;
        d.OpenFromMemory("ok.rss", "", bad.data(), bad.size());
    }
    CSkinDocument d;
    EXPECT_EQ(d.OpenFromMemory("ok.rss", "", good.data(), 5), vd::OpenResult::UnknownFormat);
    EXPECT_EQ(d.Open(Path("does-not-exist.rss"), ""), vd::OpenResult::IoError);
}

}  // namespace
