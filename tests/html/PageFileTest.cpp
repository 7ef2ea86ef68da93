// SPDX-License-Identifier: MIT
#include "html/PageFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;

TEST(APageFile, ReplacesAnOldPageWholeWithTheModeOfANewFile) {
    const test::TempDir folder;
    const std::string path = folder.write("index.html", "old content that is longer");
    ::chmod(path.c_str(), 0600);
    const mode_t previous = ::umask(022);
    PageFile page(path);
    page.stream().print("<p>%s</p>\n", "new");
    const Status written = page.finish();
    ::umask(previous);

    ASSERT_TRUE(written) << written.cause();
    EXPECT_EQ(folder.read("index.html"), "<p>new</p>\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644U);
    EXPECT_EQ(test::namesIn(folder.path()), std::vector<std::string>{"index.html"});
}

TEST(APageFile, ReplacesALinkInThePagesPlaceAndLeavesItsTargetAlone) {
    const test::TempDir outside;
    const test::TempDir folder;
    const std::string target = outside.write("notes.txt", "the user's own file");
    fs::create_symlink(target, folder.file("photo.html"));

    PageFile page(folder.file("photo.html"));
    page.stream().print("page");
    ASSERT_TRUE(page.finish());

    EXPECT_FALSE(fs::is_symlink(folder.file("photo.html")));
    EXPECT_EQ(folder.read("photo.html"), "page");
    EXPECT_EQ(outside.read("notes.txt"), "the user's own file");
}

TEST(APageFile, NamesThePageAndTheSystemsReasonWhenItCannotBeWritten) {
    const test::TempDir folder;
    fs::create_directory(folder.file("catalog.html"));
    PageFile blocked(folder.file("catalog.html"));
    blocked.stream().print("index");
    const Status intoFolder = blocked.finish();
    EXPECT_FALSE(intoFolder);
    EXPECT_EQ(intoFolder.path(), folder.file("catalog.html"));
    EXPECT_EQ(intoFolder.cause(), "Is a directory");
    EXPECT_TRUE(fs::is_directory(folder.file("catalog.html")));

    const std::string longName = std::string(252, 'a') + ".html";
    PageFile tooLong(folder.file(longName));
    tooLong.stream().print("page");
    EXPECT_EQ(tooLong.finish().cause(), "File name too long");

    PageFile missing(folder.file("gone/index.html"));
    missing.stream().print("page");
    EXPECT_EQ(missing.finish().cause(), "No such file or directory");

    EXPECT_EQ(test::namesIn(folder.path()), std::vector<std::string>{"catalog.html"});
}

TEST(APageFile, TakesTheLongestNameTheFileSystemAllows) {
    const test::TempDir folder;
    const std::string name = std::string(250, 'b') + ".html";
    PageFile page(folder.file(name));
    page.stream().print("page");
    ASSERT_TRUE(page.finish());
    EXPECT_EQ(folder.read(name), "page");
}

TEST(APageFile, DroppedUnfinishedLeavesTheOldPageAsItWas) {
    const test::TempDir folder;
    folder.write("index.html", "the old index");
    {
        PageFile page(folder.file("index.html"));
        page.stream().print("half of a new ind");
    }
    EXPECT_EQ(folder.read("index.html"), "the old index");
    EXPECT_EQ(test::namesIn(folder.path()), std::vector<std::string>{"index.html"});
}

} // namespace
} // namespace vistrel
