// SPDX-License-Identifier: MIT
#include "platform/FileSystem.h"

#include <sys/time.h>
#include <unistd.h>

#include <array>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using Names = std::vector<std::string>;

std::vector<std::string> namesOf(const std::vector<DirEntry>& entries) {
    std::vector<std::string> names;
    for (const DirEntry& entry : entries) {
        names.push_back(entry.name);
    }
    return names;
}

const DirEntry* findEntry(const std::vector<DirEntry>& entries, const std::string& name) {
    for (const DirEntry& entry : entries) {
        if (entry.name == name) {
            return &entry;
        }
    }
    ADD_FAILURE() << name << " is not listed";
    return nullptr;
}

void setModificationTime(const std::string& path, std::time_t seconds) {
    // lutimes sets a link's own time, so a listing that did not follow links would show it.
    const std::array<timeval, 2> times = {{{seconds, 0}, {seconds, 0}}};
    ASSERT_EQ(::lutimes(path.c_str(), times.data()), 0) << path;
}

TEST(NtfsNameLess, ComparesAsciiUpperCasedThenRawBytes) {
    // Letters of either case sort together; the same name in both cases, upper case first.
    EXPECT_TRUE(ntfsNameLess("a.jpg", "B.jpg"));
    EXPECT_TRUE(ntfsNameLess("A.jpg", "a.jpg"));
    EXPECT_FALSE(ntfsNameLess("a.jpg", "A.jpg"));
    EXPECT_FALSE(ntfsNameLess("a.jpg", "a.jpg"));

    // Punctuation between the upper- and lower-case letters sorts after every letter.
    EXPECT_TRUE(ntfsNameLess("z.png", "_x.jpg"));
    EXPECT_TRUE(ntfsNameLess("Z.png", "[1].gif"));
    EXPECT_TRUE(ntfsNameLess("[1].gif", "_x.jpg"));
    EXPECT_TRUE(ntfsNameLess("0.jpg", "A.jpg"));

    // No number ordering, and a name sorts before its longer continuation.
    EXPECT_TRUE(ntfsNameLess("IMG10.jpg", "img2.jpg"));
    EXPECT_TRUE(ntfsNameLess("img", "img.jpg"));
    EXPECT_FALSE(ntfsNameLess("img.jpg", "img"));

    // Bytes of multi-byte UTF-8 compare unsigned, after ASCII, and are never case-folded:
    // "Ä" is C3 84 and "ä" C3 A4, so "Äc" comes first though "b" < "c".
    EXPECT_TRUE(ntfsNameLess("_x.jpg", "日本.jpg"));
    EXPECT_TRUE(ntfsNameLess("~", "é"));
    EXPECT_TRUE(ntfsNameLess("Äc", "äb"));
    EXPECT_FALSE(ntfsNameLess("äb", "Äc"));
}

TEST(ListDirectory, ListsNamesInNtfsOrder) {
    TempDir dir;
    for (const char* name : {"b.jpg", "A.jpg", "a.jpg", "_x.jpg", "Z.png", "日本.jpg", "[1].gif"}) {
        dir.write(name, "image");
    }

    EXPECT_EQ(namesOf(listDirectory(dir.path().string())),
              (Names{"A.jpg", "a.jpg", "b.jpg", "Z.png", "[1].gif", "_x.jpg", "日本.jpg"}));
}

TEST(ListDirectory, ReportsSizesTimesAndKindsOfTargets) {
    TempDir dir;
    const std::string photo = dir.write("photo.jpg", "12345");
    setModificationTime(photo, 1700000000);
    fs::create_directory(dir.path() / "album");
    fs::create_symlink("photo.jpg", dir.path() / "link-to-photo");
    fs::create_directory_symlink("album", dir.path() / "link-to-album");
    fs::create_symlink("no-such-target", dir.path() / "dangling");
    setModificationTime(dir.file("dangling"), 1600000000);

    const std::vector<DirEntry> entries = listDirectory(dir.path().string());
    EXPECT_EQ(namesOf(entries),
              (Names{"album", "dangling", "link-to-album", "link-to-photo", "photo.jpg"}));

    for (const char* name : {"photo.jpg", "link-to-photo"}) {
        SCOPED_TRACE(name);
        const DirEntry* entry = findEntry(entries, name);
        ASSERT_NE(entry, nullptr);
        EXPECT_TRUE(entry->isRegularFile);
        EXPECT_FALSE(entry->isDirectory);
        EXPECT_EQ(entry->size, 5U);
        EXPECT_EQ(entry->mtime, 1700000000);
    }
    for (const char* name : {"album", "link-to-album"}) {
        SCOPED_TRACE(name);
        const DirEntry* entry = findEntry(entries, name);
        ASSERT_NE(entry, nullptr);
        EXPECT_FALSE(entry->isRegularFile);
        EXPECT_TRUE(entry->isDirectory);
    }
    const DirEntry* dangling = findEntry(entries, "dangling");
    ASSERT_NE(dangling, nullptr);
    EXPECT_FALSE(dangling->isRegularFile);
    EXPECT_FALSE(dangling->isDirectory);
    EXPECT_EQ(dangling->size, 0U);
    EXPECT_EQ(dangling->mtime, 0);
}

TEST(ListDirectory, ListsAFifoAsNeitherFileNorFolderWithoutOpeningIt) {
    TempDir dir;
    dir.makeFifo("x.jpg");
    dir.write("y.jpg", "image");

    // Opening the FIFO would block for ever; the alarm ends the test run instead.
    ::alarm(10);
    const std::vector<DirEntry> entries = listDirectory(dir.path().string());
    ::alarm(0);

    ASSERT_EQ(namesOf(entries), (Names{"x.jpg", "y.jpg"}));
    EXPECT_FALSE(entries[0].isRegularFile);
    EXPECT_FALSE(entries[0].isDirectory);
    EXPECT_TRUE(entries[1].isRegularFile);
}

TEST(ListDirectory, GivesAnEmptyListForAnEmptyMissingOrNonFolderPath) {
    TempDir dir;
    const std::string file = dir.write("photo.jpg", "image");
    fs::create_directory(dir.path() / "empty");

    EXPECT_TRUE(listDirectory(dir.file("empty")).empty());
    EXPECT_TRUE(listDirectory(dir.file("missing")).empty());
    EXPECT_TRUE(listDirectory(file).empty());
}

} // namespace
} // namespace vistrel
