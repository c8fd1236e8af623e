// The configuration text: what saving writes and how reading parses it.
#include <gtest/gtest.h>

#include <string>

#include "Resource/CfgData.h"
#include "Resource/SkinIniFile.h"
#include "Resource/TextUtil.h"

TEST(SkinIniFile, WritesSectionsKeysAndEmptyLineWithCrLf) {
    CSkinIniFile ini;
    ini.SetString("Buttons", "1ID", "2001", "");
    ini.SetString("Buttons", "1Caption", "SkinButton1", "");
    ini.SetString("Frames", "1ID", "3001", "");
    EXPECT_EQ(ini.ToText(), "[Buttons]\r\n1ID=2001\r\n1Caption=SkinButton1\r\n\r\n[Frames]\r\n1ID=3001\r\n\r\n");
}

TEST(SkinIniFile, ValueEqualToDefaultIgnoringCaseIsNotWritten) {
    CSkinIniFile ini;
    EXPECT_TRUE(ini.SetString("S", "Font", "arial", "Arial"));
    ini.SetInt("S", "Height", -12, -12);
    EXPECT_EQ(ini.ToText(), "");  // a section whose keys were all defaults does not appear
    ini.SetInt("S", "Height", 0, -12);
    EXPECT_EQ(ini.ToText(), "[S]\r\nHeight=0\r\n\r\n");
}

TEST(SkinIniFile, KeysKeepFirstInsertionOrderAndExactCase) {
    CSkinIniFile ini;
    ini.SetString("S", "b", "1", "");
    ini.SetString("S", "a", "2", "");
    ini.SetString("S", "b", "3", "");  // updates in place
    ini.SetString("S", "B", "4", "");  // a different key: names compare case-sensitively
    ini.SetString("s", "a", "5", "");  // and so do sections
    EXPECT_EQ(ini.ToText(), "[S]\r\nb=3\r\na=2\r\nB=4\r\n\r\n[s]\r\na=5\r\n\r\n");
}

TEST(SkinIniFile, CreateFalseNeverAddsSectionsOrKeys) {
    CSkinIniFile ini;
    EXPECT_FALSE(ini.SetString("S", "k", "v", "", false));
    ini.SetString("S", "k", "v", "");
    EXPECT_FALSE(ini.SetString("S", "other", "v", "", false));
    EXPECT_TRUE(ini.SetString("S", "k", "w", "", false));
    EXPECT_EQ(ini.ToText(), "[S]\r\nk=w\r\n\r\n");
}

TEST(CfgData, ParsesKeysCaseInsensitivelyAndKeepsValueCase) {
    CCfgData cfg;
    cfg.Parse("[Buttons]\r\n 1Caption = Hello World \r\n1ID=2001\r\n");
    EXPECT_EQ(cfg.GetString("buttons", "1CAPTION", "x"), "Hello World");
    EXPECT_EQ(cfg.GetInt("BUTTONS", "1id", 0), 2001);
    EXPECT_EQ(cfg.GetString("Buttons", "missing", "def"), "def");
    EXPECT_EQ(cfg.GetInt("Buttons", "missing", -7), -7);
}

TEST(CfgData, EmptyValueIsStoredAndAtoiGivesZero) {
    CCfgData cfg;
    cfg.Parse("[S]\nk=\n");
    EXPECT_EQ(cfg.GetString("S", "k", "def"), "");
    EXPECT_EQ(cfg.GetInt("S", "k", 42), 0);
}

TEST(CfgData, SecondEqualsSignBelongsToTheValue) {
    CCfgData cfg;
    cfg.Parse("[S]\n  MyKey  =  a=b  \n");
    EXPECT_EQ(cfg.GetString("S", "mykey", ""), "a=b");
}

TEST(CfgData, LeadingBlankMakesASectionLineAKeyLineAndCommentsAreSkipped) {
    CCfgData cfg;
    cfg.Parse("[A]\n [B]\nk=1\n;k2=2\n#k3=3\nnoequals\n");
    EXPECT_EQ(cfg.GetString("A", "k", ""), "1");  // still in section A
    EXPECT_EQ(cfg.GetString("B", "k", "none"), "none");
    EXPECT_EQ(cfg.GetString("A", ";k2", "none"), "none");
    EXPECT_EQ(cfg.GetString("A", "#k3", "none"), "none");
}

TEST(CfgData, FirstOfRepeatedKeysWinsAlsoAcrossCase) {
    CCfgData cfg;
    cfg.Parse("[S]\nKey=first\nkey=second\nKEY=third\n");
    EXPECT_EQ(cfg.GetString("S", "key", ""), "first");
}

TEST(CfgData, LinesBeforeAnySectionAreUnreachable) {
    CCfgData cfg;
    cfg.Parse("k=1\n[S]\n");
    EXPECT_EQ(cfg.Size(), 1u);
    EXPECT_EQ(cfg.GetString("", "k", "none"), "none");
}

TEST(CfgData, CrLfAndLfParseAlikeAndTheLastLineNeedsNoLineEnd) {
    CCfgData a, b;
    a.Parse("[S]\r\nx=1\r\ny=2");
    b.Parse("[S]\nx=1\ny=2");
    EXPECT_EQ(a.GetString("S", "y", ""), "2");
    EXPECT_EQ(b.GetString("S", "y", ""), "2");
    EXPECT_EQ(a.GetString("S", "x", ""), b.GetString("S", "x", ""));
}

TEST(CfgData, SectionWithoutClosingBracketStillNamesTheTag) {
    CCfgData cfg;
    cfg.Parse("[Open\nk=v\n");
    EXPECT_EQ(cfg.Lookup("[open", "K") ? *cfg.Lookup("[open", "K") : "", "v");
}

TEST(CfgData, FirstValueWinsAcrossParseCallsAndEachParseStartsWithoutASection) {
    CCfgData cfg;
    cfg.Parse("[S]\nk=1\n");
    cfg.Parse("[s]\nK=2\nnew=3\n");
    EXPECT_EQ(cfg.GetString("S", "k", ""), "1");
    EXPECT_EQ(cfg.GetString("S", "new", ""), "3");
    cfg.Parse("k=4\n");  // not in [s]: the second text's tag does not carry over
    EXPECT_EQ(cfg.Lookup("", "k").value_or("none"), "4");
    EXPECT_EQ(cfg.GetString("S", "k", ""), "1");
    EXPECT_EQ(cfg.Size(), 3u);
}

TEST(CfgData, SectionsAndKeysCompareIgnoringCaseAndASectionMayReturn) {
    CCfgData cfg;
    cfg.Parse("[FrAmEs]\nKeY=MiXeD\n[Other]\nkey=2\n[FRAMES]\nkey=3\nsecond=4\n");
    EXPECT_EQ(cfg.GetString("frames", "KEY", ""), "MiXeD");
    EXPECT_EQ(cfg.Lookup("[frames]", "kEy").value_or("none"), "MiXeD");
    EXPECT_EQ(cfg.Lookup("[frames]", "SEC", "OND").value_or("none"), "4");
    EXPECT_EQ(cfg.GetString("other", "Key", ""), "2");
    EXPECT_FALSE(cfg.Lookup("[frames]", "ke"));
    EXPECT_FALSE(cfg.Lookup("[frames]", "keys"));
    EXPECT_EQ(cfg.Size(), 3u);
}

TEST(CfgData, CommentBlankAndCrOnlyLinesAddNothing) {
    CCfgData cfg;
    cfg.Parse("\n\n;a=1\n#b=2\n\r\n  \n[S]\r\n\r\n;c=3\r\nk = v \r\n");
    EXPECT_EQ(cfg.Size(), 1u);
    EXPECT_EQ(cfg.GetString("S", "k", ""), "v");  // neither the blank nor the CR stays in the value
    EXPECT_FALSE(cfg.Lookup("[s]", ";c"));
    EXPECT_FALSE(cfg.Lookup("", ";a"));
}

TEST(CfgData, EqualsSignsEmptyKeysAndEmptyTexts) {
    CCfgData cfg;
    cfg.Parse("");
    EXPECT_EQ(cfg.Size(), 0u);
    EXPECT_FALSE(cfg.Lookup("", ""));
    cfg.Parse("[S]\nk==\n=v\nx = a = b\n");
    EXPECT_EQ(cfg.GetString("S", "k", ""), "=");
    EXPECT_EQ(cfg.Lookup("[s]", "").value_or("none"), "v");
    EXPECT_EQ(cfg.GetString("S", "x", ""), "a = b");
}

TEST(CfgData, TheTagIsTheWholeTrimmedLineAndKeysMatchTagPlusKey) {
    CCfgData cfg;
    cfg.Parse("[A]b \r\nc=1\n[A]\nbd=2\n");
    EXPECT_EQ(cfg.Lookup("[a]b", "C").value_or("none"), "1");
    EXPECT_EQ(cfg.Lookup("[a]", "bc").value_or("none"), "1");  // the same "[a]bc"
    EXPECT_EQ(cfg.Lookup("[a]", "b", "d").value_or("none"), "2");
    EXPECT_EQ(cfg.Lookup("[a]b", "d").value_or("none"), "2");
}

TEST(CfgData, ManyKeysAreAllFoundAmongLongProbeChains) {
    // Keys that are prefixes of each other, the same names in several sections and item numbers as in the
    // loaders: every one must keep its own value and near names must miss.
    std::string text;
    const int kItems = 3000;
    for (const char* section : {"[Frames]", "[Buttons]", "[Frames2]"}) {
        text += section;
        text += "\r\n";
        for (int i = 1; i <= kItems; ++i) {
            text += std::to_string(i) + "ID=" + section + std::to_string(i) + "\r\n";
            text += std::to_string(i) + "=" + std::to_string(i * 7) + "\r\n";
        }
    }
    CCfgData cfg;
    cfg.Parse(text);
    EXPECT_EQ(cfg.Size(), size_t(3 * 2 * kItems));
    int wrong = 0;
    for (const char* section : {"[Frames]", "[Buttons]", "[Frames2]"}) {
        const std::string tag = vd::ToLowerAscii(section);
        for (int i = 1; i <= kItems; ++i) {
            const std::string n = std::to_string(i);
            if (cfg.Lookup(tag, n, "id").value_or("") != section + n) ++wrong;
            if (cfg.Lookup(tag, n).value_or("") != std::to_string(i * 7)) ++wrong;
            if (cfg.Lookup(tag, n, "i") || cfg.Lookup(tag, n, "idx") || cfg.Lookup(tag, n + "ID0")) ++wrong;
        }
        EXPECT_FALSE(cfg.Lookup(tag, std::to_string(kItems + 1), "ID"));
    }
    EXPECT_EQ(wrong, 0);
}

TEST(CfgData, ClearForgetsEverythingAndParsingAgainStartsAfresh) {
    CCfgData cfg;
    cfg.Parse("[S]\nk=old\ngone=1\n");
    cfg.Clear();
    EXPECT_EQ(cfg.Size(), 0u);
    EXPECT_FALSE(cfg.Lookup("[s]", "k"));
    cfg.Parse("[S]\nk=new\n");
    EXPECT_EQ(cfg.GetString("S", "k", ""), "new");  // not the first value from before the clear
    EXPECT_EQ(cfg.GetString("S", "gone", "none"), "none");
    EXPECT_EQ(cfg.Size(), 1u);
}

TEST(TextUtil, AtoiFollowsTheCLibrary) {
    EXPECT_EQ(vd::Atoi("  -42abc"), -42);
    EXPECT_EQ(vd::Atoi("+7"), 7);
    EXPECT_EQ(vd::Atoi("abc"), 0);
    EXPECT_EQ(vd::Atoi(""), 0);
    EXPECT_EQ(vd::Atoi("\t\n 12 34"), 12);
    EXPECT_EQ(vd::Atoi("99999999999999999999"), 2147483647);
    EXPECT_EQ(vd::Atoi("-99999999999999999999"), -2147483647 - 1);
}

TEST(TextUtil, CutToCapacityKeepsRoomForTheTerminatorAndWholeCharacters) {
    EXPECT_EQ(vd::CutToCapacity(std::string(300, 'a'), 255).size(), 254u);
    EXPECT_EQ(vd::CutToCapacity("abc", 255), "abc");
    // "é" is two bytes: a capacity of 3 holds "a" + "é" (3 bytes) minus the terminator -> "a".
    EXPECT_EQ(vd::CutToCapacity("a\xC3\xA9", 3), "a");
}
