// SPDX-License-Identifier: MIT
#include "platform/RenameFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::TempDir;

TEST(RenameFile, MovesAFileToAFreeNameOrOntoItself) {
    const TempDir dir;
    const std::string from = dir.write("IMG_1.JPG", "picture");

    EXPECT_TRUE(renameFile(from, from));
    EXPECT_TRUE(renameFile(from, dir.file("img_1.jpg")));

    EXPECT_FALSE(std::filesystem::exists(from));
    EXPECT_EQ(dir.read("img_1.jpg"), "picture");
}

TEST(RenameFile, NeverReplacesAnotherFileOrLink) {
    const TempDir dir;
    const std::string from = dir.write("IMG_1.JPG", "picture");
    dir.write("kept.jpg", "another picture");
    std::filesystem::create_symlink("nowhere", dir.file("link.jpg"));

    for (const char* name : {"kept.jpg", "link.jpg"}) {
        const Status status = renameFile(from, dir.file(name));
        ASSERT_FALSE(status) << name;
        EXPECT_EQ(status.path(), dir.file(name));
        EXPECT_EQ(status.cause(), std::strerror(EEXIST));
    }
    EXPECT_EQ(dir.read("IMG_1.JPG"), "picture");
    EXPECT_EQ(dir.read("kept.jpg"), "another picture");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.jpg")));
}

TEST(RenameFile, ReportsAMissingSource) {
    const TempDir dir;
    const Status status = renameFile(dir.file("gone.jpg"), dir.file("new.jpg"));
    ASSERT_FALSE(status);
    EXPECT_EQ(status.path(), dir.file("gone.jpg"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("new.jpg")));
}

} // namespace
} // namespace vistrel
