#include "Resource/StagingFolder.h"
#include "TempFolderTest.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vd;
namespace fs = std::filesystem;

namespace {

std::string Contents(const fs::path& path) { return filetest::ReadText(path); }
using filetest::Listing;
using filetest::Put;

bool AddText(StagingFolder& folder, std::string_view relative, std::string_view text, std::string* error = nullptr) {
    return folder.AddFile(relative, reinterpret_cast<const uint8_t*>(text.data()), text.size(), error);
}

using StagingFolderTest = filetest::TempFolderTest;

}  // namespace

TEST_F(StagingFolderTest, DestinationAppearsOnlyWhenComplete) {
    StagingFolder folder;
    std::string error;
    ASSERT_TRUE(folder.Begin(At("out"), &error)) << error;
    ASSERT_TRUE(AddText(folder, "config.ini", "[Frames]\r\n", &error)) << error;
    ASSERT_TRUE(folder.AddFolder("pictures", &error)) << error;
    ASSERT_TRUE(AddText(folder, "pictures/a.bmp", "BM", &error)) << error;
    // Until the commit only a hidden folder beside the destination exists.
    EXPECT_FALSE(fs::exists(m_dir / "out"));
    const std::set<std::string> during = Listing(m_dir);
    ASSERT_EQ(during.size(), 1u);
    EXPECT_EQ(during.begin()->front(), '.');
    EXPECT_EQ(fs::path(folder.StagingPath()).parent_path(), m_dir);

    ASSERT_TRUE(folder.Commit(&error)) << error;
    EXPECT_EQ(Listing(m_dir), std::set<std::string>{"out"});
    EXPECT_EQ(Listing(m_dir / "out"), (std::set<std::string>{"config.ini", "pictures"}));
    EXPECT_EQ(Contents(m_dir / "out" / "config.ini"), "[Frames]\r\n");
    EXPECT_EQ(Contents(m_dir / "out" / "pictures" / "a.bmp"), "BM");
}

TEST_F(StagingFolderTest, NewFolderGetsTheUmaskModeAndMissingParentsAreMade) {
    const mode_t previous = ::umask(027);
    StagingFolder folder;
    const bool begun = folder.Begin(At("a/b/out/"));  // a trailing slash names the same folder
    const bool committed = begun && AddText(folder, "x.ini", "x") && folder.Commit();
    ::umask(previous);
    ASSERT_TRUE(committed);
    struct stat st {};
    ASSERT_EQ(::stat(At("a/b/out").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0750u);
    EXPECT_EQ(Contents(m_dir / "a" / "b" / "out" / "x.ini"), "x");
    EXPECT_EQ(Listing(m_dir / "a" / "b"), std::set<std::string>{"out"});
}

TEST_F(StagingFolderTest, EmptyFolderIsReplacedKeepingItsMode) {
    fs::create_directory(m_dir / "out");
    ASSERT_EQ(::chmod(At("out").c_str(), 0710), 0);
    StagingFolder folder;
    std::string error;
    ASSERT_TRUE(folder.Begin(At("out"), &error)) << error;
    ASSERT_TRUE(AddText(folder, "config.ini", "text"));
    ASSERT_TRUE(folder.Commit(&error)) << error;
    struct stat st {};
    ASSERT_EQ(::stat(At("out").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0710u);
    EXPECT_EQ(Contents(m_dir / "out" / "config.ini"), "text");
    EXPECT_EQ(Listing(m_dir), std::set<std::string>{"out"});
}

TEST_F(StagingFolderTest, DestinationsThatAreNotNewOrEmptyFoldersAreRefused) {
    fs::create_directory(m_dir / "full");
    Put(m_dir / "full" / "keep.txt", "keep");
    Put(m_dir / "file", "a file");
    fs::create_directory(m_dir / "elsewhere");
    fs::create_symlink(m_dir / "elsewhere", m_dir / "link");
    fs::create_symlink(m_dir / "nowhere", m_dir / "dangling");
    const std::set<std::string> before = Listing(m_dir);
    struct Case {
        const char* name;
        const char* says;
    };
    for (const Case& c : {Case{"full", "not empty"}, Case{"file", "not a folder"}, Case{"link", "symbolic link"},
                          Case{"link/", "symbolic link"}, Case{"dangling", "symbolic link"}, Case{".", ""},
                          Case{"..", ""}}) {
        StagingFolder folder;
        std::string error;
        EXPECT_FALSE(folder.Begin(At(c.name), &error)) << c.name;
        EXPECT_NE(error.find(c.says), std::string::npos) << c.name << ": " << error;
        EXPECT_FALSE(AddText(folder, "config.ini", "x")) << "a refused folder takes no files";
        EXPECT_FALSE(folder.Commit());
    }
    EXPECT_EQ(Listing(m_dir), before);
    EXPECT_EQ(Contents(m_dir / "full" / "keep.txt"), "keep");
    EXPECT_TRUE(fs::is_empty(m_dir / "elsewhere"));
    EXPECT_FALSE(fs::exists(m_dir / "nowhere"));
}

TEST_F(StagingFolderTest, NamesThatLeaveTheFolderOrRepeatAreRefused) {
    StagingFolder folder;
    ASSERT_TRUE(folder.Begin(At("out")));
    ASSERT_TRUE(folder.AddFolder("pictures"));
    const std::string outside = At("escaped");
    for (const std::string& name : {std::string("../escaped"), std::string("pictures/../../escaped"), outside,
                                   std::string(""), std::string("."), std::string("pictures//a.bmp"),
                                   std::string("pictures/"), std::string("a\0b", 3)}) {
        std::string error;
        EXPECT_FALSE(AddText(folder, name, "x", &error)) << name;
        EXPECT_FALSE(folder.AddFolder(name)) << name;
    }
    std::string error;
    ASSERT_TRUE(AddText(folder, "pictures/a.bmp", "first"));
    EXPECT_FALSE(AddText(folder, "pictures/a.bmp", "second", &error));
    EXPECT_NE(error.find(At("out") + "/pictures/a.bmp"), std::string::npos) << "errors name the destination: " << error;
    EXPECT_FALSE(folder.AddFolder("pictures"));
    ASSERT_TRUE(folder.Commit());
    EXPECT_EQ(Contents(m_dir / "out" / "pictures" / "a.bmp"), "first");
    EXPECT_EQ(Listing(m_dir), std::set<std::string>{"out"});
}

TEST_F(StagingFolderTest, FailuresAndAbandonedFoldersLeaveNothing) {
    {
        StagingFolder folder;
        ASSERT_TRUE(folder.Begin(At("out")));
        ASSERT_TRUE(AddText(folder, "config.ini", "x"));
    }  // destroyed without a commit
    EXPECT_TRUE(Listing(m_dir).empty());

    // A file size limit makes a write fail half way, as a full disk would (also for root).
    const std::string big(64 * 1024, 'B');
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    StagingFolder folder;
    ASSERT_TRUE(folder.Begin(At("out")));
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool written = AddText(folder, "pictures.bmp", big, &error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_NE(error.find(At("out") + "/pictures.bmp"), std::string::npos) << error;
    folder.Abandon();
    EXPECT_TRUE(Listing(m_dir).empty());
}

TEST_F(StagingFolderTest, DestinationMadeMeanwhileIsNotReplaced) {
    for (const bool filled : {false, true}) {
        StagingFolder folder;
        ASSERT_TRUE(folder.Begin(At("out")));
        ASSERT_TRUE(AddText(folder, "config.ini", "ours"));
        fs::create_directory(m_dir / "out");
        if (filled) Put(m_dir / "out" / "theirs.txt", "theirs");
        std::string error;
        EXPECT_FALSE(folder.Commit(&error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(Listing(m_dir), std::set<std::string>{"out"});
        EXPECT_EQ(Listing(m_dir / "out"), filled ? std::set<std::string>{"theirs.txt"} : std::set<std::string>{});
        fs::remove_all(m_dir / "out");
    }
    // An empty folder that gets filled before the commit is not replaced either.
    fs::create_directory(m_dir / "out");
    StagingFolder folder;
    ASSERT_TRUE(folder.Begin(At("out")));
    Put(m_dir / "out" / "theirs.txt", "theirs");
    EXPECT_FALSE(folder.Commit());
    EXPECT_EQ(Listing(m_dir / "out"), std::set<std::string>{"theirs.txt"});
    EXPECT_EQ(Listing(m_dir), std::set<std::string>{"out"});
}
