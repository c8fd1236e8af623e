#include "Resource/ZipArchive.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace vd;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes FromText(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes RandomBytes(size_t size, uint32_t seed) {
    std::mt19937 generator(seed);
    Bytes out(size);
    for (auto& b : out) b = static_cast<uint8_t>(generator());
    return out;
}

struct NamedEntry {
    std::string name;
    Bytes data;
};

Bytes BuildArchive(const std::vector<NamedEntry>& entries, int level = -1) {
    ZipWriter writer(level);
    for (const auto& e : entries) EXPECT_TRUE(writer.AddEntry(e.name, e.data)) << writer.ErrorString();
    Bytes archive = writer.Finish();
    EXPECT_FALSE(archive.empty()) << writer.ErrorString();
    return archive;
}

uint32_t Read32(const Bytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
void Write32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void Write16(Bytes& b, size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

size_t FindSignature(const Bytes& b, uint32_t signature, size_t from = 0) {
    for (size_t i = from; i + 4 <= b.size(); ++i)
        if (Read32(b, i) == signature) return i;
    return std::string::npos;
}

constexpr uint32_t kLocalHeader = 0x04034b50;
constexpr uint32_t kCentralHeader = 0x02014b50;

// Offsets of the first entry's fields in its local and its central header.
struct FirstEntryFields {
    size_t local, central;
};
FirstEntryFields LocateFirstEntry(const Bytes& archive) {
    const size_t local = FindSignature(archive, kLocalHeader);
    const size_t central = FindSignature(archive, kCentralHeader);
    EXPECT_EQ(local, 0u);
    EXPECT_NE(central, std::string::npos);
    return {local, central};
}

// Rewrites a field of the first entry in both headers, as a hostile archive would.
void PatchUncompressedSize(Bytes& archive, uint32_t size) {
    auto at = LocateFirstEntry(archive);
    Write32(archive, at.local + 22, size);
    Write32(archive, at.central + 24, size);
}
void PatchCrc(Bytes& archive, uint32_t crc) {
    auto at = LocateFirstEntry(archive);
    Write32(archive, at.local + 14, crc);
    Write32(archive, at.central + 16, crc);
}
void PatchMethod(Bytes& archive, uint16_t method) {
    auto at = LocateFirstEntry(archive);
    Write16(archive, at.local + 8, method);
    Write16(archive, at.central + 10, method);
}
void PatchFlags(Bytes& archive, uint16_t flags) {
    auto at = LocateFirstEntry(archive);
    Write16(archive, at.local + 6, flags);
    Write16(archive, at.central + 8, flags);
}

ZipExtractStatus ExtractOnly(const Bytes& archive, Bytes& out, uint64_t limit = kDefaultZipEntryLimit) {
    ZipReader reader;
    EXPECT_TRUE(reader.Open(archive.data(), archive.size())) << reader.ErrorString();
    reader.SetEntryLimit(limit);
    std::string error;
    ZipExtractStatus status = reader.Extract(0, out, &error);
    if (status != ZipExtractStatus::Ok) {
        EXPECT_FALSE(error.empty());
    }
    return status;
}

}  // namespace

// ---------------------------------------------------------------- round trips

TEST(ZipArchive, RoundTripKeepsEveryEntryItsBytesAndItsOrder) {
    std::vector<NamedEntry> entries;
    entries.push_back({"empty.bmp", {}});
    entries.push_back({"binary.png", RandomBytes(70000, 1)});  // incompressible, spans several read chunks
    entries.push_back({"zeros.tga", Bytes(300000, 0)});
    entries.push_back({"text.ico", FromText("[Application]\r\nName=Blue\r\n")});
    for (int i = 0; i < 60; ++i)  // names deliberately not in sorted order
        entries.push_back({"pic" + std::to_string((i * 37) % 60) + ".bmp", RandomBytes(i * 13, 100 + i)});
    entries.push_back({"Skin.rss", FromText("last")});

    const Bytes archive = BuildArchive(entries);
    ZipReader reader;
    ASSERT_TRUE(reader.Open(archive.data(), archive.size())) << reader.ErrorString();
    ASSERT_EQ(reader.EntryCount(), static_cast<int>(entries.size()));
    for (int i = 0; i < reader.EntryCount(); ++i) {
        SCOPED_TRACE(entries[i].name);
        const ZipEntryInfo* info = reader.Entry(i);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->name, entries[i].name);
        EXPECT_EQ(info->size, entries[i].data.size());
        Bytes out = FromText("stale content that must be replaced");
        ASSERT_EQ(reader.Extract(i, out), ZipExtractStatus::Ok);
        EXPECT_EQ(out, entries[i].data);
    }
    EXPECT_EQ(reader.Entry(reader.EntryCount()), nullptr);
    EXPECT_EQ(reader.Entry(-1), nullptr);
    Bytes out;
    EXPECT_EQ(reader.Extract(reader.EntryCount(), out), ZipExtractStatus::NoSuchEntry);
    EXPECT_EQ(reader.Extract(-1, out), ZipExtractStatus::NoSuchEntry);
}

TEST(ZipArchive, EntriesAreDeflatedAndLevelsAllRoundTrip) {
    const Bytes text = FromText(std::string(20000, 'x') + "tail");
    for (int level : {-1, 0, 1, 9}) {
        SCOPED_TRACE(level);
        const Bytes archive = BuildArchive({{"a.rss", text}}, level);
        auto at = LocateFirstEntry(archive);
        EXPECT_EQ(archive[at.central + 10], 8) << "method must be deflate";
        if (level != 0) {
            EXPECT_LT(archive.size(), text.size() / 10);
        }
        Bytes out;
        EXPECT_EQ(ExtractOnly(archive, out), ZipExtractStatus::Ok);
        EXPECT_EQ(out, text);
    }
}

TEST(ZipArchive, SameEntriesGiveIdenticalArchives) {
    const std::vector<NamedEntry> entries = {{"a.png", RandomBytes(500, 7)}, {"b.rss", FromText("[x]")}};
    EXPECT_EQ(BuildArchive(entries), BuildArchive(entries));
}

TEST(ZipArchive, ArchiveWithoutEntriesOpensEmpty) {
    ZipWriter writer;
    const Bytes archive = writer.Finish();
    ASSERT_EQ(archive.size(), 22u);  // just the end-of-directory record
    ZipReader reader;
    ASSERT_TRUE(reader.Open(archive.data(), archive.size())) << reader.ErrorString();
    EXPECT_EQ(reader.EntryCount(), 0);
    EXPECT_EQ(reader.FindEntry("x.rss"), -1);
}

TEST(ZipArchive, FindEntryIgnoresAsciiCaseOnlyAndFindsTheFirst) {
    const Bytes archive = BuildArchive({{"Pictures/Frame.BMP", FromText("1")},
                                        {"Blue.rss", FromText("2")},
                                        {"BLUE.RSS", FromText("3")},
                                        {"\xC3\x84rger.rss", FromText("4")}});  // "Ärger" in UTF-8
    ZipReader reader;
    ASSERT_TRUE(reader.Open(archive.data(), archive.size()));
    EXPECT_EQ(reader.FindEntry("pictures/frame.bmp"), 0);
    EXPECT_EQ(reader.FindEntry("blue.RSS"), 1);
    EXPECT_EQ(reader.FindEntry("BLUE.RSS"), 1);
    EXPECT_EQ(reader.FindEntry("\xC3\x84RGER.rss"), 3);
    EXPECT_EQ(reader.FindEntry("\xC3\xA4rger.rss"), -1);  // "ä": not an ASCII case difference
    EXPECT_EQ(reader.FindEntry("Blue"), -1);
    EXPECT_EQ(reader.FindEntry("Blue.rss "), -1);
    EXPECT_EQ(reader.FindEntry(""), -1);
}

TEST(ZipArchive, ReopeningReplacesTheEntries) {
    const Bytes first = BuildArchive({{"one.bmp", FromText("1")}, {"two.bmp", FromText("2")}});
    const Bytes second = BuildArchive({{"three.bmp", FromText("333")}});
    ZipReader reader;
    ASSERT_TRUE(reader.Open(first.data(), first.size()));
    ASSERT_TRUE(reader.Open(second.data(), second.size()));
    ASSERT_EQ(reader.EntryCount(), 1);
    EXPECT_EQ(reader.FindEntry("one.bmp"), -1);
    Bytes out;
    ASSERT_EQ(reader.Extract(0, out), ZipExtractStatus::Ok);
    EXPECT_EQ(out, FromText("333"));
    EXPECT_FALSE(reader.Open(nullptr, 0));
    EXPECT_EQ(reader.EntryCount(), 0);
    EXPECT_EQ(reader.Extract(0, out), ZipExtractStatus::NoSuchEntry);
}

// ---------------------------------------------------------------- writer misuse

TEST(ZipArchive, WriterRefusesNamesTheFormatCannotCarry) {
    const Bytes data = FromText("x");
    for (const std::string& bad : {std::string(), std::string("a\0b.bmp", 7), std::string(70000, 'n')}) {
        ZipWriter writer;
        EXPECT_TRUE(writer.AddEntry("good.bmp", data));
        EXPECT_FALSE(writer.AddEntry(bad, data));
        EXPECT_TRUE(writer.Failed());
        EXPECT_FALSE(writer.AddEntry("later.bmp", data)) << "a failed writer stays failed";
        EXPECT_TRUE(writer.Finish().empty());
        EXPECT_FALSE(writer.ErrorString().empty());
    }
    ZipWriter longest;  // the longest name that fits is still fine
    ASSERT_TRUE(longest.AddEntry(std::string(0xFFFF, 'n'), data));
    const Bytes archive = longest.Finish();
    ZipReader reader;
    ASSERT_TRUE(reader.Open(archive.data(), archive.size()));
    EXPECT_EQ(reader.Entry(0)->name.size(), 0xFFFFu);
}

TEST(ZipArchive, WriterTakesNothingAfterFinish) {
    ZipWriter writer;
    ASSERT_TRUE(writer.AddEntry("a.bmp", FromText("a")));
    EXPECT_FALSE(writer.Finish().empty());
    EXPECT_FALSE(writer.AddEntry("b.bmp", FromText("b")));
    EXPECT_TRUE(writer.Finish().empty());
}

// ---------------------------------------------------------------- damaged input

TEST(ZipArchive, NonArchivesDoNotOpen) {
    ZipReader reader;
    EXPECT_FALSE(reader.Open(nullptr, 0));
    const Bytes text = FromText("Quarnelbrix and nothing else, certainly no zip directory here at all");
    EXPECT_FALSE(reader.Open(text.data(), text.size()));
    EXPECT_FALSE(reader.ErrorString().empty());
    const Bytes zeros(4096, 0);
    EXPECT_FALSE(reader.Open(zeros.data(), zeros.size()));
    Bytes archive = BuildArchive({{"a.bmp", FromText("abc")}});
    for (auto& b : archive) b ^= 0xA7;  // a scrambled container is not an archive until unscrambled
    EXPECT_FALSE(reader.Open(archive.data(), archive.size()));
}

TEST(ZipArchive, EveryTruncationFailsCleanly) {
    const std::vector<NamedEntry> entries = {{"a.bmp", FromText("first entry data")},
                                             {"b.rss", RandomBytes(300, 3)}};
    const Bytes archive = BuildArchive(entries);
    for (size_t length = 0; length < archive.size(); ++length) {
        SCOPED_TRACE(length);
        // An exact-size copy, so reading one byte too far is caught by the address sanitizer.
        const Bytes cut(archive.begin(), archive.begin() + static_cast<long>(length));
        ZipReader reader;
        EXPECT_FALSE(reader.Open(cut.data(), cut.size()));
        EXPECT_EQ(reader.EntryCount(), 0);
    }
}

TEST(ZipArchive, RandomByteFlipsNeverYieldWrongContent) {
    const std::vector<NamedEntry> entries = {{"one.bmp", FromText("the first picture's bytes")},
                                             {"two.png", RandomBytes(600, 11)},
                                             {"Skin.rss", FromText(std::string(900, 'k') + "[end]")}};
    const Bytes archive = BuildArchive(entries);
    std::mt19937 generator(20240611);
    int opened = 0, extracted = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes damaged = archive;
        const int flips = 1 + static_cast<int>(generator() % 4);
        for (int f = 0; f < flips; ++f)
            damaged[generator() % damaged.size()] ^= static_cast<uint8_t>(1 + generator() % 255);
        ZipReader reader;
        reader.SetEntryLimit(1 << 20);
        if (!reader.Open(damaged.data(), damaged.size())) continue;
        ++opened;
        for (int i = 0; i < reader.EntryCount(); ++i) {
            Bytes out;
            if (reader.Extract(i, out) != ZipExtractStatus::Ok) {
                EXPECT_TRUE(out.empty());
                continue;
            }
            ++extracted;
            // Whatever survives the CRC and size checks is the original content of that entry.
            ASSERT_LT(static_cast<size_t>(i), entries.size());
            EXPECT_EQ(out, entries[static_cast<size_t>(i)].data) << "round " << round << " entry " << i;
        }
    }
    // The flips must leave enough readable archives for the check above to mean something.
    EXPECT_GT(opened, 300);
    EXPECT_GT(extracted, 300);
}

TEST(ZipArchive, DamagedEntriesAreReportedNotReturned) {
    const Bytes payload = FromText(std::string(5000, 'p') + "payload end");
    const Bytes good = BuildArchive({{"p.bmp", payload}});
    Bytes out;

    Bytes badCrc = good;
    PatchCrc(badCrc, 0x12345678);
    EXPECT_EQ(ExtractOnly(badCrc, out), ZipExtractStatus::CrcMismatch);
    EXPECT_TRUE(out.empty());

    Bytes badData = good;  // damage the compressed stream itself
    const size_t dataStart = 30 + std::strlen("p.bmp");
    for (size_t i = dataStart; i < dataStart + 8; ++i) badData[i] ^= 0x5A;
    const ZipExtractStatus damaged = ExtractOnly(badData, out);
    EXPECT_TRUE(damaged == ZipExtractStatus::Corrupt || damaged == ZipExtractStatus::CrcMismatch);
    EXPECT_TRUE(out.empty());

    Bytes encrypted = good;
    PatchFlags(encrypted, 1);
    EXPECT_EQ(ExtractOnly(encrypted, out), ZipExtractStatus::Corrupt);

    Bytes bzip2 = good;  // minizip would return such bytes raw
    PatchMethod(bzip2, 12);
    EXPECT_EQ(ExtractOnly(bzip2, out), ZipExtractStatus::Corrupt);
    EXPECT_TRUE(out.empty());
}

// ---------------------------------------------------------------- size limits

TEST(ZipArchive, EntryLimitIsInclusive) {
    const Bytes data = RandomBytes(4000, 5);
    const Bytes archive = BuildArchive({{"d.bmp", data}});
    Bytes out;
    EXPECT_EQ(ExtractOnly(archive, out, data.size()), ZipExtractStatus::Ok);
    EXPECT_EQ(out, data);
    EXPECT_EQ(ExtractOnly(archive, out, data.size() - 1), ZipExtractStatus::TooLarge);
    EXPECT_TRUE(out.empty());
}

TEST(ZipArchive, ZipBombIsRefusedWhetherItsHeaderTellsTheTruthOrNot) {
    const uint64_t limit = 64 * 1024;
    const Bytes bomb(8 * 1024 * 1024, 0);  // 8 MiB of zeros deflate to a few KiB
    const Bytes honest = BuildArchive({{"bomb.bmp", bomb}}, 9);
    ASSERT_LT(honest.size(), 20000u);
    Bytes out;

    EXPECT_EQ(ExtractOnly(honest, out, limit), ZipExtractStatus::TooLarge);
    EXPECT_TRUE(out.empty());

    // The header claims a harmless size below the limit; the data would inflate far beyond it.
    for (uint32_t claimed : {0u, 1000u, static_cast<uint32_t>(limit)}) {
        SCOPED_TRACE(claimed);
        Bytes lying = honest;
        PatchUncompressedSize(lying, claimed);
        const ZipExtractStatus status = ExtractOnly(lying, out, limit);
        EXPECT_NE(status, ZipExtractStatus::Ok);
        EXPECT_TRUE(out.empty());
        EXPECT_LE(out.capacity(), limit + 1);
    }
}

TEST(ZipArchive, EntryShorterThanItsHeaderClaimsIsCorrupt) {
    const Bytes data = FromText("short content");
    Bytes archive = BuildArchive({{"s.bmp", data}});
    PatchUncompressedSize(archive, 5000);
    Bytes out;
    EXPECT_EQ(ExtractOnly(archive, out, 1 << 20), ZipExtractStatus::Corrupt);
    EXPECT_TRUE(out.empty());
    // A claim beyond the limit is refused before inflating anything.
    PatchUncompressedSize(archive, 0xFFFFFFF0u);
    EXPECT_EQ(ExtractOnly(archive, out, 1 << 20), ZipExtractStatus::TooLarge);
}

// ---------------------------------------------------------------- budgets

TEST(ZipArchive, ExtractedBytesKeepNoSpareCapacity) {
    std::vector<NamedEntry> entries;
    for (int i = 0; i < 300; ++i) entries.push_back({"t" + std::to_string(i) + ".bmp", RandomBytes(size_t(i % 40), 7u + i)});
    entries.push_back({"zeros.bmp", Bytes(200000, 0)});  // deflates far below its size
    const Bytes archive = BuildArchive(entries);
    ZipReader reader;
    ASSERT_TRUE(reader.Open(archive.data(), archive.size()));
    for (int i = 0; i < reader.EntryCount(); ++i) {
        Bytes out(1 << 16);  // a reused buffer: its old capacity must not stay behind
        ASSERT_EQ(reader.Extract(i, out), ZipExtractStatus::Ok);
        EXPECT_EQ(out, entries[size_t(i)].data);
        EXPECT_EQ(out.capacity(), out.size()) << entries[size_t(i)].name;
    }
}

TEST(ZipArchive, EntryCountLimitIsCheckedAtOpen) {
    std::vector<NamedEntry> entries;
    for (int i = 0; i < 12; ++i) entries.push_back({"e" + std::to_string(i), {}});
    const Bytes archive = BuildArchive(entries);
    ZipReader reader;
    reader.SetEntryCountLimit(12);
    EXPECT_TRUE(reader.Open(archive.data(), archive.size())) << reader.ErrorString();
    EXPECT_FALSE(reader.TooManyEntries());
    EXPECT_EQ(reader.EntryCount(), 12);
    reader.SetEntryCountLimit(11);
    EXPECT_FALSE(reader.Open(archive.data(), archive.size()));
    EXPECT_TRUE(reader.TooManyEntries());
    EXPECT_EQ(reader.ErrorString(), "more than 11 entries");
    EXPECT_EQ(reader.EntryCount(), 0);
    // A damaged archive is not mistaken for a large one.
    const Bytes junk = FromText("PK but nothing else of an archive");
    EXPECT_FALSE(reader.Open(junk.data(), junk.size()));
    EXPECT_FALSE(reader.TooManyEntries());
}

TEST(ZipArchive, AClaimedEntryCountIsRefusedBeforeTheDirectoryIsRead) {
    // The end record's count decides, so a small archive claiming a huge directory is refused before
    // anything is read or kept for it.
    std::vector<NamedEntry> entries(3, NamedEntry{"x", {}});
    for (size_t i = 0; i < entries.size(); ++i) entries[i].name += std::to_string(i);
    Bytes archive = BuildArchive(entries);
    const size_t end = FindSignature(archive, 0x06054b50);
    ASSERT_NE(end, std::string::npos);
    const uint16_t claimed = 0xFFFF;
    Write16(archive, end + 8, claimed);
    Write16(archive, end + 10, claimed);
    ZipReader reader;
    reader.SetEntryCountLimit(kDefaultZipEntryCountLimit);
    EXPECT_FALSE(reader.Open(archive.data(), archive.size()));
    EXPECT_FALSE(reader.TooManyEntries());  // within the default limit: only the missing records are wrong
    reader.SetEntryCountLimit(claimed - 1);
    EXPECT_FALSE(reader.Open(archive.data(), archive.size()));
    EXPECT_TRUE(reader.TooManyEntries());
}

TEST(ZipArchive, TotalLimitCountsEveryExtractionOfTheReader) {
    const Bytes a = RandomBytes(1000, 1), b = RandomBytes(1000, 2), c = RandomBytes(600, 3);
    const Bytes archive = BuildArchive({{"a", a}, {"b", b}, {"c", c}});
    ZipReader reader;
    reader.SetTotalLimit(2500);
    ASSERT_TRUE(reader.Open(archive.data(), archive.size()));
    Bytes out;
    EXPECT_EQ(reader.Extract(0, out), ZipExtractStatus::Ok);
    EXPECT_EQ(reader.Extract(1, out), ZipExtractStatus::Ok);
    EXPECT_EQ(reader.Inflated(), 2000u);
    std::string error;
    EXPECT_EQ(reader.Extract(2, out, &error), ZipExtractStatus::TotalTooLarge);  // 2600 > 2500
    EXPECT_TRUE(out.empty());
    EXPECT_NE(error.find("2500 bytes"), std::string::npos) << error;
    EXPECT_EQ(reader.Inflated(), 2000u);  // a refused entry counts nothing
    reader.SetTotalLimit(2600);
    EXPECT_EQ(reader.Extract(2, out), ZipExtractStatus::Ok);  // inclusive
    EXPECT_EQ(out, c);
    // Failed extractions count nothing either.
    Bytes bad = archive;
    PatchCrc(bad, 0x01020304);
    ZipReader second;
    ASSERT_TRUE(second.Open(bad.data(), bad.size()));
    EXPECT_EQ(second.Extract(0, out), ZipExtractStatus::CrcMismatch);
    EXPECT_EQ(second.Inflated(), 0u);
}

TEST(ZipArchive, ADeclaredSizeTheCompressedDataCannotHoldIsRefusedBeforeInflating) {
    const Bytes data = RandomBytes(3000, 9);
    for (const bool stored : {false, true}) {
        SCOPED_TRACE(stored ? "stored" : "deflated");
        Bytes archive = BuildArchive({{"d.bmp", data}});
        if (stored) PatchMethod(archive, 0);
        const uint32_t compressed = Read32(archive, LocateFirstEntry(archive).central + 20);
        // Stored data cannot grow; deflated data at most about 1032 times.
        const uint32_t impossible = stored ? compressed + 1 : compressed * 1040u + 2048u;
        PatchUncompressedSize(archive, impossible);
        Bytes out;
        std::string error;
        ZipReader reader;
        ASSERT_TRUE(reader.Open(archive.data(), archive.size()));
        EXPECT_EQ(reader.Extract(0, out, &error), ZipExtractStatus::Corrupt);
        EXPECT_NE(error.find("more than its compressed data can hold"), std::string::npos) << error;
        EXPECT_EQ(out.capacity(), 0u);
        // As many bytes as are compressed is possible (the CRC then fails: only the size check matters).
        PatchUncompressedSize(archive, compressed);
        ASSERT_TRUE(reader.Open(archive.data(), archive.size()));
        reader.Extract(0, out, &error);
        EXPECT_EQ(error.find("more than its compressed data can hold"), std::string::npos) << error;
    }
}

// An archive of `count` empty stored entries named 0, 1, 2, ..., written record by record: far quicker
// than the writer for tens of thousands of entries. The end record's 16-bit counts say 0xFFFF beyond that.
Bytes ManyEmptyEntries(uint32_t count) {
    Bytes local, central;
    auto put16 = [](Bytes& b, uint32_t v) { b.push_back(uint8_t(v)), b.push_back(uint8_t(v >> 8)); };
    auto put32 = [&](Bytes& b, uint32_t v) { put16(b, v), put16(b, v >> 16); };
    for (uint32_t i = 0; i < count; ++i) {
        const std::string name = std::to_string(i);
        const uint32_t offset = uint32_t(local.size());
        put32(local, kLocalHeader);
        put16(local, 20);                            // version needed
        for (int k = 0; k < 4; ++k) put16(local, 0);  // flags, method (stored), time, date
        for (int k = 0; k < 3; ++k) put32(local, 0);  // CRC, sizes
        put16(local, uint32_t(name.size()));
        put16(local, 0);
        local.insert(local.end(), name.begin(), name.end());
        put32(central, kCentralHeader);
        put16(central, 20);
        put16(central, 20);
        for (int k = 0; k < 4; ++k) put16(central, 0);
        for (int k = 0; k < 3; ++k) put32(central, 0);
        put16(central, uint32_t(name.size()));
        for (int k = 0; k < 4; ++k) put16(central, 0);  // extra, comment, disk, internal attributes
        put32(central, 0);                              // external attributes
        put32(central, offset);
        central.insert(central.end(), name.begin(), name.end());
    }
    Bytes archive = local;
    archive.insert(archive.end(), central.begin(), central.end());
    put32(archive, 0x06054b50);
    put32(archive, 0);  // disk numbers
    put16(archive, std::min<uint32_t>(count, 0xFFFF));
    put16(archive, std::min<uint32_t>(count, 0xFFFF));
    put32(archive, uint32_t(central.size()));
    put32(archive, uint32_t(local.size()));
    put16(archive, 0);
    return archive;
}

TEST(ZipArchive, MoreEntriesThanTheDefaultLimitAreRefusedWhateverTheEndRecordSays) {
    const Bytes few = ManyEmptyEntries(3);
    ZipReader reader;
    ASSERT_TRUE(reader.Open(few.data(), few.size())) << reader.ErrorString();  // the generator makes archives
    EXPECT_EQ(reader.EntryCount(), 3);
    // 65537 entries: the end record cannot count them in 16 bits and says 0xFFFF, "more".
    const Bytes many = ManyEmptyEntries(65537);
    EXPECT_FALSE(reader.Open(many.data(), many.size()));
    EXPECT_TRUE(reader.TooManyEntries());
    EXPECT_EQ(reader.ErrorString(), "more than 65536 entries");
    EXPECT_EQ(reader.EntryCount(), 0);
}
