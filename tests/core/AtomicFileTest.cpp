#include "Resource/AtomicFile.h"
#include "TempFolderTest.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ios>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace vd;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes FromText(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes Contents(const fs::path& path) { return filetest::ReadBytes(path); }
using filetest::Listing;
using filetest::Put;

using AtomicFileTest = filetest::TempFolderTest;

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
    // A non-empty folder where the file should go: refused, and nothing of the attempt is left.
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

TEST_F(AtomicFileTest, OnlyRegularFilesAreReplaced) {
    // Renaming over any of these would swap the special thing for a plain file.
    fs::create_directory(m_dir / "folder.rss");
    ASSERT_EQ(::mkfifo(At("pipe.rss").c_str(), 0644), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(sock, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const std::string socketPath = At("socket.rss");
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const bool device = ::mknod(At("device.rss").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;

    struct Case {
        const char* name;
        const char* says;
    };
    std::vector<Case> cases = {{"folder.rss", "folder"}, {"pipe.rss", "FIFO"}, {"socket.rss", "socket"}};
    if (device) cases.push_back({"device.rss", "device"});  // making device nodes needs privileges
    const std::set<std::string> before = Listing(m_dir);
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(WriteFileAtomically(At(c.name), FromText("skin"), &error)) << c.name;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_NE(error.find(c.name), std::string::npos) << error;
        // A link to one of them is refused alike.
        fs::create_symlink(m_dir / c.name, m_dir / (std::string("link-") + c.name));
        EXPECT_FALSE(WriteFileAtomically(At(std::string("link-") + c.name), FromText("skin"))) << c.name;
        fs::remove(m_dir / (std::string("link-") + c.name));
    }
    ::close(sock);
    EXPECT_EQ(Listing(m_dir), before);
    EXPECT_TRUE(fs::is_directory(m_dir / "folder.rss"));
    EXPECT_TRUE(fs::is_fifo(m_dir / "pipe.rss"));
    EXPECT_TRUE(fs::is_socket(m_dir / "socket.rss"));
    if (device) {
        EXPECT_TRUE(fs::is_character_file(m_dir / "device.rss"));
    }
}

TEST_F(AtomicFileTest, ReadOnlyFilesAreKept) {
    // Without any write bit the file is refused even for root, whom permissions do not stop.
    for (const mode_t mode : {0444u, 0400u, 0555u}) {
        const std::string path = At("locked.rss");
        Put(path, "the author's skin");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        std::string error;
        EXPECT_FALSE(WriteFileAtomically(path, FromText("new"), &error)) << std::oct << mode;
        EXPECT_NE(error.find("read-only"), std::string::npos) << error;
        EXPECT_EQ(Contents(path), FromText("the author's skin"));
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode);
        EXPECT_EQ(Listing(m_dir), std::set<std::string>{"locked.rss"});
        fs::remove(path);
    }
}

TEST_F(AtomicFileTest, ReplacedFilesKeepTheirPermissionBits) {
    // Under umask 022 a new file would be 0644: each case differs from that.
    const mode_t previous = ::umask(022);
    for (const mode_t mode : {0600u, 0640u, 0666u, 0751u, 0604u}) {
        const std::string path = At("skin.rss");
        Put(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        std::string error;
        EXPECT_TRUE(WriteFileAtomically(path, FromText("new"), &error)) << error;
        EXPECT_EQ(Contents(path), FromText("new"));
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode) << std::oct << mode;
        fs::remove(path);
    }
    // Through a link the target's bits are kept.
    fs::create_directory(m_dir / "real");
    Put(m_dir / "real" / "skin.rss", "old");
    ASSERT_EQ(::chmod((m_dir / "real" / "skin.rss").c_str(), 0600), 0);
    fs::create_symlink(m_dir / "real" / "skin.rss", m_dir / "link.rss");
    EXPECT_TRUE(WriteFileAtomically(At("link.rss"), FromText("new")));
    ::umask(previous);
    struct stat st {};
    ASSERT_EQ(::stat((m_dir / "real" / "skin.rss").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
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

TEST_F(AtomicFileTest, FileWithinTheLimitButBeyondMemoryIsOutOfMemory) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs an unlimited address space";
#else
    // A sparse file of 1 GiB under a limit of 2 GiB, read with 256 MiB of address space to spare.
    const int fd = ::open(At("big.rss").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, off_t(1) << 30), 0);
    ::close(fd);
    std::ifstream status("/proc/self/status");
    std::string line;
    unsigned long long usedKiB = 0;
    while (std::getline(status, line))
        if (line.rfind("VmSize:", 0) == 0) usedKiB = std::stoull(line.substr(7));
    ASSERT_GT(usedKiB, 0u);
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_AS, &saved), 0);
    struct rlimit tight = saved;
    tight.rlim_cur = (usedKiB << 10) + (256ull << 20);
    ASSERT_EQ(::setrlimit(RLIMIT_AS, &tight), 0);
    Bytes read;
    std::string error;
    const ReadFileStatus status2 = ReadWholeFile(At("big.rss"), read, 2ull << 30, &error);
    ::setrlimit(RLIMIT_AS, &saved);
    EXPECT_EQ(status2, ReadFileStatus::OutOfMemory);
    EXPECT_NE(error.find("memory"), std::string::npos) << error;
    EXPECT_TRUE(read.empty());
#endif
}

TEST_F(AtomicFileTest, MissingFilesAndFoldersFailToRead) {
    Bytes read = FromText("stale");
    std::string error;
    EXPECT_EQ(ReadWholeFile(At("absent.rss"), read, 100, &error), ReadFileStatus::Failed);
    EXPECT_NE(error.find("absent.rss"), std::string::npos);
    EXPECT_TRUE(read.empty());
    fs::create_directory(m_dir / "folder.rss");
    EXPECT_EQ(ReadWholeFile(At("folder.rss"), read, 100, &error), ReadFileStatus::Failed);
    // A FIFO without a writer is refused at once instead of waiting for one.
    ASSERT_EQ(::mkfifo(At("pipe.rss").c_str(), 0644), 0);
    EXPECT_EQ(ReadWholeFile(At("pipe.rss"), read, 100, &error), ReadFileStatus::Failed);
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
}
