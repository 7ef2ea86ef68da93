// SPDX-License-Identifier: MIT
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "cli/CliFixtures.h"
#include "support/ProcessRunner.h"
#include "support/TempDir.h"
#include "text/Encoding.h"

namespace vistrel {
namespace {

using test::kCli;
using test::makeSource;
using test::runProcess;
using test::TempDir;
using test::writePng;

constexpr const char* kDoneLine =
    "[完了メッセージ] HTML ファイルの出力が完了しました。今すぐ表示しますか？";

bool exists(const std::string& path) {
    return std::filesystem::exists(path);
}

// Thumbnails, and the private folders the run writes them into before they are placed.
std::vector<std::string> thumbnailsIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder)) {
        const std::string name = item.path().filename().string();
        if (name.find("_thumb") != std::string::npos || name.starts_with(".vistrel")) {
            names.push_back(name);
        }
    }
    return names;
}

TEST(VistrelCliCreate, WritesThePlainIndexItsPagesThumbnailsAndImageCopies) {
    TempDir dir;
    const std::string source = makeSource(dir, 3);
    const auto result = runProcess(kCli, {"create", "--ini", dir.file("v.ini"), "--source", source,
                                          "--output", dir.file("site"), "--yes"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, dir.file("site/catalog.html") + "\n");
    for (const char* name :
         {"catalog.html", "p000.html", "p002.html", "image/p001.png", "image/p001_thumb.png"}) {
        EXPECT_TRUE(exists(dir.file(std::string("site/") + name))) << name;
    }
    // --yes answers the folder question, but the completion question opens the browser only
    // with --view.
    EXPECT_NE(result.err.find("[フォルダチェック]"), std::string::npos);
    EXPECT_NE(result.err.find(kDoneLine), std::string::npos);
    EXPECT_FALSE(exists(dir.file("v.ini")));
}

TEST(VistrelCliCreate, CreatesAMissingOutputFolderTwoLevelsDeepOnlyOnYes) {
    TempDir dir;
    const std::string source = makeSource(dir, 1);
    auto result = runProcess(kCli, {"create", "--ini", dir.file("v.ini"), "--source", source,
                                    "--output", dir.file("a/b"), "--no"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_FALSE(exists(dir.file("a")));
    EXPECT_EQ(result.out, "");

    result = runProcess(kCli, {"create", "--ini", dir.file("v.ini"), "--source", source, "--output",
                               dir.file("a/b"), "--yes", "--quiet"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(exists(dir.file("a/b/image/p000.png")));
    EXPECT_TRUE(exists(dir.file("a/b/catalog.html")));
}

TEST(VistrelCliCreate, KeepsAnExistingIndexWhenOverwritingIsRefused) {
    TempDir dir;
    const std::string source = makeSource(dir, 2);
    dir.write("site/image/keep.txt", "x");
    dir.write("site/catalog.html", "mine");
    const auto result = runProcess(kCli, {"create", "--ini", dir.file("v.ini"), "--source", source,
                                          "--output", dir.file("site"), "--no"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("[ファイルの上書き確認] catalog.html ファイルは既に存在します。"),
              std::string::npos);
    EXPECT_NE(result.err.find("[メッセージ] 出力 HTML ファイルの名前を変更してやり直して下さい。"),
              std::string::npos);
    EXPECT_EQ(dir.read("site/catalog.html"), "mine");
    EXPECT_FALSE(exists(dir.file("site/p000.html")));
    // The thumbnails were begun during the copy, before the question; none is left.
    EXPECT_EQ(thumbnailsIn(dir.file("site/image")), std::vector<std::string>{});
}

TEST(VistrelCliCreate, StopsAtACopyThatFailsWithoutThumbnails) {
    TempDir dir;
    const std::string source = makeSource(dir, 30);
    std::filesystem::create_directories(dir.file("site/image/p020.png"));
    const auto result = runProcess(kCli, {"create", "--ini", dir.file("v.ini"), "--source", source,
                                          "--output", dir.file("site"), "--yes"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(
        result.err.find("[ファイルエラー] " + source + "/p020.png をコピーできませんでした。"),
        std::string::npos)
        << result.err;
    EXPECT_TRUE(exists(dir.file("site/image/p019.png")));
    EXPECT_FALSE(exists(dir.file("site/image/p021.png")));
    EXPECT_FALSE(exists(dir.file("site/catalog.html")));
    EXPECT_EQ(thumbnailsIn(dir.file("site/image")), std::vector<std::string>{});
}

TEST(VistrelCliCreate, LeavesTheSourceImagesAloneWhenTheyAreTheOutputImageFolder) {
    TempDir dir;
    const std::string source = makeSource(dir, 2);
    dir.write("src/old_thumb.png", "an old thumbnail");
    // The same folder spelled another way: "site/../src" with an empty subfolder.
    const auto result =
        runProcess(kCli, {"create", "--ini", dir.file("v.ini"), "--source", source, "--output",
                          dir.file("site/../src"), "--set", "SubFolder=", "--set", "MainImage=0",
                          "--yes", "--quiet"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(exists(dir.file("src/p000.png")));
    EXPECT_TRUE(exists(dir.file("src/p001.png")));
    EXPECT_FALSE(exists(dir.file("src/old_thumb.png")));
    EXPECT_TRUE(exists(dir.file("src/p000_thumb.png")));
    EXPECT_TRUE(exists(dir.file("src/catalog.html")));
}

TEST(VistrelCliCreate, WritesTheSlideshowWithMusicAndTheFrameSet) {
    TempDir dir;
    const std::string source = makeSource(dir, 2);
    dir.write("song.mid", "MThd");
    auto result =
        runProcess(kCli, {"create", "--ini", dir.file("v.ini"), "--source", source, "--output",
                          dir.file("show"), "--set", "Mode=1", "--set", "PlayMusic=1", "--set",
                          "MIDIFile=" + dir.file("song.mid"), "--yes", "--quiet"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(exists(dir.file("show/image/song.mid")));
    const std::string page = cp932ToUtf8(dir.read("show/catalog.html"));
    EXPECT_NE(page.find("<EMBED SRC=\"image/song.mid\""), std::string::npos);
    EXPECT_FALSE(exists(dir.file("show/p000.html")));

    result = runProcess(kCli, {"create", "--ini", dir.file("v.ini"), "--source", source, "--output",
                               dir.file("frames"), "--set", "Frame=1", "--yes", "--quiet"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(exists(dir.file("frames/menu.html")));
    EXPECT_NE(cp932ToUtf8(dir.read("frames/catalog.html")).find("SRC=\"p000.html\""),
              std::string::npos);
}

TEST(VistrelCliCreate, ArrangesTheListAndLoadsComments) {
    TempDir dir;
    const std::string source = makeSource(dir, 3);
    dir.write("order.txt", "p002.png\np000.png\n");
    dir.write("c.vtc", *utf8ToCp932("3\r\n0\r\n最初\r\n--*--*--*--*--\r\n"));
    const auto result =
        runProcess(kCli, {"create", "--ini", dir.file("v.ini"), "--source", source, "--output",
                          dir.file("site"), "--order", dir.file("order.txt"), "--exclude", "p001*",
                          "--comments", dir.file("c.vtc"), "--set", "Mode=1", "--set", "Comment=1",
                          "--yes", "--quiet"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string page = cp932ToUtf8(dir.read("site/catalog.html"));
    EXPECT_NE(page.find("var filename = new Array(\"p002.png\",\r\n\"p000.png\")"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("\tcase 0:\r\n\t\tmsg.firstChild.nodeValue=\"最初\";"), std::string::npos);
}

TEST(VistrelCliCreate, LinksNamesWithBackslashesAndBytesThatAreNoUtf8ByTheirOwnBytes) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("src"));
    // A backslash, which browsers read as "/", and a Latin-1 name, which is no UTF-8.
    writePng(dir.file("src/a\\b.png"), 40, 30);
    writePng(dir.file("src/caf\xE9.png"), 40, 30);
    const auto result =
        runProcess(kCli, {"create", "--ini", dir.file("v.ini"), "--source", dir.file("src"),
                          "--output", dir.file("site"), "--set", "NavPos=1", "--yes", "--quiet"});
    ASSERT_EQ(result.exitCode, 0) << result.err;

    // The files keep the names' bytes; the links are those bytes as %XX escapes.
    for (const char* name : {"a\\b.html", "caf\xE9.html", "image/a\\b.png", "image/caf\xE9.png",
                             "image/a\\b_thumb.png", "image/caf\xE9_thumb.png"}) {
        EXPECT_TRUE(exists(dir.file(std::string("site/") + name))) << name;
    }
    const std::string index = dir.read("site/catalog.html");
    for (const char* link : {"<A HREF=\"a%5Cb.html\"><IMG SRC=\"image/a%5Cb_thumb.png\"",
                             "<A HREF=\"caf%E9.html\"><IMG SRC=\"image/caf%E9_thumb.png\""}) {
        EXPECT_NE(index.find(link), std::string::npos) << link << "\n" << index;
    }
    const std::string first = dir.read("site/a\\b.html");
    EXPECT_NE(first.find("<IMG SRC=\"image/a%5Cb.png\""), std::string::npos) << first;
    EXPECT_NE(first.find("<A HREF=\"caf%E9.html\">"), std::string::npos) << first;
    const std::string second = dir.read("site/caf\xE9.html");
    EXPECT_NE(second.find("<IMG SRC=\"image/caf%E9.png\""), std::string::npos) << second;
    EXPECT_NE(second.find("<A HREF=\"a%5Cb.html\">"), std::string::npos) << second;
}

// Each page of a run with settings far outside their range, which hold every number the pages
// print from them in full: none may overflow (the sanitizer build stops the program when one
// does).
TEST(VistrelCliCreate, PrintsTheFullNumbersOfSettingsFarOutsideTheirRange) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("src"));
    writePng(dir.file("src/tall.png"), 40, 80);
    dir.write("song.mid", "MThd");
    struct Run {
        std::vector<std::string> settings;
        std::string page;
        std::vector<std::string> numbers;
    };
    const Run runs[] = {
        // Cell ThumSize + 30, text cell ThumSize / 2, thumbnail 2147483647 x 80 / 40 cut to
        // the box: 1073741823 x 2147483647, its cell 1073741823 + 12 wide.
        {{"Thumbres=5", "ThumSize=2147483647"},
         "catalog.html",
         {"<TD WIDTH=\"2147483677\">", "HEIGHT=\"2147483677\" WIDTH= \"1073741835\"",
          "WIDTH=\"1073741823\" HEIGHT=\"2147483647\"", "<TD HEIGHT=\"1073741823\""}},
        // Box 20 x 2147483647 + 40 = 42949672980, cell 42949673000; 40 / 80 of the box is
        // 21474836490.
        {{"Thumbres=2147483647"},
         "catalog.html",
         {"<TD WIDTH=\"42949673000\">", "HEIGHT=\"42949673000\" WIDTH= \"21474836502\"",
          "WIDTH=\"21474836490\" HEIGHT=\"42949672980\""}},
        // The menu of the frame set with box 20 x -2147483648 + 40: no thumbnail, 0 x 0.
        {{"Frame=1", "Thumbres=-2147483648"}, "menu.html", {"WIDTH=\"0\" HEIGHT=\"0\""}},
        // Fitted into Resx x Resy: Resx / 40 < Resy / 80, so the height is Resx x 80 / 40.
        {{"Changeres=1", "Unit=0", "KeepRatio=1", "Resx=-2147483648", "Resy=1"},
         "tall.html",
         {"WIDTH=\"-2147483648\" HEIGHT=\"-4294967296\""}},
        // (Volume - 100) x 100.
        {{"Mode=1", "PlayMusic=1", "Tag=1", "Volume=-2147483648",
          "MIDIFile=" + dir.file("song.mid")},
         "catalog.html",
         {" VOLUME=\"-214748374800\""}},
    };
    int number = 0;
    for (const Run& run : runs) {
        const std::string output = "site" + std::to_string(number++);
        std::vector<std::string> arguments = {"create",         "--ini",         dir.file("v.ini"),
                                              "--source",       dir.file("src"), "--output",
                                              dir.file(output), "--yes",         "--quiet"};
        for (const std::string& setting : run.settings) {
            arguments.insert(arguments.end(), {"--set", setting});
        }
        SCOPED_TRACE(run.settings.front());
        const auto result = runProcess(kCli, arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const std::string page = dir.read(output + "/" + run.page);
        for (const std::string& text : run.numbers) {
            EXPECT_NE(page.find(text), std::string::npos) << text << "\n" << page;
        }
    }
}

TEST(VistrelCliCreate, RefusesASubFolderThatLeavesTheOutputFolder) {
    TempDir dir;
    const std::string source = makeSource(dir, 1);
    const auto result =
        runProcess(kCli, {"create", "--ini", dir.file("v.ini"), "--source", source, "--output",
                          dir.file("site"), "--set", "SubFolder=../elsewhere", "--yes"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("[エラー] 画像格納サブフォルダ名が正しくありません。"),
              std::string::npos);
    EXPECT_FALSE(exists(dir.file("site")));
    EXPECT_FALSE(exists(dir.file("elsewhere")));
}

TEST(VistrelCliCreate, NamesTheMountPointOfAReadOnlyOutputAndWritesNothing) {
    // A read-only file system mounted in a private namespace, where one may be made.
    const std::string unshare = "/usr/bin/unshare";
    if (runProcess(unshare, {"-rm", "true"}).exitCode != 0) {
        GTEST_SKIP() << "no private mount namespace here";
    }
    TempDir dir;
    const std::string source = makeSource(dir, 2);
    const std::string mount = dir.file("disc");
    std::filesystem::create_directories(mount);
    const auto result =
        runProcess(unshare, {"-rm", "sh", "-c",
                             "mount -t tmpfs -o ro none \"$1\" && exec \"$2\" create --ini \"$3\" "
                             "--source \"$4\" --output \"$1/site\" --yes",
                             "sh", mount, kCli, dir.file("v.ini"), source});
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_NE(result.err.find("[ドライブエラー] " + mount +
                              " ドライブは CD-ROM/R/RW ドライブです。CD-R 等には\n書き込みできない"
                              "ので別のドライブを指定して下さい。"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(result.out, "");
}

// A source folder of count copies of one picture large enough that making its thumbnail takes
// a noticeable moment, named p000.png ...
std::string makeSlowSource(const TempDir& dir, int count) {
    std::filesystem::create_directories(dir.file("src"));
    writePng(dir.file("large.png"), 1600, 1200);
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "src/p%03d.png", i);
        std::filesystem::copy_file(dir.file("large.png"), dir.file(name));
    }
    return dir.file("src");
}

TEST(VistrelCliCreate, StopsAtCtrlCLeavingWhatItWroteAndNoCompletionMessage) {
    TempDir dir;
    const std::string source = makeSlowSource(dir, 200);
    const std::string errPath = dir.file("err.txt");
    const pid_t child = ::fork();
    if (child == 0) {
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(err, 2);
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, 0);
        ::dup2(null, 1);
        const std::string ini = dir.file("v.ini");
        const std::string output = dir.file("site");
        ::execl(kCli.c_str(), kCli.c_str(), "create", "--ini", ini.c_str(), "--source",
                source.c_str(), "--output", output.c_str(), "--yes", "--quiet", nullptr);
        ::_exit(127);
    }
    // Wait until the thumbnails are being made, then press Ctrl-C once.
    for (int i = 0; i < 3000 && !exists(dir.file("site/image/p010_thumb.png")); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(child, SIGINT);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    // The index was begun but not finished: no cut page is left in its place.
    EXPECT_FALSE(exists(dir.file("site/catalog.html")));
    EXPECT_FALSE(exists(dir.file("site/image/p199_thumb.png")));
    for (const std::string& name : thumbnailsIn(dir.file("site/image"))) {
        EXPECT_FALSE(name.starts_with(".vistrel")) << name;
    }
    const std::string err = test::readBytes(errPath);
    EXPECT_EQ(err.find("完了メッセージ"), std::string::npos);
    EXPECT_NE(err.find("vistrel-cli create: cancelled"), std::string::npos) << err;
}

} // namespace
} // namespace vistrel
