// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "imaging/ImageLibrary.h"
#include "support/ProcessRunner.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::runProcess;
using test::TempDir;

const std::string kCli = VISTREL_CLI_PATH;

// Sets a file's modification time so that its date text is known under TZ=UTC.
void setTime(const std::string& path, std::time_t seconds) {
    const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// A 3 x 2 PNG of two colours.
void writeTwoColourPng(const std::string& path) {
    auto image = Image::create(3, 2);
    ASSERT_NE(image, nullptr);
    auto pixels = image->pixels();
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        pixels[i] = i < 9 ? 255 : 0;
    }
    ASSERT_TRUE(SavePngImage(path, *image));
}

TEST(VistrelCliList, PrintsTheRowsOfAScanAndTheCountLabel) {
    TempDir dir;
    dir.write("photos/b.jpeg", std::string(2048, 'x'));
    dir.write("photos/A.JPG", "x");
    dir.write("photos/c.png", "x");
    dir.write("photos/d.txt", "x");
    ::mkdir(dir.file("photos/sub.jpg").c_str(), 0755);
    for (const char* name : {"b.jpeg", "A.JPG", "c.png", "d.txt"}) {
        setTime(dir.file(std::string("photos/") + name), 1118571072); // 2005/06/12 10:11:12 UTC
    }
    const std::map<std::string, std::string> utc = {{"TZ", "UTC"}};
    auto result = runProcess(
        kCli, {"list", "--ini", dir.file("v.ini"), "--set", "ImageMode=1", dir.file("photos")},
        utc);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "[x]\tA.JPG\t0 KB\t2005/06/12 10:11:12\t1\n"
                          "[x]\tb.jpeg\t2 KB\t2005/06/12 10:11:12\t1\n"
                          "（総数 ： 2　選択数 : 2）\n");

    result = runProcess(kCli,
                        {"list", "--ini", dir.file("v.ini"), "--set", "ImageMode=8", "--set",
                         "Select=0", dir.file("photos")},
                        utc);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "[ ]\tA.JPG\t0 KB\t2005/06/12 10:11:12\t1\n"
                          "[ ]\tb.jpeg\t2 KB\t2005/06/12 10:11:12\t1\n"
                          "[ ]\tc.png\t0 KB\t2005/06/12 10:11:12\t2\n"
                          "[ ]\td.txt\t0 KB\t2005/06/12 10:11:12\t0\n"
                          "（総数 ： 4　選択数 : 0）\n");
}

TEST(VistrelCliList, ScansImagePathAsTheFolderBoxTakesIt) {
    TempDir dir;
    dir.write("photos/x.gif", "x");
    dir.write("photos2024.png", "x");
    auto result = runProcess(
        kCli, {"list", "--ini", dir.file("v.ini"), "--set", "ImagePath=" + dir.file("photos")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // Without the final "/" the folder text is a prefix of names in its parent folder.
    EXPECT_EQ(result.out.substr(0, 20), "[x]\tphotos2024.png\t0");
    EXPECT_NE(result.out.find("（総数 ： 1　選択数 : 1）\n"), std::string::npos);

    result = runProcess(
        kCli, {"list", "--ini", dir.file("v.ini"), "--set", "ImagePath=" + dir.file("nowhere/")});
    EXPECT_EQ(result.out, "（総数 ： 0　選択数 : 0）\n");
}

TEST(VistrelCliList, WritesControlCharactersBackslashesAndBytesThatAreNoUtf8InNamesAsEscapes) {
    TempDir dir;
    // TAB, LF and CR would split the row; ESC starts a terminal sequence, as does U+009B (CSI)
    // and, on a terminal of 8-bit controls, the lone byte 0x9B; a backslash would make "\t"
    // ambiguous. A name in Japanese stays as it is.
    const std::string names[] = {"a\tb.gif",
                                 "c\nd.gif",
                                 "e\rf.gif",
                                 "\x1B[31mred.gif",
                                 "g\\t.gif",
                                 "h\xC2\x9B"
                                 "2J.gif",
                                 "i\x9B.gif",
                                 "写真.gif"};
    for (const std::string& name : names) {
        dir.write("photos/" + name, "x");
        setTime(dir.file("photos/" + name), 1118571072); // 2005/06/12 10:11:12 UTC
    }
    const auto result = runProcess(
        kCli, {"list", "--ini", dir.file("v.ini"), "--set", "ImageMode=4", dir.file("photos")},
        {{"TZ", "UTC"}});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.find('\x1B'), std::string::npos);
    // Rows in the listing's order: letters compared as capitals, ESC first.
    const std::string rest = "\t0 KB\t2005/06/12 10:11:12\t4\n";
    std::string expected;
    for (const char* shown : {"\\x1B[31mred.gif", "a\\tb.gif", "c\\nd.gif", "e\\rf.gif",
                              "g\\\\t.gif", "h\\xC2\\x9B2J.gif", "i\\x9B.gif", "写真.gif"}) {
        expected += "[x]\t" + std::string(shown) + rest;
    }
    EXPECT_EQ(result.out, expected + "（総数 ： 8　選択数 : 8）\n");
}

TEST(VistrelCliInfo, PrintsTheResolutionAndColourTexts) {
    TempDir dir;
    writeTwoColourPng(dir.file("two.png"));
    dir.write("notes.txt", "x");
    dir.write("broken.jpg", "not a jpeg");

    auto result = runProcess(kCli, {"info", dir.file("two.png")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "resolution\t3 x 2　Pixel\ncolours\t2　色\n");

    result = runProcess(kCli, {"info", dir.file("notes.txt")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "resolution\t \ncolours\t\n");

    result = runProcess(kCli, {"info", dir.file("broken.jpg")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "[エラー] broken.jpg: 画像ファイルから DIB ハンドルを取得するのに失敗しました\n");

    result = runProcess(kCli, {"info"});
    EXPECT_EQ(result.exitCode, 2);
}

} // namespace
} // namespace vistrel
