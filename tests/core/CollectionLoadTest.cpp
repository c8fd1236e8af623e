// Loading a collection's "Indexs" list from hostile configurations: repeated and distinct numbers by the
// million, IDs held twice, IDs outside the block, and a block that is full.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>

#include "Resource/IndexsPlan.h"
#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinDocument.h"

namespace {

std::vector<int> Ids(const CResourceBase& collection) {
    std::vector<int> ids;
    for (const auto& item : collection.Items()) ids.push_back(item->ID);
    return ids;
}

std::vector<std::string> Captions(const CResourceBase& collection) {
    std::vector<std::string> captions;
    for (const auto& item : collection.Items()) captions.push_back(item->Caption);
    return captions;
}

bool AnyContains(const std::vector<std::string>& texts, std::initializer_list<std::string_view> parts) {
    for (const std::string& t : texts) {
        bool all = true;
        for (std::string_view p : parts) all = all && t.find(p) != std::string::npos;
        if (all) return true;
    }
    return false;
}

// ---- the plan on its own ----

TEST(IndexsPlan, StoredIdsComeFirstThenTheOthersInListOrder) {
    IndexsPlan plan(3000, 500);
    EXPECT_EQ(plan.Add(2, 99999), IndexsPlan::Listed::New);  // outside: would take 3002
    EXPECT_EQ(plan.Add(1, 3002), IndexsPlan::Listed::New);   // stores 3002: keeps it although listed later
    EXPECT_EQ(plan.Add(3, 3002), IndexsPlan::Listed::New);   // stores 3002 too
    EXPECT_EQ(plan.Add(1, 3002), IndexsPlan::Listed::Repeated);
    EXPECT_EQ(plan.Add(7000, 5), IndexsPlan::Listed::PassedOver);
    EXPECT_EQ(plan.Add(7000, 5), IndexsPlan::Listed::Repeated);  // a refused number is remembered too
    plan.Assign();
    ASSERT_EQ(plan.Entries().size(), 3u);
    EXPECT_EQ(plan.Entries()[0].number, 2);
    EXPECT_EQ(plan.Entries()[0].id, 3003);  // the next free after 3002
    EXPECT_EQ(plan.Entries()[0].change, IndexsPlan::Change::OutsideBlock);
    EXPECT_EQ(plan.Entries()[1].id, 3002);
    EXPECT_EQ(plan.Entries()[1].change, IndexsPlan::Change::None);
    EXPECT_EQ(plan.Entries()[2].id, 3004);
    EXPECT_EQ(plan.Entries()[2].change, IndexsPlan::Change::Taken);
}

TEST(IndexsPlan, FreeIdsWrapToTheStartOfTheBlockAndRunOut) {
    IndexsPlan plan(3000, 4);  // IDs 3000..3003; 3000 is never handed out
    plan.Add(1, 3003);
    plan.Add(2, 3003);
    plan.Add(3, 3003);
    plan.Add(4, 3003);
    plan.Assign();
    ASSERT_EQ(plan.Entries().size(), 4u);
    EXPECT_EQ(plan.Entries()[0].id, 3003);
    EXPECT_EQ(plan.Entries()[1].id, 3001);
    EXPECT_EQ(plan.Entries()[2].id, 3002);
    EXPECT_EQ(plan.Entries()[3].id, 0);
    EXPECT_EQ(plan.Entries()[3].change, IndexsPlan::Change::PassedOver);
}

TEST(IndexsPlan, KeepsNoMoreThanTheBlockCanNumber) {
    IndexsPlan plan(2000, 1000);
    size_t full = 0;
    for (int n = 1; n <= 100000; ++n)
        if (plan.Add(n, 2001) == IndexsPlan::Listed::BlockFull) ++full;
    EXPECT_LE(plan.Entries().size(), 2u * 1000);
    EXPECT_EQ(full, plan.Overflow());
    plan.Assign();
    std::set<int> ids;
    for (const auto& e : plan.Entries())
        if (e.id) EXPECT_TRUE(ids.insert(e.id).second) << e.id;
    EXPECT_EQ(ids.size(), 999u);  // 2001..2999
}

// ---- the collection load ----

TEST(IndexsLoad, AMillionRepeatsOfOneNumberLoadOneItem) {
    std::string config = "[Frames]\r\n1ID=3001\r\n1Caption=Only\r\nIndexs=";
    for (int i = 0; i < 1000000; ++i) config += "1,";
    config += "1\r\n";
    // How long this takes is measured by bench_hostile (BM_OpenIndexs); here only what is kept.
    CSkinDocument doc;
    doc.Cfg().Parse(config);
    doc.LoadAll();
    ASSERT_EQ(doc.Frames().Count(), 1u);
    EXPECT_EQ(doc.Frames().At(0)->Caption, "Only");
    EXPECT_TRUE(AnyContains(doc.Warnings(), {"Indexs", "Frames", "1000000 repeats"}));
    EXPECT_TRUE(doc.Dropped().empty());
}

// Runs in a child process: its configuration of a million keys takes a few hundred MiB, which would
// otherwise stay mapped in this process and change what later tests measure.
int LoadAMillionDistinctNumbers() {
    // Every number has its ID key, outside the block: numbers 1..499 take 3000 + n, the rest cannot be
    // numbered and must be passed over without reading their records.
    constexpr int kCount = 1000000;
    std::string config = "[Frames]\r\n";
    std::string list = "Indexs=";
    for (int n = 1; n <= kCount; ++n) {
        config += std::to_string(n) + "ID=1\r\n";
        list += std::to_string(n) + ",";
    }
    list.pop_back();
    config += list + "\r\n";
    CSkinDocument doc;
    doc.Cfg().Parse(config);
    doc.LoadAll();
    int failures = 0;
    auto check = [&](bool ok, const char* what) {
        if (!ok) {
            std::fprintf(stderr, "failed: %s\n", what);
            ++failures;
        }
    };
    check(doc.Frames().Count() == 499, "499 frames kept");
    check(doc.Frames().Count() == 499 && doc.Frames().At(0)->ID == 3001 && doc.Frames().At(498)->ID == 3499,
          "numbered 3001..3499");
    // Each left-out item is counted, few are spelled out.
    check(doc.Dropped().size() <= 25, "few warnings in full");
    check(AnyContains(doc.Dropped(), {std::to_string(kCount - 499 - 20), "more Frames items were left out"}),
          "the rest summed up");
    return failures == 0 ? 0 : 1;
}

TEST(IndexsLoad, AMillionDistinctNumbersKeepWhatTheBlockHoldsAndReadNoMore) {
    EXPECT_EXIT(std::exit(LoadAMillionDistinctNumbers()), ::testing::ExitedWithCode(0), "");
}

TEST(IndexsLoad, EveryoneClaimingOneIdFillsTheBlockAndNoMore) {
    std::string config = "[Buttons]\r\n";
    std::string list = "Indexs=";
    for (int n = 1; n <= 5000; ++n) {
        config += std::to_string(n) + "ID=2500\r\n";
        list += std::to_string(n) + ",";
    }
    list.pop_back();
    CSkinDocument doc;
    doc.Cfg().Parse(config + list + "\r\n");
    doc.LoadAll();
    const std::vector<int> ids = Ids(doc.Buttons());
    ASSERT_EQ(ids.size(), 999u);  // 2001..2999: the base ID is never handed out
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), ids.size());
    EXPECT_EQ(ids[0], 2500);
    EXPECT_EQ(ids[1], 2501);
    EXPECT_EQ(ids[499], 2999);
    EXPECT_EQ(ids[500], 2001);  // wrapped to the start of the block
    EXPECT_EQ(doc.Buttons().LastId(), 2999);
    EXPECT_FALSE(doc.Dropped().empty());
    std::string error;
    EXPECT_EQ(doc.NewItemOfType(2000, &error), nullptr);
}

TEST(IndexsLoad, RepeatsAndNumbersWrittenDifferentlyLoadOnce) {
    CSkinDocument doc;
    doc.Cfg().Parse("[Buttons]\n2ID=2002\n1ID=2001\nIndexs=1, 2,01,+1,,1,2\n");
    doc.LoadAll();
    EXPECT_EQ(Ids(doc.Buttons()), (std::vector<int>{2001, 2002}));
}

TEST(IndexsLoad, AMissingIdKeyStillStopsTheCollectionAfterTheItemsBeforeIt) {
    CSkinDocument doc;
    doc.Cfg().Parse("[Buttons]\n1ID=2005\n2ID=2005\n4ID=2004\nIndexs=1,2,3,4\n");
    doc.LoadAll();
    EXPECT_EQ(Ids(doc.Buttons()), (std::vector<int>{2005, 2006}));
}

// ---- two records under one ID ----

class DuplicateIds : public ::testing::Test {
protected:
    static constexpr const char* kTwoFrames =
        "[Frames]\r\n1ID=3001\r\n1Caption=First\r\n2ID=3001\r\n2Caption=Second\r\nIndexs=1,2\r\n";
};

TEST_F(DuplicateIds, BothRecordsSurviveASaveAndReopen) {
    CSkinDocument doc;
    ASSERT_TRUE(doc.LoadPackageContents(kTwoFrames, {}));
    EXPECT_EQ(Ids(doc.Frames()), (std::vector<int>{3001, 3002}));
    EXPECT_TRUE(AnyContains(doc.Warnings(), {"Frame", "\"Second\"", "\"First\"", "3001", "3002"}));
    EXPECT_TRUE(doc.Dropped().empty());

    const std::vector<uint8_t> package = doc.BuildPackage("/tmp/two.rss", "", true);
    ASSERT_FALSE(package.empty());
    CSkinDocument again;
    ASSERT_EQ(again.OpenFromMemory("/tmp/two.rss", "", package.data(), package.size()), vd::OpenResult::Ok);
    EXPECT_EQ(Captions(again.Frames()), (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(Ids(again.Frames()), (std::vector<int>{3001, 3002}));
    EXPECT_TRUE(again.Warnings().empty());
}

TEST_F(DuplicateIds, AnItemStoringAnIdKeepsItAgainstOneThatOnlyFellBackToIt) {
    // Item 2 stores an ID outside the block and would take 3002; item 1, listed after it, stores 3002.
    CSkinDocument doc;
    doc.Cfg().Parse("[Frames]\n2ID=77\n2Caption=Fallback\n1ID=3002\n1Caption=Owner\nIndexs=2,1\n");
    doc.LoadAll();
    EXPECT_EQ(Captions(doc.Frames()), (std::vector<std::string>{"Fallback", "Owner"}));
    EXPECT_EQ(Ids(doc.Frames()), (std::vector<int>{3003, 3002}));
    EXPECT_TRUE(AnyContains(doc.Warnings(), {"\"Fallback\"", "77", "outside", "3003"}));
}

TEST_F(DuplicateIds, ApplicationsAreNumberedLikeEveryOtherKind) {
    CSkinDocument doc;
    doc.Cfg().Parse(
        "[Application]\n1ID=17001\n1SkinName=One\n2ID=17001\n2SkinName=Two\nIndexs=1,2\n");
    doc.LoadAll();
    ASSERT_EQ(doc.Apps().Count(), 2u);
    EXPECT_EQ(doc.Apps().At(0)->skinName, "One");
    EXPECT_EQ(doc.Apps().At(1)->skinName, "Two");
    EXPECT_EQ(doc.Apps().At(1)->ID, 17002);
    const std::string text = doc.SaveConfigText();
    EXPECT_NE(text.find("2SkinName=Two\r\n"), std::string::npos);
    EXPECT_NE(text.find("Indexs=1,2\r\n"), std::string::npos);
}

TEST_F(DuplicateIds, AnItemThatCannotBeNumberedIsLeftOutAndSaid) {
    std::string config = "[Frames]\r\n";
    std::string list = "Indexs=";
    for (int n = 0; n < 500; ++n) {  // 3000..3499: every ID of the block stored once
        config += std::to_string(n) + "ID=" + std::to_string(3000 + n) + "\r\n";
        list += std::to_string(n) + ",";
    }
    config += "777ID=3010\r\n777Caption=Extra\r\n5000ID=9\r\n5000Caption=Far\r\n";
    CSkinDocument doc;
    doc.Cfg().Parse(config + list + "777,5000\r\n");
    doc.LoadAll();
    EXPECT_EQ(doc.Frames().Count(), 500u);
    ASSERT_EQ(doc.Dropped().size(), 2u);
    EXPECT_TRUE(AnyContains(doc.Dropped(), {"Frames item 777", "\"Extra\"", "3010", "in use"}));
    EXPECT_TRUE(AnyContains(doc.Dropped(), {"Frames item 5000", "\"Far\"", "outside"}));
}

}  // namespace
