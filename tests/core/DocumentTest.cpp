// The skin document: registry, ID blocks, creation, deletion, duplication and the generic collection load.
#include <gtest/gtest.h>

#include <limits>

#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResIPAddress.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/ResObjects/ResScrollBar.h"
#include "Resource/ResObjects/ResStatic.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/SkinDocument.h"

namespace {

std::string Normalize(const std::string& text, const SystemEnvironment& env = SystemEnvironment::Default()) {
    CSkinDocument doc(env);
    doc.Cfg().Parse(text);
    doc.LoadAll();
    return doc.SaveConfigText();
}

TEST(SkinDocument, RegistryOrderSectionsAndBlocks) {
    CSkinDocument doc;
    ASSERT_EQ(doc.Collections().size(), 30u);
    EXPECT_STREQ(doc.Collections().front()->SectionName(), "Pictures");
    EXPECT_STREQ(doc.Collections()[1]->SectionName(), "Application");
    EXPECT_STREQ(doc.Collections()[12]->SectionName(), "ComboBoxs");
    EXPECT_STREQ(doc.Collections().back()->SectionName(), "FontFile");
    // No two collections share an ID.
    for (int id = 1000; id < 30000; ++id) {
        int owners = 0;
        for (const auto& c : doc.Collections()) owners += c->OwnsId(id) ? 1 : 0;
        EXPECT_EQ(owners, 1) << id;
    }
    EXPECT_EQ(doc.FindCollection(999), nullptr);
    EXPECT_EQ(doc.FindCollection(30000), nullptr);
}

TEST(SkinDocument, FramesAndCaptionButtonsShareTheThreeThousandBlock) {
    CSkinDocument doc;
    EXPECT_EQ(doc.FindCollection(3499), static_cast<CResourceBase*>(&doc.Frames()));
    EXPECT_EQ(doc.FindCollection(3500), static_cast<CResourceBase*>(&doc.SysButtons()));
    EXPECT_EQ(doc.SysButtons().OwnsId(3999), static_cast<CResourceBase*>(&doc.SysButtons()));
    EXPECT_EQ(doc.SysButtons().OwnsId(3499), nullptr);
    EXPECT_EQ(doc.SysButtons().OwnsId(4000), nullptr);
    EXPECT_EQ(doc.Frames().OwnsId(3500), nullptr);
}

TEST(SkinDocument, NewItemPastTheEndOfItsBlockIsRefused) {
    CSkinDocument doc;
    for (int i = 1; i <= 499; ++i) ASSERT_NE(doc.NewItemOfType(3000), nullptr) << i;
    EXPECT_EQ(doc.Frames().LastId(), 3499);
    std::string error;
    EXPECT_EQ(doc.NewItemOfType(3000, &error), nullptr);
    EXPECT_NE(error.find("Frames"), std::string::npos);
    EXPECT_EQ(doc.SysButtons().Count(), 0u);  // nothing stepped into the caption buttons' IDs
    EXPECT_EQ(doc.DuplicateItem(3001, &error), nullptr);
}

TEST(SkinDocument, PicturesAndFontFilesAreNotCreatedAsObjects) {
    CSkinDocument doc;
    std::string error;
    EXPECT_EQ(doc.NewItemOfType(1000, &error), nullptr);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(doc.NewItemOfType(28000), nullptr);
    EXPECT_EQ(doc.NewItemOfType(99999), nullptr);
}

TEST(SkinDocument, IdsAreNotReusedAfterDeletion) {
    CSkinDocument doc;
    doc.NewItemOfType(2000);
    doc.NewItemOfType(2000);
    EXPECT_TRUE(doc.DeleteItem(2002));
    EXPECT_FALSE(doc.DeleteItem(2002));
    EXPECT_FALSE(doc.DeleteItem(123456));  // outside every block: nothing happens
    EXPECT_EQ(doc.NewItemOfType(2000)->ID, 2003);
}

TEST(SkinDocument, DuplicateIsADeepCopyNamedWithTheItemPrefix) {
    CSkinDocument doc;
    auto* frame = static_cast<SkinFrame*>(doc.NewItemOfType(3000));
    frame->menu.items[5].checkImage = "a.bmp";
    frame->captionActive.horzAlign = 2;
    auto* copy = static_cast<SkinFrame*>(doc.DuplicateItem(frame->ID));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->ID, 3002);
    EXPECT_EQ(copy->Caption, "Frame2");
    EXPECT_EQ(copy->menu.items.at(5).checkImage, "a.bmp");
    copy->menu.items[5].checkImage = "b.bmp";
    EXPECT_EQ(frame->menu.items.at(5).checkImage, "a.bmp");
    EXPECT_EQ(static_cast<SkinButtonStruct*>(doc.NewItemOfType(2000))->Caption, "SkinButton1");
    EXPECT_EQ(doc.DuplicateItem(2001)->Caption, "Button2");
}

TEST(SkinDocument, ANewDocumentSavesNothing) {
    CSkinDocument doc;
    EXPECT_EQ(doc.SaveConfigText(), "");
}

TEST(SkinDocument, LoadingContinuesNumberingAboveTheHighestId) {
    CSkinDocument doc;
    doc.Cfg().Parse("[ScrollBars]\n5ID=7005\n2ID=7002\nIndexs=5,2\n");
    doc.LoadAll();
    ASSERT_EQ(doc.ScrollBars().Count(), 2u);
    SkinResStruct* next = doc.NewItemOfType(7000);
    EXPECT_EQ(next->ID, 7006);
    EXPECT_EQ(next->Caption, "ScrollBar6");
}

TEST(SkinDocument, AMissingIdKeyStopsItsCollectionOnly) {
    CSkinDocument doc;
    doc.Cfg().Parse(
        "[Buttons]\n1ID=2001\n2ID=2002\n4ID=2004\nIndexs=1,2,3,4\n"
        "[Edits]\n1ID=29001\nIndexs=1\n");
    doc.LoadAll();
    EXPECT_EQ(doc.Buttons().Count(), 2u);  // items before the gap stay
    EXPECT_EQ(doc.Edits().Count(), 1u);    // later collections still load
}

TEST(SkinDocument, StoredIdsOutsideTheBlockTakeTheirNumber) {
    // An ID the collection does not own would be saved under a number nothing lists; found by fuzzing.
    const std::string input =
        "[Buttons]\r\n1ID=ons]\r\n1Caption=A\r\n2ID=99999\r\n3ID=2003\r\n5000ID=7\r\nIndexs=1,2,3,5000\r\n";
    CSkinDocument doc;
    doc.Cfg().Parse(input);
    doc.LoadAll();
    ASSERT_EQ(doc.Buttons().Count(), 3u);
    EXPECT_EQ(doc.Buttons().At(0)->ID, 2001);
    EXPECT_EQ(doc.Buttons().At(0)->Caption, "A");
    EXPECT_EQ(doc.Buttons().At(1)->ID, 2002);
    EXPECT_EQ(doc.Buttons().LastId(), 2003);
    const std::string once = Normalize(input);
    EXPECT_EQ(Normalize(once), once);
}

TEST(SkinDocument, EmptyIndexsListLoadsNothingAndKeepsItems) {
    CSkinDocument doc;
    doc.NewItemOfType(2000);
    doc.Cfg().Parse("[Buttons]\n1ID=2001\n");
    doc.LoadAll();
    EXPECT_EQ(doc.Buttons().Count(), 1u);
}

TEST(SkinDocument, SaveWritesIndexsAfterTheItemsAndPicturesWriteNone) {
    CSkinDocument doc;
    doc.NewItemOfType(7000);
    doc.NewItemOfType(7000);
    doc.DeleteItem(7001);
    doc.NewItemOfType(7000);
    doc.AddPicture("/tmp/x.png", "x.png", nullptr);
    const std::string text = doc.SaveConfigText();
    EXPECT_EQ(text,
              "[Pictures]\r\nx.png=x.png\r\nx.pngID=1001\r\n\r\n"
              "[ScrollBars]\r\n2ID=7002\r\n2Caption=ScrollBar2\r\n3ID=7003\r\n3Caption=ScrollBar3\r\n"
              "Indexs=2,3\r\n\r\n");
}

TEST(SkinDocument, PictureImageByNameIgnoresCaseAndFindsTheFirst) {
    CSkinDocument doc;
    Picture* a = doc.AddPicture("a", "Frame.BMP", nullptr);
    doc.AddPicture("b", "frame.bmp", nullptr);
    EXPECT_EQ(doc.Pictures().FindByName("FRAME.bmp"), a);
    EXPECT_EQ(doc.Pictures().FindByName("none.bmp"), nullptr);
    EXPECT_EQ(doc.PictureImageByName("none.bmp"), nullptr);
    EXPECT_TRUE(CResPicture::IsPictureName("x.PNG"));
    EXPECT_FALSE(CResPicture::IsPictureName("x.jpeg"));
    EXPECT_FALSE(CResPicture::IsPictureName("x.gif"));
}

TEST(SkinDocument, PasswordKeepsAtMostSevenCharacters) {
    CSkinDocument doc;
    doc.SetPassword("abcdefghij");
    EXPECT_EQ(doc.Password(), "abcdefg");
}

TEST(SkinDocument, WalkVisitsItemsInRegistryOrder) {
    CSkinDocument doc;
    doc.NewItemOfType(29000);  // edits come after buttons in the registry
    doc.NewItemOfType(2000);
    doc.NewItemOfType(17000);
    std::vector<int> ids;
    doc.ForEachItem([&](CResourceBase&, SkinResStruct& item) { ids.push_back(item.ID); });
    EXPECT_EQ(ids, (std::vector<int>{17001, 2001, 29001}));
}

TEST(SkinDocument, NormalizingIsIdempotentAndDropsDefaults) {
    const std::string input =
        "; a comment\n[Frames]\n1ID=3001\n1Caption=Main\n1TopMargins=20\n1TopMargins=31\n"
        "1ActiveLeftImg=left.bmp\n1ActiveLeftImgR=20\nIndexs=1\n";
    const std::string once = Normalize(input);
    EXPECT_EQ(once, "[Frames]\r\n1ID=3001\r\n1Caption=Main\r\n1ActiveLeftImg=left.bmp\r\nIndexs=1\r\n\r\n");
    EXPECT_EQ(Normalize(once), once);
}

TEST(Placement, Rules) {
    auto place = [](SkinPositionBase h, Rect container) {
        SkinPlacement p;
        p.horz = h;
        int left = -1, top = -1, width = 77, height = 88;
        Place(p, Rect{3, 4, 13, 24}, container, left, top, width, height);
        return std::array<int, 4>{left, width, top, height};
    };
    SkinPositionBase r;
    r.ignore = 1;
    r.alignType = 2;
    r.sizeValue = 50;
    EXPECT_EQ(place(r, {0, 0, 300, 200}), (std::array<int, 4>{3, 10, 4, 20}));  // ignore: the reference
    r = {};
    r.ignore = 0;
    r.alignType = 2;
    r.spaceType = 3;
    r.farOffset = 10;
    r.sizeValue = 21;
    EXPECT_EQ(place(r, {0, 0, 300, 200})[0], 269);  // a caption button 10 from the right
    EXPECT_EQ(place(r, {0, 0, 300, 200})[1], 21);
    r.alignType = 0;
    r.spaceType = 2;
    r.nearOffset = 1;
    r.sizeValue = 50;
    EXPECT_EQ(place(r, {0, 0, 99, 10})[1], 49);  // percentage truncates
    r.spaceType = 1;
    r.sizeValue = 5;
    EXPECT_EQ(place(r, {0, 0, 100, 10}), (std::array<int, 4>{1, 94, 4, 20}));
    r.spaceType = 0;
    EXPECT_EQ(place(r, {0, 0, 100, 10})[1], 77);  // keeps the caller's width
    r.alignType = 1;
    r.spaceType = 3;
    r.sizeValue = 11;
    EXPECT_EQ(place(r, {10, 0, 110, 10})[0], 10 + (100 - 11) / 2);
    r.alignType = 2;
    r.spaceType = 0;
    r.farOffset = 10;
    r.sizeValue = 20;
    EXPECT_EQ(place(r, {0, 0, 100, 10}), (std::array<int, 4>{20, 70, 4, 20}));
    r.alignType = 7;  // unknown anchor: unchanged
    EXPECT_EQ(place(r, {0, 0, 100, 10}), (std::array<int, 4>{-1, 77, 4, 20}));
}

TEST(SampleControls, StaticAndButtonRectanglesAndIds) {
    SkinStatic s;
    EXPECT_EQ(CResStatic::SampleRect(s, 400, 300), (Rect{0, 100, 0, 100}));
    s.ResID = "1005";
    EXPECT_EQ(SampleControlId(s), 1005);
    s.ResID = "";
    EXPECT_EQ(SampleControlId(s), 0);
    s.ResID = "abc";
    EXPECT_EQ(SampleControlId(s), 0);
    SkinButtonStruct b;
    b.images[0].left = 2;
    b.images[0].top = 3;
    b.images[0].right = 42;
    b.images[0].bottom = 23;
    EXPECT_EQ(CResButton::SampleRect(b, 400, 300), (Rect{2, 3, 42, 23}));
}

}  // namespace

// Numbers from a hostile file: the arithmetic saturates instead of overflowing (the sanitizer build checks
// that nothing overflows on the way), and ordinary values are untouched by it.
TEST(Placement, ExtremeValuesSaturate) {
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    EXPECT_EQ((Rect{kMin, kMin, kMax, kMax}).Width(), kMax);
    EXPECT_EQ((Rect{kMax, 0, kMin, 0}).Width(), kMin);
    EXPECT_EQ((Rect{-5, 0, 7, 0}).Width(), 12);

    SkinPlacement p;
    p.horz.ignore = 0;
    p.horz.alignType = 2;
    p.horz.spaceType = 0;
    p.horz.farOffset = kMin;
    p.horz.sizeValue = kMin;
    int left = 0, top = 0, width = 0, height = 0;
    Place(p, Rect{0, 0, 10, 10}, Rect{kMin, 0, kMax, 10}, left, top, width, height);
    EXPECT_EQ(width, kMax);  // 2^32 - 1 + 2^31 + 2^31 does not fit
    EXPECT_EQ(left, kMin);   // far beyond the left
    p.horz.alignType = 0;
    p.horz.spaceType = 2;
    p.horz.nearOffset = kMax;
    p.horz.sizeValue = kMax;
    Place(p, Rect{0, 0, 10, 10}, Rect{0, 0, kMax, 10}, left, top, width, height);
    EXPECT_EQ(left, kMax);
    EXPECT_EQ(width, kMax);  // the percentage of 2^31 - 1 times itself
}
