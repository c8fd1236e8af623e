#include "Resource/AtomicFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vd;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes FromText(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Put(const fs::path& path, std::string_view text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::set<std::string> Listing(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

// A fresh folder per test, removed afterwards.
class AtomicFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = testing::TempDir() + "vdatomicXXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_dir, ignored);
    }
    std::string At(const std::string& name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

}  // namespace

// ---------------------------------------------------------------- writing

TEST_F(AtomicFileTest, WritesNewAndReplacesOldFilesLeavingNothingElse) {
    const std::string path = At("Blue.rss");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, FromText("first version"), &error)) << error;
    EXPECT_EQ(Contents(path), FromText("first version"));
    ASSERT_TRUE(WriteFileAtomically(path, FromText("second"), &error)) << error;
    EXPECT_EQ(Contents(path), FromText("second"));
    ASSERT_TRUE(WriteFileAtomically(path, Bytes{}, &error)) << error;
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 0u);
    EXPECT_EQ(Listing(m_dir), std::set<std::string>{"Blue.rss"});
}

TEST_F(AtomicFileTest, NewFileGetsTheUsualModeUnderTheUmask) {
    const mode_t previous = ::umask(027);
    const bool written = WriteFileAtomically(At("mode.rss"), FromText("x"));
    ::umask(previous);
    ASSERT_TRUE(written);
    struct stat st {};
    ASSERT_EQ(::stat(At("mode.rss").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(AtomicFileTest, RelativePathsAndLongNamesWork) {
    const fs::path previous = fs::current_path();
    fs::current_path(m_dir);
    const bool relative = WriteFileAtomically("relative.rss", FromText("r"));
    fs::current_path(previous);
    ASSERT_TRUE(relative);
    EXPECT_EQ(Contents(m_dir / "relative.rss"), FromText("r"));

    const std::string longName(250, 'n');  // a temporary name built naively would pass 255 bytes
    ASSERT_TRUE(WriteFileAtomically(At(longName), FromText("long")));
    EXPECT_EQ(Contents(m_dir / longName), FromText("long"));
    EXPECT_EQ(Listing(m_dir).size(), 2u);
}

TEST_F(AtomicFileTest, SymbolicLinkKeepsPointingAtTheReplacedFile) {
    fs::create_directory(m_dir / "real");
    Put(m_dir / "real" / "skin.rss", "old");
    fs::create_symlink(m_dir / "real" / "skin.rss", m_dir / "link.rss");
    ASSERT_TRUE(WriteFileAtomically(At("link.rss"), FromText("new")));
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.rss"));
    EXPECT_EQ(Contents(m_dir / "real" / "skin.rss"), FromText("new"));
    EXPECT_EQ(Listing(m_dir / "real"), std::set<std::string>{"skin.rss"});
}

TEST_F(AtomicFileTest, FailedRenameKeepsTheDestinationAndRemovesTheTemporary) {
    // A non-empty folder where the file should go: everything succeeds up to the rename.
    fs::create_directory(m_dir / "Blue.rss");
    Put(m_dir / "Blue.rss" / "inside.txt", "keep me");
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(At("Blue.rss"), FromText("new content"), &error));
    EXPECT_NE(error.find("Blue.rss"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(m_dir / "Blue.rss"));
    EXPECT_EQ(Contents(m_dir / "Blue.rss" / "inside.txt"), FromText("keep me"));
    EXPECT_EQ(Listing(m_dir), std::set<std::string>{"Blue.rss"});
}

TEST_F(AtomicFileTest, FailedWriteKeepsTheOldFile) {
    // A file size limit makes the write itself fail half way, also when running as root.
    const std::string path = At("Blue.rss");
    Put(path, "the previous skin");
    const Bytes big(64 * 1024, 0x42);
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool written = WriteFileAtomically(path, big, &error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Contents(path), FromText("the previous skin"));
    EXPECT_EQ(Listing(m_dir), std::set<std::string>{"Blue.rss"});
}

TEST_F(AtomicFileTest, UnwritableFolderKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind root";
    const std::string path = At("Blue.rss");
    Put(path, "the previous skin");
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(path, FromText("new"), &error));
    fs::permissions(m_dir, fs::perms::owner_all);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Contents(path), FromText("the previous skin"));
    EXPECT_EQ(Listing(m_dir), std::set<std::string>{"Blue.rss"});
}

TEST_F(AtomicFileTest, MissingFolderOrNameFails) {
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(At("missing/Blue.rss"), FromText("x"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(WriteFileAtomically("", FromText("x"), &error));
    EXPECT_FALSE(WriteFileAtomically(At("folder/"), FromText("x"), &error));
    EXPECT_TRUE(Listing(m_dir).empty());
}

// ---------------------------------------------------------------- reading

TEST_F(AtomicFileTest, ReadsWhatWasWritten) {
    std::mt19937 generator(9);
    Bytes data(3 * 1024 * 1024 + 17);
    for (auto& b : data) b = static_cast<uint8_t>(generator());
    ASSERT_TRUE(WriteFileAtomically(At("big.rss"), data));
    Bytes read = FromText("stale");
    ASSERT_EQ(ReadWholeFile(At("big.rss"), read, data.size()), ReadFileStatus::Ok);
    EXPECT_EQ(read, data);

    ASSERT_TRUE(WriteFileAtomically(At("empty.rss"), Bytes{}));
    ASSERT_EQ(ReadWholeFile(At("empty.rss"), read, 10), ReadFileStatus::Ok);
    EXPECT_TRUE(read.empty());
}

TEST_F(AtomicFileTest, FilesOverTheLimitAreRefusedUnread) {
    Put(m_dir / "small.rss", "0123456789");
    Bytes read = FromText("stale");
    std::string error;
    EXPECT_EQ(ReadWholeFile(At("small.rss"), read, 9, &error), ReadFileStatus::TooLarge);
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadWholeFile(At("small.rss"), read, 10), ReadFileStatus::Ok);

    // A sparse file just past the package limit: reading it first would take 2 GiB of memory.
    const uint64_t packageLimit = 2ull * 1024 * 1024 * 1024;
    const int fd = ::open(At("huge.rss").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(packageLimit + 1)), 0);
    ::close(fd);
    EXPECT_EQ(ReadWholeFile(At("huge.rss"), read, packageLimit, &error), ReadFileStatus::TooLarge);
    EXPECT_TRUE(read.empty());
}

TEST_F(AtomicFileTest, MissingFilesAndFoldersFailToRead) {
    Bytes read = FromText("stale");
    std::string error;
    EXPECT_EQ(ReadWholeFile(At("absent.rss"), read, 100, &error), ReadFileStatus::Failed);
    EXPECT_NE(error.find("absent.rss"), std::string::npos);
    EXPECT_TRUE(read.empty());
    fs::create_directory(m_dir / "folder.rss");
    EXPECT_EQ(ReadWholeFile(At("folder.rss"), read, 100, &error), ReadFileStatus::Failed);
}
