// SPDX-License-Identifier: MIT
#include "platform/FileSystem.h"

#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

TEST(FileExists, PlainPathFindsAnyKindOfEntry) {
    TempDir dir;
    dir.write("photo.jpg", "jpeg");
    fs::create_directory(dir.path() / "album");
    fs::create_symlink("no-such-target", dir.path() / "dangling");

    EXPECT_TRUE(FileExists(dir.file("photo.jpg")));
    EXPECT_TRUE(FileExists(dir.file("album")));
    EXPECT_TRUE(FileExists(dir.path().string()));
    EXPECT_TRUE(FileExists(dir.file("dangling")));

    EXPECT_FALSE(FileExists(dir.file("Photo.jpg")));
    EXPECT_FALSE(FileExists(dir.file("photo.jpeg")));
    EXPECT_FALSE(FileExists(dir.file("photo.jpg/inside")));
    EXPECT_FALSE(FileExists(dir.file("missing/photo.jpg")));
    EXPECT_FALSE(FileExists(""));
}

TEST(FileExists, AnyNameSearchIsTrueForEveryExistingFolder) {
    TempDir dir;
    fs::create_directory(dir.path() / "empty");
    dir.write("no-extension/README", "text");
    dir.write("dot-file-only/.hidden", "text");
    dir.write("photo.jpg", "jpeg");

    EXPECT_TRUE(FileExists(dir.file("empty/*.*")));
    EXPECT_TRUE(FileExists(dir.file("no-extension/*.*")));
    EXPECT_TRUE(FileExists(dir.file("dot-file-only/*.*")));
    EXPECT_TRUE(FileExists(dir.file("*.*")));
    EXPECT_TRUE(FileExists("/*.*"));

    EXPECT_FALSE(FileExists(dir.file("missing/*.*")));
    EXPECT_FALSE(FileExists(dir.file("photo.jpg/*.*")));
}

TEST(FileExists, PrefixSearchFindsNamesBeginningWithThePrefix) {
    TempDir dir;
    dir.write("sub01.jpg", "jpeg");
    dir.write("subject", "no extension");
    dir.write(".thumbs", "dot file");
    dir.write("1.gif", "gif");
    dir.write("日本語.jpg", "jpeg");

    EXPECT_TRUE(FileExists(dir.file("sub*.*")));
    EXPECT_TRUE(FileExists(dir.file("sub01*.*")));
    EXPECT_TRUE(FileExists(dir.file("subject*.*")));
    EXPECT_TRUE(FileExists(dir.file(".thumbs*.*")));
    EXPECT_TRUE(FileExists(dir.file(".th*")));
    EXPECT_TRUE(FileExists(dir.file("日本*.*")));
    EXPECT_FALSE(FileExists(dir.file("sub02*.*")));
    EXPECT_FALSE(FileExists(dir.file("Sub*.*")));
    EXPECT_FALSE(FileExists(dir.file("thumbs*.*")));
    EXPECT_FALSE(FileExists(dir.file("日本人*.*")));
}

TEST(FileExists, WildCardsMatchWholeNamesAndOnlyStarAndQuestionMarkAreWild) {
    TempDir dir;
    dir.write("sub01.jpg", "jpeg");
    dir.write("1.gif", "gif");
    dir.write("日本語.jpg", "jpeg");

    EXPECT_TRUE(FileExists(dir.file("*.jpg")));
    EXPECT_TRUE(FileExists(dir.file("sub0?.jpg")));
    EXPECT_TRUE(FileExists(dir.file("*01.*")));
    EXPECT_FALSE(FileExists(dir.file("*.png")));
    EXPECT_FALSE(FileExists(dir.file("sub0?.jp")));
    EXPECT_FALSE(FileExists(dir.file("sub?.jpg")));

    // "?" stands for one character of a Japanese name, not one byte of it.
    EXPECT_TRUE(FileExists(dir.file("???.jpg")));
    EXPECT_TRUE(FileExists(dir.file("日?語.jpg")));
    EXPECT_TRUE(FileExists(dir.file("*?語.jpg")));
    EXPECT_FALSE(FileExists(dir.file("????.jpg")));
    EXPECT_FALSE(FileExists(dir.file("??.jpg")));

    // "[1]" is a literal part of a name such as "[1].gif", not a set of characters.
    EXPECT_FALSE(FileExists(dir.file("[1]*.*")));
    dir.write("[1].gif", "gif");
    EXPECT_TRUE(FileExists(dir.file("[1]*.*")));
}

TEST(FileExists, NeverOpensAFifo) {
    TempDir dir;
    const std::string fifo = dir.makeFifo("x.jpg");
    // Opening the FIFO would block for ever; the alarm ends the test run instead.
    ::alarm(10);
    EXPECT_TRUE(FileExists(fifo));
    EXPECT_TRUE(FileExists(dir.file("x*.*")));
    EXPECT_TRUE(FileExists(dir.file("*.jpg")));
    ::alarm(0);
}

} // namespace
} // namespace vistrel
