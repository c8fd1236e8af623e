// Normalizing a configuration (load it as a skin, print what a save writes) must reach a fixed point at
// once: normalizing its own output gives the same text, whatever the input was.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "Resource/CfgData.h"
#include "Resource/RecordIO.h"
#include "Resource/SkinIniFile.h"
#include "Resource/SkinDocument.h"
#include "Resource/TextUtil.h"

namespace {

std::string Normalize(const std::string& text) {
    CSkinDocument doc;
    doc.Cfg().Parse(text);
    doc.LoadAll();
    return doc.SaveConfigText();
}

// The numbers an "Indexs" line of the text lists, per section; a number listed twice would be saved
// twice under one prefix.
void ExpectIndexsListsEachNumberOnce(const std::string& text) {
    std::string section;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 2;
        if (!line.empty() && line[0] == '[') section = line;
        if (line.rfind("Indexs=", 0) != 0) continue;
        std::set<int> seen;
        for (std::string_view piece : vd::SplitNonEmpty(std::string_view(line).substr(7), ","))
            EXPECT_TRUE(seen.insert(vd::Atoi(piece)).second) << section << " lists " << piece << " twice";
    }
}

void ExpectFixedPoint(const std::string& input) {
    const std::string once = Normalize(input);
    EXPECT_EQ(Normalize(once), once) << "input:\n" << input;
    ExpectIndexsListsEachNumberOnce(once);
}

struct Case {
    const char* name;
    std::string text;
};

constexpr char kOddBytes[] = "[Buttons]\n1ID=2001\n1Caption=a\0b\x01\x7F\xFF\xC3\xA9\n2ID=2001\nIndexs=1,2\n";

std::vector<Case> TrickyCases() {
    return {
        {"two records under one ID", "[Frames]\r\n1ID=3001\r\n1Caption=First\r\n2ID=3001\r\n2Caption=Second\r\nIndexs=1,2\r\n"},
        {"one number listed again and again", "[Buttons]\n1ID=2001\n2ID=2002\nIndexs=1,2,1,1,2,01,+1\n"},
        {"IDs outside the block", "[Buttons]\n1ID=99999\n2ID=-5\n3ID=abc\n4ID=2003\n5ID=1999\nIndexs=1,2,3,4,5\n"},
        {"numbers outside the block", "[Buttons]\n5000ID=2002\n-3ID=2005\n0ID=2000\n7000ID=5\n2ID=2002\nIndexs=5000,-3,0,7000,2\n"},
        {"fallback colliding with a stored ID", "[Frames]\n2ID=77\n1ID=3002\n3ID=3002\nIndexs=2,1,3\n"},
        {"frame IDs in the caption-button block", "[SysButtons]\n1ID=3001\n2ID=3501\nIndexs=1,2\n[Frames]\n1ID=3501\nIndexs=1\n"},
        {"keys repeated", "[Frames]\n1ID=3001\n1Caption=A\n1Caption=B\n1ID=3002\nIndexs=1\nIndexs=2\n"},
        {"odd white space", "[Frames]\r\n  1ID = 3001 \t\r\n\t1Caption =  spaced  \r\nIndexs = 1 , 2 ,\r\n2ID=\t3001\r\n"},
        {"lone carriage returns", "[Frames]\r1ID=3001\r\n1Caption=a\rb\r\nIndexs=1\r\n"},
        {"sections repeated and in other case", "[Frames]\n1ID=3001\nIndexs=1\n[Buttons]\n1ID=2001\nIndexs=1\n[frames]\n2ID=3002\nIndexs=1,2\n"},
        {"empty pieces and huge numbers", "[Edits]\n1ID=29001\nIndexs=,,1,,99999999999,-99999999999\n99999999999ID=29001\n"},
        {"values that look like syntax", "[Statics]\n1ID=23001\n1Caption=[Frames]\n1ResID=a=b;c\n2ID=23001\n2Caption=;x\nIndexs=1,2\n"},
        {"bytes of every kind", std::string(kOddBytes, sizeof kOddBytes - 1)},
        {"an ID at the base of the block", "[Frames]\n0ID=3000\n1ID=3000\nIndexs=0,1\n"},
        {"applications sharing an ID", "[Application]\n1ID=17001\n1SkinName=a\n2ID=17001\n2SkinName=b\nIndexs=1,2\n"},
        {"font files listed", "[FontFile]\n1ID=28001\nIndexs=1\n"},
        {"pictures are not part of a configuration on its own", "[Pictures]\na.bmp=a.bmp\na.bmpID=1001\n"},
        {"menu items with repeated IDs", "[Frames]\n1ID=3001\n1Item1ID=5\n1Item2ID=5\n1Item3ID=6\nIndexs=1\n"},
        {"an Indexs key in other case", "[Buttons]\n1ID=2001\nINDEXS=1\n"},
        {"no section at all", "1ID=2001\nIndexs=1\n"},
        {"a text cut to its field just after a blank", "[Frames]\n1ID=3001\n1Caption=" + std::string(253, 'c') +
                                                           " \r\x02tail\nIndexs=1\n"},
        {"a text cut to its field just after a carriage return", "[Frames]\r\n1ID=3001\r\n1Caption=" +
                                                                    std::string(253, 'c') + "\r\r\x02x\r\nIndexs=1\r\n"},
        {"empty", ""},
    };
}

TEST(NormalizeIdempotence, TrickyInputsReachAFixedPointAtOnce) {
    for (const Case& c : TrickyCases()) {
        SCOPED_TRACE(c.name);
        ExpectFixedPoint(c.text);
    }
}

TEST(NormalizeIdempotence, AFullBlockWithDuplicatesReachesAFixedPoint) {
    std::string config = "[Frames]\n";
    std::string list = "Indexs=";
    for (int n = 0; n < 600; ++n) {
        config += std::to_string(n) + "ID=" + std::to_string(3000 + n % 450) + "\n";
        list += std::to_string(n) + ",";
    }
    ExpectFixedPoint(config + list + "\n");
}

TEST(NormalizeIdempotence, ValuesAreWrittenAsTheyReadBack) {
    CSkinIniFile ini;
    ConfigWriter out(ini, "Frames", SystemEnvironment::Default());
    out.SetString("1Caption", "  a\nb\n[Buttons]\n1ID=2001 \t", "");
    out.SetString("1ResID", " \r ", "");  // nothing but blanks: the empty default, so not written
    CCfgData cfg;
    cfg.Parse(ini.ToText());
    EXPECT_EQ(cfg.Size(), 1u);
    EXPECT_EQ(cfg.GetString("Frames", "1Caption", ""), "a b [Buttons] 1ID=2001");
    EXPECT_EQ(*ini.Find("Frames", "1Caption"), "a b [Buttons] 1ID=2001");
}

// Configurations put together at random from pieces that trouble the loader, with a fixed seed so a
// failure can be reproduced.
TEST(NormalizeIdempotence, RandomMixturesReachAFixedPoint) {
    const std::vector<std::string> sections = {"[Frames]", "[SysButtons]", "[Buttons]", "[Application]",
                                               "[ScrollBars]", "[ToolBars]", "[StatusBars]", "[frames]"};
    const std::vector<std::string> keys = {"ID", "Caption", "ResID", "Item1ID", "Item2ID", "TopMargins",
                                           "ActiveLeftImg", "Pane1Text", "Owner", "VornadeskPreviewHeight"};
    const std::vector<std::string> values = {"3001", "3501", "2001", "17001", "7001", "0", "-1", "x", "",
                                             " 5 ", "99999", "1999", "a=b", "[Frames]", "4001", "5001"};
    std::mt19937 random(12345);
    auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
    for (int round = 0; round < 300; ++round) {
        std::string config;
        const int lines = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < lines; ++i) {
            switch (random() % 5) {
            case 0: config += pick(sections); break;
            case 1: {
                config += "Indexs=";
                const int count = static_cast<int>(random() % 6);
                for (int k = 0; k < count; ++k) config += std::to_string(static_cast<int>(random() % 5) - 1) + ",";
                break;
            }
            default:
                config += std::to_string(random() % 5) + pick(keys) + "=" + pick(values);
                break;
            }
            config += random() % 3 ? "\r\n" : "\n";
        }
        SCOPED_TRACE("round " + std::to_string(round));
        ExpectFixedPoint(config);
    }
}

}  // namespace
