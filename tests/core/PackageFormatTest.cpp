#include "Resource/PackageFormat.h"

#include "Resource/ZipArchive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using namespace vd;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes FromText(std::string_view text) { return Bytes(text.begin(), text.end()); }

HeaderCheck Check(const PackageHeader& header, std::string_view password) {
    return CheckHeader(header.data(), header.size(), password);
}

std::string Chars(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

// A package as the document writes it: pictures first, the scrambled configuration last, the archive
// behind the header, scrambled or not.
Bytes BuildPackage(const std::string& path, std::string_view password, const std::string& configText,
                   bool scramble) {
    ZipWriter writer;
    EXPECT_TRUE(writer.AddEntry("frame.bmp", FromText("BM picture bytes")));
    EXPECT_TRUE(writer.AddEntry("button.PNG", FromText("\x89PNG picture bytes")));
    Bytes config = FromText(configText);
    ScrambleConfig(config);
    EXPECT_TRUE(writer.AddEntry(ConfigEntryName(path), config));
    Bytes archive = writer.Finish();
    if (scramble) ScrambleContainer(archive);
    const PackageHeader header = BuildHeader(password);
    Bytes package(header.size() + archive.size());
    std::copy(header.begin(), header.end(), package.begin());
    std::copy(archive.begin(), archive.end(), package.begin() + kPackageHeaderSize);
    return package;
}

// The reading side of the same format, as far as this layer goes.
OpenResult ReadConfig(Bytes package, const std::string& path, std::string_view password, std::string& text) {
    switch (CheckHeader(package.data(), package.size(), password)) {
    case HeaderCheck::UnknownFormat: return OpenResult::UnknownFormat;
    case HeaderCheck::WrongPassword: return OpenResult::WrongPassword;
    case HeaderCheck::Ok: break;
    }
    uint8_t* archive = package.data() + kPackageHeaderSize;
    const size_t size = package.size() - kPackageHeaderSize;
    ZipReader reader;
    if (!reader.Open(archive, size)) {
        ScrambleContainer(archive, size);
        if (!reader.Open(archive, size)) return OpenResult::BadArchive;
    }
    const int index = reader.FindEntry(ConfigEntryName(path));
    if (index < 0) return OpenResult::MissingConfiguration;
    Bytes entry;
    if (reader.Extract(index, entry) != ZipExtractStatus::Ok) return OpenResult::BadArchive;
    DecodeConfigEntry(entry);
    text.assign(entry.begin(), entry.end());
    return OpenResult::Ok;
}

const std::string kConfig = "[Application]\r\nSkinName=Blue\r\nAuthor=me\r\n\r\n[Frames]\r\nIndexs=1,2\r\n\r\n";

}  // namespace

// ---------------------------------------------------------------- password encoding

TEST(PackageFormat, EncodePasswordXorsNeighboursAndWrapsAround) {
    EXPECT_EQ(EncodePassword(""), "");
    EXPECT_EQ(EncodePassword("a"), Chars({0}));
    EXPECT_EQ(EncodePassword("ab"), Chars({'a' ^ 'b', 'b' ^ 'a'}));
    EXPECT_EQ(EncodePassword("abc"), Chars({'a' ^ 'b', 'b' ^ 'c', 'c' ^ 'a'}));
    EXPECT_EQ(EncodePassword("aab"), Chars({0, 'a' ^ 'b', 'b' ^ 'a'}));
    EXPECT_EQ(EncodePassword("\xFF\x01"), Chars({0xFE, 0xFE}));
    EXPECT_EQ(EncodePassword("secret7").size(), 7u);
}

TEST(PackageFormat, StoredFormEndsAtItsFirstZeroAndFitsTheField) {
    EXPECT_EQ(StoredPasswordForm("a"), "");
    EXPECT_EQ(StoredPasswordForm("abba"), Chars({'a' ^ 'b'}));
    EXPECT_EQ(StoredPasswordForm("aba"), Chars({'a' ^ 'b', 'b' ^ 'a'}));
    EXPECT_EQ(StoredPasswordForm("abcdefg"), EncodePassword("abcdefg"));   // 7: never cut
    EXPECT_EQ(StoredPasswordForm("abcdefgh"), EncodePassword("abcdefgh"));  // 8 + zero still fit
    EXPECT_EQ(StoredPasswordForm("abcdefghijk"), EncodePassword("abcdefghijk").substr(0, 8));
}

// ---------------------------------------------------------------- header

TEST(PackageFormat, HeaderLayoutByteByByte) {
    const PackageHeader header = BuildHeader("abc");
    const uint8_t expected[28] = {'Q', 'u', 'a', 'r', 'n', 'e', 'l', 'b', 'r', 'i', 'x', 0,
                                  0xCC, 0xCC, 0xCC,
                                  'a' ^ 'b', 'b' ^ 'c', 'c' ^ 'a', 0, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC,
                                  1, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(header.data(), expected, sizeof expected));

    const PackageHeader none = BuildHeader("");
    EXPECT_EQ(none[15], 0);
    for (size_t i = 16; i < 24; ++i) EXPECT_EQ(none[i], 0xCC) << i;
    EXPECT_EQ(none[24], 1);

    const PackageHeader longest = BuildHeader("abcdefgh");  // stored form fills bytes 15..22
    EXPECT_EQ(longest[23], 0);
    EXPECT_EQ(longest[24], 1);
    const PackageHeader tooLong = BuildHeader("abcdefghijklmnop");
    EXPECT_EQ(tooLong[23], 0) << "the field's terminating zero must survive a long password";
    EXPECT_EQ(tooLong[24], 1);
    EXPECT_EQ(tooLong[25], 0);
}

TEST(PackageFormat, HeaderAcceptsItsPasswordAndRejectsOthers) {
    const PackageHeader header = BuildHeader("Blue42");
    EXPECT_EQ(Check(header, "Blue42"), HeaderCheck::Ok);
    EXPECT_EQ(Check(header, "blue42"), HeaderCheck::WrongPassword);
    EXPECT_EQ(Check(header, "Blue4"), HeaderCheck::WrongPassword);
    EXPECT_EQ(Check(header, ""), HeaderCheck::WrongPassword);

    const PackageHeader open = BuildHeader("");
    EXPECT_EQ(Check(open, ""), HeaderCheck::Ok);
    EXPECT_EQ(Check(open, "ab"), HeaderCheck::WrongPassword);

    // Passwords longer than the field can hold reopen with themselves.
    const PackageHeader longOne = BuildHeader("tangerine dream");
    EXPECT_EQ(Check(longOne, "tangerine dream"), HeaderCheck::Ok);
    EXPECT_EQ(Check(longOne, "tangerine"), HeaderCheck::Ok);  // the first 9 characters decide
    EXPECT_EQ(Check(longOne, "tangerinE dream"), HeaderCheck::WrongPassword);
    EXPECT_EQ(Check(longOne, "tangelo"), HeaderCheck::WrongPassword);
}

TEST(PackageFormat, OneCharacterPasswordBehavesLikeNone) {
    const PackageHeader single = BuildHeader("x");
    EXPECT_EQ(single[15], 0);
    EXPECT_EQ(Check(single, ""), HeaderCheck::Ok);
    EXPECT_EQ(Check(single, "q"), HeaderCheck::Ok);
    EXPECT_EQ(Check(BuildHeader(""), "z"), HeaderCheck::Ok);
    EXPECT_EQ(Check(single, "xy"), HeaderCheck::WrongPassword);
}

TEST(PackageFormat, ZeroInStoredFormEndsTheComparison) {
    // "abba": a^b, b^b = 0, ... -> only a^b is stored and compared.
    const PackageHeader header = BuildHeader("abba");
    EXPECT_EQ(Check(header, "abba"), HeaderCheck::Ok);
    EXPECT_EQ(Check(header, "abb"), HeaderCheck::Ok);
    EXPECT_EQ(Check(header, "abbzzz"), HeaderCheck::Ok);
    EXPECT_EQ(Check(header, "dgg"), HeaderCheck::Ok);  // 'd' ^ 'g' == 'a' ^ 'b'
    EXPECT_EQ(Check(header, "ab"), HeaderCheck::WrongPassword);
    EXPECT_EQ(Check(header, "abc"), HeaderCheck::WrongPassword);
    EXPECT_EQ(Check(header, ""), HeaderCheck::WrongPassword);

    // Equal first and last characters: the wrap-around byte is zero.
    const PackageHeader wrapped = BuildHeader("aba");
    EXPECT_EQ(Check(wrapped, "bab"), HeaderCheck::Ok);
    EXPECT_EQ(Check(wrapped, "abab"), HeaderCheck::WrongPassword);
    // Two equal first characters store nothing at all.
    EXPECT_EQ(Check(BuildHeader("aab"), ""), HeaderCheck::Ok);
}

TEST(PackageFormat, HeaderMagicMustMatchWithItsZero) {
    const PackageHeader good = BuildHeader("");
    for (size_t i = 0; i < 12; ++i) {
        PackageHeader bad = good;
        bad[i] ^= 0x20;
        EXPECT_EQ(Check(bad, ""), HeaderCheck::UnknownFormat) << i;
    }
    EXPECT_EQ(CheckHeader(good.data(), kPackageHeaderSize - 1, ""), HeaderCheck::UnknownFormat);
    EXPECT_EQ(CheckHeader(nullptr, 0, ""), HeaderCheck::UnknownFormat);
    const Bytes zip = {'P', 'K', 3, 4, 20, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(CheckHeader(zip.data(), zip.size(), ""), HeaderCheck::UnknownFormat);
}

TEST(PackageFormat, ReaderIgnoresFillFieldTailAndVersion) {
    PackageHeader header = BuildHeader("abc");
    for (size_t i : {12, 13, 14, 19, 20, 21, 22, 23, 24, 25, 26, 27}) header[i] = 0x5A;
    EXPECT_EQ(Check(header, "abc"), HeaderCheck::Ok);
    EXPECT_EQ(Check(header, "abd"), HeaderCheck::WrongPassword);
}

TEST(PackageFormat, PasswordFieldWithoutZeroIsReadOnlyWithinTheField) {
    const PackageHeader built = BuildHeader("");
    // Exactly 28 bytes on the heap with no zero from the field to the end: reading on past the field
    // would run off the buffer.
    Bytes header(built.begin(), built.end());
    const std::string form = StoredPasswordForm("abcdefgh");
    ASSERT_EQ(form.size(), 8u);
    std::memcpy(header.data() + 15, form.data(), 8);
    for (size_t i = 23; i < 28; ++i) header[i] = 'Z';
    EXPECT_EQ(CheckHeader(header.data(), header.size(), "abcdefgh"), HeaderCheck::WrongPassword);
    EXPECT_EQ(CheckHeader(header.data(), header.size(), ""), HeaderCheck::WrongPassword);
    header[23] = 0;
    EXPECT_EQ(CheckHeader(header.data(), header.size(), "abcdefgh"), HeaderCheck::Ok);
}

// ---------------------------------------------------------------- scrambling

TEST(PackageFormat, ContainerScrambleIsXorA7) {
    Bytes bytes = {0x00, 0xA7, 0xFF, 'P', 'K'};
    ScrambleContainer(bytes);
    EXPECT_EQ(bytes, (Bytes{0xA7, 0x00, 0x58, 'P' ^ 0xA7, 'K' ^ 0xA7}));
    ScrambleContainer(bytes);
    EXPECT_EQ(bytes, (Bytes{0x00, 0xA7, 0xFF, 'P', 'K'}));
}

TEST(PackageFormat, ConfigScrambleCyclesOverSevenKeyBytes) {
    Bytes bytes(15, 0);
    ScrambleConfig(bytes);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "KESTRELKESTRELK");  // the eighth key byte 'Q' unused
    Bytes text = FromText(kConfig);
    ScrambleConfig(text);
    EXPECT_EQ(text[0], '[' ^ 'K');
    EXPECT_EQ(text[7], kConfig[7] ^ 'K');
    ScrambleConfig(text);
    EXPECT_EQ(text, FromText(kConfig));
}

// ---------------------------------------------------------------- configuration entry

TEST(PackageFormat, ConfigEntryNameIsTheTitleBeforeTheFirstDot) {
    const std::pair<const char*, const char*> cases[] = {
        {"Blue.rss", "Blue.rss"},
        {"/home/ann/skins/Blue.rss", "Blue.rss"},
        {"C:\\Skins\\Blue.rss", "Blue.rss"},
        {"/home/ann/my.dark.skin.rss", "my.rss"},
        {"C:\\Skins\\my.dark.rss", "my.rss"},
        {"/mixed\\dirs/and\\Name.v2.rss", "Name.rss"},
        {"/dotted.dir/plain", "plain.rss"},
        {"C:\\dotted.dir\\plain", "plain.rss"},
        {"noext", "noext.rss"},
        {"/home/ann/.hidden.rss", ".rss"},
        {"/trailing/", ".rss"},
        {"", ".rss"},
    };
    for (const auto& [path, entry] : cases) EXPECT_EQ(ConfigEntryName(path), entry) << path;
}

TEST(PackageFormat, PlainTextIsRecognisedByItsOpeningBracket) {
    EXPECT_TRUE(IsPlainConfigText(FromText(kConfig)));
    EXPECT_TRUE(IsPlainConfigText(FromText("\xEF\xBB\xBF[Application]\r\n")));
    EXPECT_TRUE(IsPlainConfigText(Bytes{}));
    Bytes scrambled = FromText(kConfig);
    ScrambleConfig(scrambled);
    EXPECT_FALSE(IsPlainConfigText(scrambled));
    EXPECT_FALSE(IsPlainConfigText(FromText("\xEF\xBB\xBF")));
}

TEST(PackageFormat, ScrambledTextNeverPassesAsPlain) {
    // Whatever a configuration text starts with (printable ASCII, blanks, UTF-8 lead bytes or a BOM),
    // its scrambled form is recognised and restored.
    std::vector<std::string> starts;
    for (int c = 0x20; c < 0x7F; ++c) starts.push_back(std::string(1, static_cast<char>(c)));
    for (char c : std::string("\t\r\n")) starts.push_back(std::string(1, c));
    for (int c = 0xC2; c <= 0xF4; ++c) starts.push_back(std::string(1, static_cast<char>(c)) + "\x80");
    starts.push_back("\xEF\xBB\xBF[");
    for (const std::string& start : starts) {
        const Bytes text = FromText(start + "Section]\r\nKey=Value\r\n");
        Bytes entry = text;
        ScrambleConfig(entry);
        DecodeConfigEntry(entry);
        EXPECT_EQ(entry, text) << "text starting with byte " << int(static_cast<uint8_t>(start[0]));
    }
}

TEST(PackageFormat, DecodeKeepsPlainEntriesAndRestoresScrambledOnes) {
    Bytes plain = FromText(kConfig);
    DecodeConfigEntry(plain);
    EXPECT_EQ(plain, FromText(kConfig));
    Bytes scrambled = FromText(kConfig);
    ScrambleConfig(scrambled);
    DecodeConfigEntry(scrambled);
    EXPECT_EQ(scrambled, FromText(kConfig));
    Bytes empty;
    DecodeConfigEntry(empty);
    EXPECT_TRUE(empty.empty());
}

// ---------------------------------------------------------------- whole packages

TEST(PackageFormat, PackageRoundTripScrambledAndPlain) {
    for (bool scramble : {true, false}) {
        SCOPED_TRACE(scramble);
        const Bytes package = BuildPackage("/skins/Blue.rss", "pw", kConfig, scramble);
        std::string text;
        EXPECT_EQ(ReadConfig(package, "/skins/Blue.rss", "pw", text), OpenResult::Ok);
        EXPECT_EQ(text, kConfig);
        EXPECT_EQ(ReadConfig(package, "/skins/Blue.rss", "", text), OpenResult::WrongPassword);
        // The configuration entry is found ignoring case, so a renamed-by-case file still opens.
        EXPECT_EQ(ReadConfig(package, "/elsewhere/BLUE.RSS", "pw", text), OpenResult::Ok);
        EXPECT_EQ(ReadConfig(package, "/skins/Green.rss", "pw", text), OpenResult::MissingConfiguration);
    }
}

TEST(PackageFormat, ScrambledConfigUnderAUisNameReopens) {
    // A title containing "uis" once made the reader skip unscrambling; the entry's content decides now.
    const std::string path = "/skins/Bluish.rss";
    ASSERT_NE(ConfigEntryName(path).find("uis"), std::string::npos);
    const Bytes package = BuildPackage(path, "", kConfig, true);
    std::string text;
    ASSERT_EQ(ReadConfig(package, path, "", text), OpenResult::Ok);
    EXPECT_EQ(text, kConfig);
}

TEST(PackageFormat, ConfigurationIsTheLastEntry) {
    const Bytes package = BuildPackage("/a/Skin.rss", "", kConfig, false);
    ZipReader reader;
    ASSERT_TRUE(reader.Open(package.data() + kPackageHeaderSize, package.size() - kPackageHeaderSize));
    ASSERT_EQ(reader.EntryCount(), 3);
    EXPECT_EQ(reader.Entry(2)->name, "Skin.rss");
}

TEST(PackageFormat, DamagedArchiveBehindAGoodHeaderIsABadArchive) {
    Bytes package = BuildPackage("/a/Skin.rss", "", kConfig, true);
    package.resize(package.size() - 10);
    std::string text;
    EXPECT_EQ(ReadConfig(package, "/a/Skin.rss", "", text), OpenResult::BadArchive);
    const PackageHeader header = BuildHeader("");
    const Bytes headerOnly(header.begin(), header.end());
    EXPECT_EQ(ReadConfig(headerOnly, "/a/Skin.rss", "", text), OpenResult::BadArchive);
}

TEST(PackageFormat, OpenResultsKeepTheirCodesAndMessages) {
    EXPECT_EQ(static_cast<int>(OpenResult::Ok), 0);
    EXPECT_EQ(static_cast<int>(OpenResult::UnknownFormat), 1);
    EXPECT_EQ(static_cast<int>(OpenResult::WrongPassword), 2);
    EXPECT_EQ(OpenResultMessage(OpenResult::Ok), "");
    EXPECT_EQ(OpenResultMessage(OpenResult::UnknownFormat), "Unknown file format!");
    EXPECT_EQ(OpenResultMessage(OpenResult::WrongPassword), "Wrong Password!");
    EXPECT_EQ(OpenResultMessage(OpenResult::BadArchive), "file format error!");
    EXPECT_EQ(OpenResultMessage(OpenResult::MissingConfiguration), "file format error!");
    EXPECT_NE(OpenResultMessage(OpenResult::TooLarge), OpenResultMessage(OpenResult::IoError));
    EXPECT_FALSE(OpenResultMessage(OpenResult::TooLarge).empty());
    EXPECT_FALSE(OpenResultMessage(OpenResult::IoError).empty());
    EXPECT_EQ(OpenResultCaption(OpenResult::UnknownFormat), "Quarnelbrix");
    EXPECT_EQ(OpenResultCaption(OpenResult::WrongPassword), "Tessmark");
    EXPECT_EQ(OpenResultCaption(OpenResult::BadArchive), "Quarnelbrix");
}
