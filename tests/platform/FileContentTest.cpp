// SPDX-License-Identifier: MIT
#include "platform/FileContent.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::namesIn;
using test::TempDir;
namespace fs = std::filesystem;

unsigned permissionsOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777U;
}

TEST(WritingAFileAtomically, KeepsThePermissionsOfTheFileItReplaces) {
    TempDir dir;
    dir.write("private.ini", "old");
    ASSERT_EQ(::chmod(dir.file("private.ini").c_str(), 0600), 0);
    ASSERT_TRUE(writeFileAtomically(dir.file("private.ini"), "new"));
    EXPECT_EQ(permissionsOf(dir.file("private.ini")), 0600U);
    EXPECT_EQ(dir.read("private.ini"), "new");

    ASSERT_EQ(::chmod(dir.file("private.ini").c_str(), 0640), 0);
    ASSERT_TRUE(writeFileAtomically(dir.file("private.ini"), "newer"));
    EXPECT_EQ(permissionsOf(dir.file("private.ini")), 0640U);
}

TEST(WritingAFileAtomically, GivesANewFileTheModeLessTheUmask) {
    TempDir dir;
    const mode_t previous = ::umask(027);
    const Status status = writeFileAtomically(dir.file("sub/new.ini"), "x");
    ::umask(previous);
    ASSERT_TRUE(status);
    EXPECT_EQ(permissionsOf(dir.file("sub/new.ini")), 0640U);
}

TEST(WritingAFileAtomically, ReplacesTheFileALinkLeadsToAndKeepsTheLink) {
    TempDir dir;
    dir.write("real/settings.ini", "old");
    ASSERT_EQ(::chmod(dir.file("real/settings.ini").c_str(), 0600), 0);
    fs::create_directories(dir.file("links"));
    fs::create_symlink("../real/settings.ini", dir.file("links/one.ini"));
    fs::create_symlink("one.ini", dir.file("links/two.ini"));

    ASSERT_TRUE(writeFileAtomically(dir.file("links/two.ini"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.file("links/two.ini")));
    EXPECT_EQ(fs::read_symlink(dir.file("links/two.ini")), "one.ini");
    EXPECT_EQ(fs::read_symlink(dir.file("links/one.ini")), "../real/settings.ini");
    EXPECT_EQ(dir.read("real/settings.ini"), "new");
    EXPECT_EQ(permissionsOf(dir.file("real/settings.ini")), 0600U);
    EXPECT_EQ(namesIn(dir.file("links")), (std::vector<std::string>{"one.ini", "two.ini"}));
    EXPECT_EQ(namesIn(dir.file("real")), std::vector<std::string>{"settings.ini"});
}

TEST(WritingAFileAtomically, CreatesTheFileABrokenLinkNamesAndRefusesALoop) {
    TempDir dir;
    fs::create_symlink(dir.file("made/target.ini"), dir.file("broken.ini"));
    ASSERT_TRUE(writeFileAtomically(dir.file("broken.ini"), "x"));
    EXPECT_TRUE(fs::is_symlink(dir.file("broken.ini")));
    EXPECT_EQ(dir.read("made/target.ini"), "x");

    fs::create_symlink("b.ini", dir.file("a.ini"));
    fs::create_symlink("a.ini", dir.file("b.ini"));
    const Status status = writeFileAtomically(dir.file("a.ini"), "x");
    EXPECT_FALSE(status);
    EXPECT_EQ(status.path(), dir.file("a.ini"));
    EXPECT_EQ(status.cause(), std::strerror(ELOOP));
    EXPECT_EQ(fs::read_symlink(dir.file("a.ini")), "b.ini");
}

TEST(WritingAFileAtomically, LeavesTheOldFileAndNoTemporaryFileWhenAWriteFails) {
    TempDir dir;
    dir.write("v.ini", "old");
    // A file size limit of one byte makes the write fail (EFBIG) for root as for anyone.
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 1;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status status = writeFileAtomically(dir.file("v.ini"), "new content");
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.cause(), std::strerror(EFBIG));
    EXPECT_EQ(dir.read("v.ini"), "old");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"v.ini"});
}

TEST(WritingAFileAtomically, LeavesTheOldFileAndNoTemporaryFileWhenTheFolderIsReadOnly) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write into read-only folders";
    }
    TempDir dir;
    dir.write("locked/v.ini", "old");
    fs::create_symlink("locked/v.ini", dir.file("link.ini"));
    ASSERT_EQ(::chmod(dir.file("locked").c_str(), 0555), 0);
    const Status direct = writeFileAtomically(dir.file("locked/v.ini"), "new");
    const Status linked = writeFileAtomically(dir.file("link.ini"), "new");
    ::chmod(dir.file("locked").c_str(), 0755);
    EXPECT_FALSE(direct);
    EXPECT_EQ(linked.path(), dir.file("link.ini"));
    EXPECT_FALSE(linked);
    EXPECT_EQ(dir.read("locked/v.ini"), "old");
    EXPECT_EQ(namesIn(dir.file("locked")), std::vector<std::string>{"v.ini"});
}

} // namespace
} // namespace vistrel
