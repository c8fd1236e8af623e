// Picture names that cannot live in the configuration (line breaks, control characters, "=", characters the
// configuration reads specially, names longer than their field) are replaced when the picture enters the
// skin, so a package can never inject keys through an entry name; and pictures sharing an ID are told apart.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "EnBitmapTestUtil.h"
#include "Resource/CfgData.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinDocument.h"
#include "Resource/SkinIniFile.h"
#include "Resource/TextUtil.h"

namespace fs = std::filesystem;
using imgtest::Bytes;

namespace {

Bytes Bmp1x1() {
    imgtest::DibParts parts;
    parts.width = 1;
    parts.height = 1;
    parts.bpp = 24;
    parts.bits = imgtest::PackRows({{0x336699}}, 24);
    return imgtest::MakeBmpFile(parts);
}

std::shared_ptr<const std::vector<uint8_t>> Shared(const Bytes& bytes) { return std::make_shared<const Bytes>(bytes); }

// Whether a picture of that name, written as the picture collection writes it, reads back with its name
// and its ID and nothing else: the oracle for which names are safe, independent of the renaming code.
bool RoundTrips(const std::string& name) {
    CSkinIniFile ini;
    ini.SetString("Pictures", name, name, "");
    ini.SetInt("Pictures", name + "ID", 1005, 0);
    CCfgData cfg;
    cfg.Parse(ini.ToText());
    return cfg.Size() == 2 && cfg.GetString("Pictures", name, "") == name && cfg.GetInt("Pictures", name + "ID", 0) == 1005;
}

bool HasControlCharacter(std::string_view name) {
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

const std::string kInjection = "a.bmp\r\n[Frames]\r\nIndexs=1\r\n1ID=3001\r\n1Caption=INJECTED\r\n.bmp";

TEST(PictureNames, AcceptedExactlyWhenTheyRoundTripAndHoldNoControlCharacter) {
    std::vector<std::string> names;
    for (int c = 1; c < 256; ++c) {
        const std::string ch(1, static_cast<char>(c));
        names.push_back(ch + "a.bmp");
        names.push_back("a" + ch + "b.bmp");
    }
    names.push_back(std::string("a\0b.bmp", 7));
    names.push_back(kInjection);
    names.push_back(std::string(255, 'x') + ".bmp");  // 259 bytes: fits the field
    names.push_back(std::string(256, 'x') + ".bmp");  // 260 bytes: does not
    names.push_back("caf\xC3\xA9.png");
    names.push_back("dir/a.bmp");
    for (const std::string& name : names) {
        const bool safe = RoundTrips(name) && !HasControlCharacter(name) && name.size() < kText260;
        EXPECT_EQ(CResPicture::NameProblem(name) == nullptr, safe) << "name: " << name;
    }
}

TEST(PictureNames, ReplacementsKeepTheExtensionAreStorableAndUnique) {
    std::set<std::string> taken;  // lower-cased
    auto isTaken = [&](std::string_view n) { return taken.count(vd::ToLowerAscii(n)) != 0; };
    const std::vector<std::string> names = {
        kInjection, kInjection, "A.BMP\n.bmp", "x\n.PNG", "=.tga", "[a].ico", ";a.cur", "#a.ani", " a.bmp",
        "\t.bmp", std::string(400, 'y') + ".png", std::string(400, 'y') + ".png", std::string(400, 'y') + "z.png",
        std::string(300, '\xC3') + ".bmp"};
    for (const std::string& name : names) {
        const std::string made = CResPicture::StorableName(name, isTaken);
        SCOPED_TRACE(made);
        EXPECT_EQ(CResPicture::NameProblem(made), nullptr);
        EXPECT_TRUE(RoundTrips(made));
        EXPECT_TRUE(CResPicture::IsPictureName(made));
        EXPECT_EQ(made.substr(made.size() - 4), name.substr(name.size() - 4));  // the kind stays
        EXPECT_LE(made.size(), kText260 - 1);
        EXPECT_TRUE(taken.insert(vd::ToLowerAscii(made)).second);
    }
    EXPECT_EQ(CResPicture::StorableName("a\nb.bmp", [](std::string_view) { return false; }), "a_b.bmp");
    EXPECT_EQ(CResPicture::StorableName("a\nb.bmp", [](std::string_view n) { return n == "a_b.bmp"; }), "a_b_2.bmp");
}

TEST(PictureNames, AnEntryNameCannotInjectKeys) {
    const Bytes bmp = Bmp1x1();
    CSkinDocument doc;
    ASSERT_TRUE(doc.LoadPackageContents("", {{kInjection, Shared(bmp)}, {"b.bmp", Shared(bmp)}}));
    ASSERT_EQ(doc.Pictures().Count(), 2u);
    const std::string renamed = doc.Pictures().At(0)->name;
    EXPECT_EQ(CResPicture::NameProblem(renamed), nullptr);
    EXPECT_EQ(renamed.substr(renamed.size() - 4), ".bmp");
    EXPECT_EQ(doc.Frames().Count(), 0u);
    ASSERT_FALSE(doc.Warnings().empty());
    EXPECT_NE(doc.Warnings().front().find("cannot be stored"), std::string::npos);
    EXPECT_EQ(doc.Warnings().front().find('\n'), std::string::npos);  // the old name is shown escaped
    EXPECT_TRUE(doc.Dropped().empty());

    // What a save writes: each picture's name key, and its ID key unless the ID is 0, and nothing else.
    const std::string text = doc.SaveConfigText();
    CCfgData cfg;
    cfg.Parse(text);
    size_t expected = 0;
    for (const auto& item : doc.Pictures().Items()) expected += item->ID != 0 ? 2 : 1;
    EXPECT_EQ(cfg.Size(), expected) << text;
    EXPECT_EQ(cfg.GetString("Frames", "Indexs", ""), "");
    EXPECT_EQ(text.find("INJECTED\r\n"), std::string::npos);

    // And the package reopens with the picture's bytes under its new name and no frame.
    const std::vector<uint8_t> package = doc.BuildPackage("/tmp/inject.rss", "", true);
    ASSERT_FALSE(package.empty());
    CSkinDocument again;
    ASSERT_EQ(again.OpenFromMemory("/tmp/inject.rss", "", package.data(), package.size()), vd::OpenResult::Ok);
    EXPECT_EQ(again.Frames().Count(), 0u);
    const Picture* kept = again.Pictures().FindByName(renamed);
    ASSERT_NE(kept, nullptr);
    ASSERT_NE(kept->data, nullptr);
    EXPECT_EQ(*kept->data, bmp);
    EXPECT_EQ(kept->ID, doc.Pictures().At(0)->ID);
    EXPECT_TRUE(again.Warnings().empty());
}

TEST(PictureNames, ALongNameKeepsTheReferencesThatFoundItBefore) {
    // A name too long for its field was once cut to 259 bytes, and so were references to it: they matched.
    const std::string longName = std::string(300, 'n') + ".bmp";
    const std::string asReferenced = longName.substr(0, kText260 - 1);
    const Bytes bmp = Bmp1x1();
    CSkinDocument doc;
    ASSERT_TRUE(doc.LoadPackageContents("[Frames]\r\n1ID=3001\r\n1ActiveLeftImg=" + asReferenced + "\r\nIndexs=1\r\n",
                                        {{longName, Shared(bmp)}}));
    const Picture* p = doc.Pictures().At(0);
    EXPECT_LE(p->name.size(), kText260 - 1);
    EXPECT_EQ(p->name.substr(p->name.size() - 4), ".bmp");
    ASSERT_EQ(doc.Frames().Count(), 1u);
    EXPECT_EQ(doc.Frames().At(0)->activeLeft.name, p->name);
    EXPECT_EQ(doc.Frames().At(0)->activeLeft.image, p->image);
    EXPECT_NE(p->image, nullptr);

    const std::vector<uint8_t> package = doc.BuildPackage("/tmp/long.rss", "", true);
    CSkinDocument again;
    ASSERT_EQ(again.OpenFromMemory("/tmp/long.rss", "", package.data(), package.size()), vd::OpenResult::Ok);
    ASSERT_EQ(again.Frames().Count(), 1u);
    EXPECT_EQ(again.Frames().At(0)->activeLeft.name, p->name);
    EXPECT_NE(again.Frames().At(0)->activeLeft.image, nullptr);
}

TEST(PictureNames, LongNamesAlikeInTheirFirstBytesStayApart) {
    const Bytes bmp = Bmp1x1();
    const std::string stem(300, 'q');
    CSkinDocument doc;
    ASSERT_TRUE(doc.LoadPackageContents("", {{stem + "1.bmp", Shared(bmp)}, {stem + "2.bmp", Shared(bmp)},
                                             {stem + "3.BMP", Shared(bmp)}}));
    std::set<std::string> names;
    for (const auto& item : doc.Pictures().Items())
        names.insert(vd::ToLowerAscii(static_cast<const Picture&>(*item).name));
    EXPECT_EQ(names.size(), 3u);
}

TEST(PictureNames, AFileWhoseNameHoldsALineBreakIsRenamedOnEntry) {
    const fs::path dir = fs::temp_directory_path() / "vornadesk_picture_names";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path path = dir / "a\nb.bmp";
    const Bytes bmp = Bmp1x1();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    CSkinDocument doc;
    doc.AddPicture("elsewhere", "A_B.bmp", nullptr);
    std::string error;
    const Picture* p = doc.AddPictureFile(path.string(), "a\nb.bmp", &error);
    ASSERT_NE(p, nullptr) << error;
    EXPECT_EQ(p->name, "a_b_2.bmp");  // "a_b.bmp" is taken, ignoring case
    EXPECT_EQ(p->Caption, p->name);
    EXPECT_FALSE(doc.Warnings().empty());
    fs::remove_all(dir);
}

TEST(PictureIds, APictureWhoseIdAnotherHoldsGetsTheNextFreeOne) {
    const Bytes bmp = Bmp1x1();
    CSkinDocument doc;
    ASSERT_TRUE(doc.LoadPackageContents(
        "[Pictures]\r\na.bmpID=1003\r\nb.bmpID=1003\r\nc.bmpID=1004\r\n",
        {{"a.bmp", Shared(bmp)}, {"b.bmp", Shared(bmp)}, {"c.bmp", Shared(bmp)}, {"d.bmp", Shared(bmp)},
         {"e.bmp", Shared(bmp)}}));
    std::vector<int> ids;
    for (const auto& item : doc.Pictures().Items()) ids.push_back(item->ID);
    // d has no ID key and keeps 0 as the first with it; e, the second with 0, takes the first free one.
    EXPECT_EQ(ids, (std::vector<int>{1003, 1005, 1004, 0, 1001}));
    EXPECT_EQ(doc.Pictures().LastId(), 1005);
    EXPECT_EQ(doc.Pictures().Count(), 5u);
    EXPECT_TRUE(doc.Dropped().empty());
    bool told = false;
    for (const std::string& w : doc.Warnings())
        told = told || (w.find("\"b.bmp\"") != std::string::npos && w.find("\"a.bmp\"") != std::string::npos &&
                        w.find("1005") != std::string::npos);
    EXPECT_TRUE(told);
}

TEST(PictureIds, AddingPastTheEndOfTheBlockTakesAFreeIdOrNone) {
    CSkinDocument doc;
    doc.LoadPackageContents("[Pictures]\r\na.bmpID=1999\r\n", {{"a.bmp", Shared(Bmp1x1())}});
    const Picture* next = doc.AddPicture("x", "b.bmp", nullptr);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->ID, 1001);
    for (int i = 2; i <= 998; ++i) ASSERT_NE(doc.AddPicture("x", std::to_string(i) + ".bmp", nullptr), nullptr);
    EXPECT_EQ(doc.Pictures().Count(), 999u);  // 1001..1999
    EXPECT_EQ(doc.AddPicture("x", "full.bmp", nullptr), nullptr);
}

}  // namespace
