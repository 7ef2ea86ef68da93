// SPDX-License-Identifier: MIT
#include "platform/FileSystem.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <gtest/gtest.h>

#include "support/GioSandbox.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;
using test::GioSandbox;
using test::readBytes;
using test::TempDir;

TEST(DeleteFile, RemovesTheFileWithoutAsking) {
    TempDir dir;
    const std::string photo = dir.write("photo.jpg", "jpeg");
    dir.write("other.jpg", "jpeg");

    EXPECT_TRUE(deleteFile(photo).ok());
    EXPECT_FALSE(fs::exists(photo));
    EXPECT_TRUE(fs::exists(dir.file("other.jpg")));
}

TEST(DeleteFile, ReportsTheSystemsCauseOnFailure) {
    TempDir dir;
    const std::string missing = dir.file("missing.jpg");
    const Status gone = deleteFile(missing);
    EXPECT_FALSE(gone.ok());
    EXPECT_EQ(gone.path(), missing);
    EXPECT_EQ(gone.cause(), std::generic_category().message(ENOENT));

    dir.write("album/photo.jpg", "jpeg");
    const Status folder = deleteFile(dir.file("album"));
    EXPECT_FALSE(folder.ok());
    EXPECT_EQ(folder.cause(), std::generic_category().message(EISDIR));
    EXPECT_TRUE(fs::exists(dir.file("album/photo.jpg")));
}

// The Trash is the sandbox's (XDG_DATA_HOME/Trash), and the files to trash are made under the
// sandbox's home, so GIO uses that Trash rather than one at the top of another file system.
class TrashFile : public ::testing::Test {
protected:
    void SetUp() override {
        // Starts from an empty Trash, so repeated runs find no earlier files of the same names.
        std::error_code ignored;
        fs::remove_all(m_trash, ignored);
    }

    const fs::path m_trash = GioSandbox::dataHome() / "Trash";
    const TempDir m_dir{GioSandbox::home()};
};

TEST_F(TrashFile, MovesFilesIntoTheUsersTrashWithTheirContent) {
    for (const std::string name : {"photo.jpg", "写真 1.jpg"}) {
        SCOPED_TRACE(name);
        const std::string original = m_dir.write(name, "content of " + name);

        const Status trashed = trashFile(original);
        ASSERT_TRUE(trashed.ok()) << trashed.cause();

        EXPECT_FALSE(fs::exists(original));
        EXPECT_EQ(readBytes(m_trash / "files" / name), "content of " + name);
        EXPECT_TRUE(fs::is_regular_file(m_trash / "info" / (name + ".trashinfo")));
    }
}

TEST_F(TrashFile, RecordsWhereTheFileCameFrom) {
    const std::string original = m_dir.write("photo.jpg", "jpeg");
    ASSERT_TRUE(trashFile(original).ok());

    const std::string info = readBytes(m_trash / "info" / "photo.jpg.trashinfo");
    EXPECT_EQ(info.rfind("[Trash Info]\n", 0), 0U) << info;
    EXPECT_NE(info.find("\nPath=" + original + "\n"), std::string::npos) << info;
    EXPECT_NE(info.find("\nDeletionDate="), std::string::npos) << info;
}

TEST_F(TrashFile, MovesAWholeFolder) {
    m_dir.write("album/photo.jpg", "jpeg");
    ASSERT_TRUE(trashFile(m_dir.file("album")).ok());

    EXPECT_FALSE(fs::exists(m_dir.file("album")));
    EXPECT_EQ(readBytes(m_trash / "files" / "album" / "photo.jpg"), "jpeg");
    EXPECT_TRUE(fs::is_regular_file(m_trash / "info" / "album.trashinfo"));
}

TEST_F(TrashFile, ReportsWhyAFileCouldNotBeTrashed) {
    const std::string missing = m_dir.file("missing.jpg");
    const Status trashed = trashFile(missing);

    EXPECT_FALSE(trashed.ok());
    EXPECT_EQ(trashed.path(), missing);
    EXPECT_FALSE(trashed.cause().empty());
    EXPECT_FALSE(fs::exists(m_trash / "files" / "missing.jpg"));
}

} // namespace
} // namespace vistrel
