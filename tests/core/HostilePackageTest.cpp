// Hostile packages made by the tests' own generators: the budgets on entries, inflated bytes and decoded
// pixels, what a failed open says, running out of memory, cancelling, and the peak memory of opening.
#include <gtest/gtest.h>

#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <condition_variable>
#include <mutex>
#include <random>
#include <thread>

#include "TempFolderTest.h"
#include "EnBitmapTestUtil.h"
#include "Helpers/EnBitmap.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinDocument.h"
#include "Resource/ZipArchive.h"

namespace fs = std::filesystem;
using imgtest::Bytes;

#if defined(__SANITIZE_ADDRESS__)
#define VD_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VD_UNDER_ASAN 1
#endif
#endif

namespace {

struct Entry {
    std::string name;
    Bytes data;
};

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes RandomBytes(size_t size, uint32_t seed) {
    std::mt19937 generator(seed);
    Bytes out(size);
    for (auto& b : out) b = static_cast<uint8_t>(generator());
    return out;
}

Bytes Archive(const std::vector<Entry>& entries) {
    vd::ZipWriter zip(1);
    for (const Entry& e : entries) EXPECT_TRUE(zip.AddEntry(e.name, e.data)) << e.name;
    Bytes archive = zip.Finish();
    EXPECT_FALSE(archive.empty());
    return archive;
}

// Header, then the archive scrambled as a save writes it.
Bytes Wrap(Bytes archive) {
    vd::ScrambleContainer(archive);
    const vd::PackageHeader header = vd::BuildHeader("");
    Bytes package(header.begin(), header.end());
    package.insert(package.end(), archive.begin(), archive.end());
    return package;
}

Bytes Package(const std::vector<Entry>& entries) { return Wrap(Archive(entries)); }

// The configuration of a skin holding these pictures, IDs from 1001 on.
Bytes PicturesConfig(const std::vector<std::string>& names) {
    std::string text = "[Pictures]\r\n";
    for (size_t i = 0; i < names.size(); ++i)
        text += names[i] + "=" + names[i] + "\r\n" + names[i] + "ID=" + std::to_string(1001 + i) + "\r\n";
    return Text(text);
}

uint32_t Read32(const Bytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}
void Write32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
}

// Sets a field of every entry's central directory record (CRC at 16, uncompressed size at 24), and the
// same field of its local header (14, 22), as a hostile archive would.
void PatchEveryEntry(Bytes& archive, size_t centralOffset, size_t localOffset, uint32_t value,
                     const std::string& onlyName = {}) {
    for (size_t i = 0; i + 46 <= archive.size(); ++i) {
        if (Read32(archive, i) != 0x02014b50) continue;
        const size_t nameLength = archive[i + 28] | (archive[i + 29] << 8);
        const std::string name(archive.begin() + long(i) + 46, archive.begin() + long(i + 46 + nameLength));
        if (!onlyName.empty() && name != onlyName) continue;
        Write32(archive, i + centralOffset, value);
        Write32(archive, Read32(archive, i + 42) + localOffset, value);
    }
}

Bytes RleBomb(int w, int h) {
    imgtest::DibParts parts;
    parts.width = w;
    parts.height = h;
    parts.bpp = 8;
    parts.compression = 1;  // RLE8
    parts.bits = {0, 1};    // end of bitmap: every pixel index 0
    return imgtest::MakeBmpFile(parts);
}

Bytes SmallBmp() {
    imgtest::DibParts parts;
    parts.width = 4;
    parts.height = 4;
    parts.bpp = 24;
    parts.bits = imgtest::PackRows(std::vector<std::vector<uint32_t>>(4, std::vector<uint32_t>(4, 0x336699)), 24);
    return imgtest::MakeBmpFile(parts);
}

vd::PackageLimits Limits(uint64_t count, uint64_t entry, uint64_t total, uint64_t pixels) {
    vd::PackageLimits limits;
    limits.entryCount = count;
    limits.entryBytes = entry;
    limits.totalBytes = total;
    limits.pixelBytes = pixels;
    return limits;
}

size_t Count(const std::vector<std::string>& texts, std::string_view part) {
    size_t n = 0;
    for (const std::string& t : texts) n += t.find(part) != std::string::npos;
    return n;
}

// ---- a forked child, for what must not touch the test process: memory limits and peak memory ----

long ResidentKiB() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long VirtualBytes() {
    long pages = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld", &pages) != 1) pages = 0;
        std::fclose(f);
    }
    return pages * sysconf(_SC_PAGESIZE);
}

struct ChildRun {
    int exitCode = -1;
    long peakGrowthKiB = 0;  // the child's peak resident memory beyond what it had when it started
};

// Runs `work` in a forked child; its return value becomes the exit code. The peak comes from wait4's
// resource usage, less the resident memory the child started with (the pages it shares with us).
ChildRun RunInChild(const std::function<int()>& work) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {};
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeFds[0]);
        const long base = ResidentKiB();
        const bool sent = write(pipeFds[1], &base, sizeof base) == sizeof base;
        close(pipeFds[1]);
        _exit(sent ? work() : 99);
    }
    close(pipeFds[1]);
    long base = 0;
    const bool received = read(pipeFds[0], &base, sizeof base) == sizeof base;
    close(pipeFds[0]);
    int status = 0;
    struct rusage usage {};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !received) return {};
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), usage.ru_maxrss - base};
}

using HostilePackageTest = filetest::TempFolderTest;

}  // namespace

TEST_F(HostilePackageTest, AFailedOpenSaysWhatIsWrong) {
    const Bytes config = PicturesConfig({});
    Bytes badCrc = Archive({{"h.rss", config}});
    PatchEveryEntry(badCrc, 16, 14, 0x0BADC0DE);
    Bytes packageHeaderOnly = Package({{"h.rss", config}});
    packageHeaderOnly.resize(vd::kPackageHeaderSize + 40);
    struct Case {
        const char* what;
        Bytes package;
        vd::PackageLimits limits;
        vd::OpenResult result;
        std::string error;  // expected start of OpenError()
    };
    const vd::PackageLimits defaults;
    const Case cases[] = {
        {"not a package", Text("just some text, long enough to pass for a header"), defaults,
         vd::OpenResult::UnknownFormat, "not a skin package"},
        {"cut archive", packageHeaderOnly, defaults, vd::OpenResult::BadArchive, "damaged archive: "},
        {"no configuration", Package({{"a.bmp", SmallBmp()}}), defaults, vd::OpenResult::MissingConfiguration,
         "damaged archive: no configuration entry 'h.rss'"},
        {"damaged configuration", Wrap(badCrc), defaults, vd::OpenResult::BadArchive,
         "damaged archive: zip entry \"h.rss\" fails its CRC check"},
        {"large configuration", Package({{"h.rss", Bytes(3000, ' ')}}), Limits(100, 2048, 1 << 20, 1 << 20),
         vd::OpenResult::TooLarge, "entry 'h.rss' is larger than 2 KiB"},
        {"too many entries", Package({{"a.bmp", {}}, {"b.bmp", {}}, {"h.rss", config}}), Limits(2, 1024, 4096, 0),
         vd::OpenResult::TooLarge, "more than 2 entries"},
        {"too much together", Package({{"a.bmp", Bytes(1000, 1)}, {"h.rss", Bytes(100, ' ')}}),
         Limits(10, 1000, 1099, 0), vd::OpenResult::TooLarge, "the entries together inflate to more than 1099 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CSkinDocument doc;
        doc.SetLimits(c.limits);
        EXPECT_EQ(doc.OpenFromMemory("h.rss", "", c.package.data(), c.package.size()), c.result);
        EXPECT_EQ(doc.OpenError().substr(0, c.error.size()), c.error) << doc.OpenError();
        EXPECT_EQ(doc.Pictures().Count(), 0u);
    }

    CSkinDocument doc;
    const Bytes good = Package({{"a.bmp", SmallBmp()}, {"h.rss", PicturesConfig({"a.bmp"})}});
    EXPECT_EQ(doc.OpenFromMemory("h.rss", "", good.data(), good.size()), vd::OpenResult::Ok);
    EXPECT_EQ(doc.OpenError(), "");
    EXPECT_EQ(doc.Open((m_dir / "missing.rss").string(), ""), vd::OpenResult::IoError);
    EXPECT_FALSE(doc.OpenError().empty());
    Bytes locked = good;
    const vd::PackageHeader withPassword = vd::BuildHeader("pw");
    std::copy(withPassword.begin(), withPassword.end(), locked.begin());
    EXPECT_EQ(doc.OpenFromMemory("h.rss", "", locked.data(), locked.size()), vd::OpenResult::WrongPassword);
    EXPECT_EQ(doc.OpenError(), "");  // the message says all
}

TEST_F(HostilePackageTest, EntriesOverTheTotalAreRefusedBeforeAnythingIsInflated) {
    // Sixteen entries of 1 MiB each whose CRCs are all wrong: inflating any of them would be seen as a
    // warning about that picture, so a refusal without warnings shows nothing was inflated.
    std::vector<Entry> entries;
    std::vector<std::string> names;
    for (int i = 0; i < 16; ++i) {
        names.push_back("p" + std::to_string(i) + ".bmp");
        entries.push_back({names.back(), Bytes(1 << 20, uint8_t(i))});
    }
    entries.push_back({"h.rss", PicturesConfig(names)});
    Bytes archive = Archive(entries);
    for (const std::string& name : names) PatchEveryEntry(archive, 16, 14, 0xDEADBEEF, name);
    const Bytes package = Wrap(archive);
    const uint64_t configSize = entries.back().data.size();

    CSkinDocument refused;
    refused.SetLimits(Limits(100, 1 << 20, (16u << 20) + configSize - 1, 1 << 20));
    EXPECT_EQ(refused.OpenFromMemory("h.rss", "", package.data(), package.size()), vd::OpenResult::TooLarge);
    EXPECT_EQ(refused.OpenError(), "the entries together inflate to more than " +
                                       ByteCountText((16u << 20) + configSize - 1));
    EXPECT_TRUE(refused.Warnings().empty());

    CSkinDocument enough;  // one byte more: everything is read, and every damaged picture is reported
    enough.SetLimits(Limits(100, 1 << 20, (16u << 20) + configSize, 1 << 20));
    ASSERT_EQ(enough.OpenFromMemory("h.rss", "", package.data(), package.size()), vd::OpenResult::Ok);
    EXPECT_EQ(Count(enough.Dropped(), "fails its CRC check"), 16u);
    EXPECT_EQ(enough.Pictures().Count(), 0u);
}

TEST_F(HostilePackageTest, PicturesThatCannotBeReadAreLeftOutWithAWord) {
    Bytes archive = Archive({{"big.bmp", Bytes(5000, 7)},
                             {"liar.bmp", Bytes(1 << 20, 0)},
                             {"ok.bmp", SmallBmp()},
                             {"h.rss", PicturesConfig({"big.bmp", "liar.bmp", "ok.bmp"})}});
    PatchEveryEntry(archive, 24, 22, 100, "liar.bmp");  // 1 MiB that claims to be 100 bytes
    const Bytes package = Wrap(archive);
    CSkinDocument doc;
    doc.SetLimits(Limits(100, 4096, 1 << 20, 1 << 20));
    ASSERT_EQ(doc.OpenFromMemory("h.rss", "", package.data(), package.size()), vd::OpenResult::Ok);
    ASSERT_EQ(doc.Pictures().Count(), 1u);
    EXPECT_EQ(doc.Pictures().At(0)->name, "ok.bmp");
    ASSERT_EQ(doc.Dropped().size(), 2u);
    EXPECT_NE(doc.Dropped()[0].find("entry 'big.bmp' is larger than 4 KiB"), std::string::npos) << doc.Dropped()[0];
    EXPECT_NE(doc.Dropped()[1].find("liar.bmp"), std::string::npos) << doc.Dropped()[1];
    EXPECT_EQ(doc.Warnings(), doc.Dropped());
}

TEST_F(HostilePackageTest, TheEntryCountLimitIsInclusive) {
    std::vector<Entry> entries;
    for (int i = 0; i < 19; ++i) entries.push_back({"e" + std::to_string(i) + ".txt", {}});
    entries.push_back({"h.rss", PicturesConfig({})});
    const Bytes package = Package(entries);
    CSkinDocument exact, under;
    exact.SetLimits(Limits(20, 1024, 1 << 20, 0));
    EXPECT_EQ(exact.OpenFromMemory("h.rss", "", package.data(), package.size()), vd::OpenResult::Ok);
    under.SetLimits(Limits(19, 1024, 1 << 20, 0));
    EXPECT_EQ(under.OpenFromMemory("h.rss", "", package.data(), package.size()), vd::OpenResult::TooLarge);
    EXPECT_EQ(under.OpenError(), "more than 19 entries");
}

TEST_F(HostilePackageTest, RunLengthBombsOverThePixelBudgetKeepTheirBytesAndSaveUnchanged) {
    // Sixteen 8192 x 8192 run-length BMPs of a few dozen bytes: 4 GiB of pixels together.
    std::vector<Entry> entries;
    std::vector<std::string> names;
    for (int i = 0; i < 16; ++i) {
        names.push_back("bomb" + std::to_string(i) + ".bmp");
        entries.push_back({names.back(), RleBomb(8192, 8192)});
    }
    names.push_back("small.bmp");
    entries.push_back({"small.bmp", SmallBmp()});
    entries.push_back({"h.rss", PicturesConfig(names)});
    const Bytes package = Package(entries);
    const vd::PackageLimits limits = Limits(100, 1 << 20, 1 << 20, 64 << 10);

    CSkinDocument doc;
    doc.SetLimits(limits);
    ASSERT_EQ(doc.OpenFromMemory("h.rss", "", package.data(), package.size()), vd::OpenResult::Ok);
    ASSERT_EQ(doc.Pictures().Count(), 17u);
    EXPECT_TRUE(doc.Dropped().empty());  // kept, not dropped
    EXPECT_EQ(Count(doc.Warnings(), "is kept undecoded"), 16u);
    for (int i = 0; i < 16; ++i) {
        const Picture& p = *doc.Pictures().At(size_t(i));
        EXPECT_EQ(Count(doc.Warnings(), "The picture " + p.name + " is kept undecoded"), 1u) << p.name;
        ASSERT_NE(p.image, nullptr);
        EXPECT_TRUE(p.image->IsEmpty());
        EXPECT_EQ(*p.data, entries[size_t(i)].data);
    }
    EXPECT_FALSE(doc.Pictures().At(16)->image->IsEmpty());  // within the budget

    const std::string path = (m_dir / "h.rss").string();
    ASSERT_TRUE(doc.Save(path, ""));
    CSkinDocument back;
    back.SetLimits(limits);
    ASSERT_EQ(back.Open(path, ""), vd::OpenResult::Ok);
    ASSERT_EQ(back.Pictures().Count(), 17u);
    for (size_t i = 0; i < 17; ++i) EXPECT_EQ(*back.Pictures().At(i)->data, entries[i].data) << i;
}

TEST_F(HostilePackageTest, PicturesDecodeUntilThePixelBudgetIsSpent) {
    // Four 64 x 64 pictures of 16 KiB of pixels each and room for two and a half.
    std::vector<Entry> entries;
    std::vector<std::string> names;
    for (int i = 0; i < 4; ++i) {
        names.push_back("r" + std::to_string(i) + ".bmp");
        entries.push_back({names.back(), RleBomb(64, 64)});
    }
    entries.push_back({"h.rss", PicturesConfig(names)});
    const Bytes package = Package(entries);
    CSkinDocument doc;
    doc.SetLimits(Limits(100, 1 << 20, 1 << 20, 40 << 10));
    ASSERT_EQ(doc.OpenFromMemory("h.rss", "", package.data(), package.size()), vd::OpenResult::Ok);
    size_t decoded = 0;
    for (size_t i = 0; i < doc.Pictures().Count(); ++i) decoded += !doc.Pictures().At(i)->image->IsEmpty();
    EXPECT_EQ(decoded, 2u);
    EXPECT_EQ(Count(doc.Warnings(), "is kept undecoded"), 2u);
    EXPECT_NE(doc.Warnings()[0].find("40 KiB of decoded pixels"), std::string::npos) << doc.Warnings()[0];
}

TEST_F(HostilePackageTest, ACancelledOpenLeavesNothingLoaded) {
    std::vector<Entry> entries;
    std::vector<std::string> names;
    for (int i = 0; i < 8; ++i) {
        names.push_back("s" + std::to_string(i) + ".bmp");
        entries.push_back({names.back(), SmallBmp()});
    }
    entries.push_back({"h.rss", PicturesConfig(names)});
    const Bytes package = Package(entries);
    const size_t steps = entries.size() * 2;

    // Stopped while reading the entries, and while decoding the pictures (the second half of the steps).
    for (size_t stopAt : {size_t(0), size_t(3), entries.size() + 1}) {
        SCOPED_TRACE(stopAt);
        std::atomic<bool> cancel{false};
        size_t last = 0;
        bool backwards = false;
        OpenMonitor monitor;
        monitor.cancel = &cancel;
        monitor.progress = [&](size_t done, size_t total) {
            EXPECT_EQ(total, steps);
            backwards |= done < last;
            last = done;
            if (done >= stopAt) cancel = true;
        };
        CSkinDocument doc;
        EXPECT_EQ(doc.OpenFromMemory("h.rss", "", package.data(), package.size(), &monitor), vd::OpenResult::Cancelled);
        EXPECT_FALSE(backwards);
        EXPECT_EQ(doc.Pictures().Count(), 0u);
        EXPECT_EQ(doc.StoredConfigText(), "");
        EXPECT_TRUE(doc.Warnings().empty());
        EXPECT_EQ(doc.OpenError(), "");
    }
    std::atomic<bool> never{false};
    OpenMonitor monitor;
    monitor.cancel = &never;
    size_t last = 0;
    monitor.progress = [&](size_t done, size_t) { last = done; };
    CSkinDocument doc;
    ASSERT_EQ(doc.OpenFromMemory("h.rss", "", package.data(), package.size(), &monitor), vd::OpenResult::Ok);
    EXPECT_EQ(last, steps);
    EXPECT_EQ(doc.Pictures().Count(), 8u);
}

// AddressSanitizer reserves terabytes of address space and keeps freed memory in quarantine, so neither
// an address-space limit nor resident-memory figures mean anything under it.
#ifdef VD_UNDER_ASAN
#define VD_SKIP_UNDER_ASAN() GTEST_SKIP() << "memory limits and figures mean nothing under AddressSanitizer"
#else
#define VD_SKIP_UNDER_ASAN() (void)0
#endif

TEST_F(HostilePackageTest, RunningOutOfMemoryIsAResultNotAnException) {
    VD_SKIP_UNDER_ASAN();
    // Each case runs in a child whose address space has 8 MiB to spare and needs one allocation of 72 MiB:
    // more than any heap of the allocator can hold, so it must be mapped afresh and cannot come from
    // memory that earlier tests left behind.
    auto inTightChild = [](const std::function<int(CSkinDocument&)>& work) {
        return RunInChild([&work] {
            CSkinDocument doc;
            if (mallopt(M_MMAP_THRESHOLD, 1 << 20) != 1) return 11;
            const struct rlimit limit{rlim_t(VirtualBytes() + (8 << 20)), RLIM_INFINITY};
            if (setrlimit(RLIMIT_AS, &limit) != 0) return 10;
            const int failure = work(doc);
            if (failure) return failure;
            if (doc.OpenError().rfind("out of memory", 0) != 0) return 12;
            if (doc.Pictures().Count() != 0 || !doc.StoredConfigText().empty() || doc.Cfg().Size() != 0) return 13;
            return 0;
        }).exitCode;
    };
    // A picture entry whose 100 KiB of compressed data could inflate to the 72 MiB it declares: the
    // reader takes the memory for it before inflating.
    Bytes archive = Archive({{"big.bmp", RandomBytes(100 << 10, 5)}, {"h.rss", PicturesConfig({"big.bmp"})}});
    PatchEveryEntry(archive, 24, 22, 72u << 20, "big.bmp");
    const Bytes bigPicture = Wrap(archive);
    EXPECT_EQ(inTightChild([&bigPicture](CSkinDocument& doc) {
                  const vd::OpenResult result = doc.OpenFromMemory("h.rss", "", bigPicture.data(), bigPicture.size());
                  return result == vd::OpenResult::OutOfMemory ? 0 : 20 + int(result);
              }),
              0);
    // A package file of 72 MiB (sparse: only its last byte is written), while it is read.
    const std::string sparse = (m_dir / "sparse.rss").string();
    {
        std::ofstream out(sparse, std::ios::binary);
        out.seekp((72 << 20) - 1);
        out.put('\0');
    }
    EXPECT_EQ(inTightChild([&sparse](CSkinDocument& doc) {
                  const vd::OpenResult result = doc.Open(sparse, "");
                  return result == vd::OpenResult::OutOfMemory ? 0 : 20 + int(result);
              }),
              0);
    // A configuration value of 72 MiB, while the configuration is parsed.
    std::string longValue = "[Application]\r\nName=";
    longValue.append(72u << 20, 'x');
    longValue += "\r\n";
    EXPECT_EQ(inTightChild([&longValue](CSkinDocument& doc) {
                  return doc.LoadPackageContents(std::move(longValue), {}) ? 30 : 0;  // moved: no copy
              }),
              0);
}

TEST_F(HostilePackageTest, DecodingThreadsThatCannotStartLeaveTheWorkToTheOpeningThread) {
    VD_SKIP_UNDER_ASAN();
    std::vector<Entry> entries;
    std::vector<std::string> names;
    for (int i = 0; i < 6; ++i) {
        names.push_back("s" + std::to_string(i) + ".bmp");
        entries.push_back({names.back(), SmallBmp()});
    }
    entries.push_back({"h.rss", PicturesConfig(names)});
    const Bytes package = Package(entries);
    // 2 MiB of address space to spare: no room for a new thread's stack, plenty for six 4 x 4 pictures.
    // The stacks of threads that ended earlier are cached for reuse, so waiting threads hold them first.
    const ChildRun run = RunInChild([&package] {
        std::mutex mutex;
        std::condition_variable wake;
        bool done = false;
        std::vector<std::thread> holders;
        for (int i = 0; i < 16; ++i)
            holders.emplace_back([&] {
                std::unique_lock<std::mutex> lock(mutex);
                wake.wait(lock, [&] { return done; });
            });
        CSkinDocument doc;
        const struct rlimit limit{rlim_t(VirtualBytes() + (2 << 20)), RLIM_INFINITY};
        int code = setrlimit(RLIMIT_AS, &limit) != 0 ? 10 : 0;
        if (!code) {
            const vd::OpenResult result = doc.OpenFromMemory("h.rss", "", package.data(), package.size());
            if (result != vd::OpenResult::Ok) code = 20 + int(result);
            else if (doc.Pictures().Count() != 6) code = 31;
            for (size_t i = 0; !code && i < doc.Pictures().Count(); ++i)
                if (doc.Pictures().At(i)->image->IsEmpty()) code = 30;
        }
        {
            std::lock_guard<std::mutex> lock(mutex);
            done = true;
        }
        wake.notify_all();
        for (std::thread& t : holders) t.join();
        return code;
    });
    EXPECT_EQ(run.exitCode, 0);
}

TEST_F(HostilePackageTest, PeakMemoryOfAnOpenStaysWithinThreeTimesItsContent) {
    VD_SKIP_UNDER_ASAN();
    struct Case {
        const char* what;
        std::vector<Entry> entries;
    };
    std::vector<Case> cases(3);
    cases[0].what = "10000 tiny entries";
    cases[1].what = "32 incompressible entries of 256 KiB";
    cases[2].what = "4 compressible entries of 2 MiB";
    std::vector<std::string> names;
    for (int i = 0; i < 10000; ++i) {
        names.push_back("t" + std::to_string(i) + ".bmp");
        cases[0].entries.push_back({names.back(), RandomBytes(16, uint32_t(i))});
    }
    cases[0].entries.push_back({"h.rss", PicturesConfig(names)});
    names.clear();
    for (int i = 0; i < 32; ++i) {
        names.push_back("r" + std::to_string(i) + ".png");
        cases[1].entries.push_back({names.back(), RandomBytes(256 << 10, uint32_t(i))});
    }
    cases[1].entries.push_back({"h.rss", PicturesConfig(names)});
    names.clear();
    for (int i = 0; i < 4; ++i) {
        names.push_back("z" + std::to_string(i) + ".tga");
        cases[2].entries.push_back({names.back(), Bytes(2 << 20, uint8_t(i))});
    }
    cases[2].entries.push_back({"h.rss", PicturesConfig(names)});

    for (const Case& c : cases) {
        uint64_t content = 0;
        for (const Entry& e : c.entries) content += e.data.size();
        const std::string path = Write("h.rss", Package(c.entries));
        const size_t pictures = c.entries.size() - 1;
        const ChildRun run = RunInChild([&path, pictures] {
            CSkinDocument doc;
            return doc.Open(path, "") == vd::OpenResult::Ok && doc.Pictures().Count() == pictures ? 0 : 1;
        });
        EXPECT_EQ(run.exitCode, 0) << c.what;
        // Three times the content, and 16 MiB for what any open needs (threads, allocator, tables).
        const long allowedKiB = long(content * 3 / 1024) + (16 << 10);
        EXPECT_LE(run.peakGrowthKiB, allowedKiB) << c.what << ": content " << content / 1024 << " KiB";
        std::printf("[ measured ] %s: content %llu KiB, peak growth %ld KiB\n", c.what,
                    static_cast<unsigned long long>(content / 1024), run.peakGrowthKiB);
    }
}
