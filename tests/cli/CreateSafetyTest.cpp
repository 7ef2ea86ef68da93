// SPDX-License-Identifier: MIT
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliFixtures.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;
using test::filesUnder;
using test::holds;
using test::kCli;
using test::makeSource;
using test::namesIn;
using test::runCreate;
using test::runProcess;
using test::TempDir;
using test::writePng;
using Files = std::map<std::string, std::string>;

Files pagesOf(const Files& site) {
    Files pages;
    for (const auto& [name, bytes] : site) {
        if (name.ends_with(".html")) {
            pages[name] = bytes;
        }
    }
    return pages;
}

TEST(VistrelCliCreateAgain, RerunsIntoTheSameFolderWithEveryLetterCase) {
    for (const char* imageCase : {"0", "1"}) {
        SCOPED_TRACE(imageCase);
        TempDir dir;
        writePng(dir.file("src/IMG_0001.PNG"), 60, 40);
        writePng(dir.file("src/IMG_0002.PNG"), 40, 60);
        const std::vector<std::string> arguments = {
            "--source",       dir.file("src"), "--output",
            dir.file("site"), "--set",         std::string("ImageCase=") + imageCase,
            "--yes"};

        const auto first = runCreate(dir, arguments);
        ASSERT_EQ(first.exitCode, 0) << first.err;
        const Files firstSite = filesUnder(dir.file("site"));
        const auto second = runCreate(dir, arguments);
        ASSERT_EQ(second.exitCode, 0) << second.err;
        const Files secondSite = filesUnder(dir.file("site"));

        const std::vector<std::string> expected =
            imageCase[0] == '0' ? std::vector<std::string>{"IMG_0001.PNG", "IMG_0001_THUMB.PNG",
                                                           "IMG_0002.PNG", "IMG_0002_THUMB.PNG"}
                                : std::vector<std::string>{"img_0001.png", "img_0001_thumb.png",
                                                           "img_0002.png", "img_0002_thumb.png"};
        EXPECT_EQ(namesIn(dir.file("site/image")), expected);
        EXPECT_EQ(pagesOf(secondSite), pagesOf(firstSite));
        EXPECT_EQ(secondSite.size(), firstSite.size());
    }
}

TEST(VistrelCliCreateAgain, PublishesOnlyTheFirstOfTwoNamesThatMeetInOneLetterCase) {
    TempDir dir;
    writePng(dir.file("src/A.PNG"), 60, 40);
    writePng(dir.file("src/a.png"), 30, 20);
    const auto result = runCreate(dir, {"--source", dir.file("src"), "--output", dir.file("site"),
                                        "--set", "ImageCase=1", "--yes"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(holds(result.err, "[画像ファイルエラー] a.png は A.PNG と出力先で同じ名前（a.png）"
                                  "になるため、出力しません。"))
        << result.err;
    EXPECT_EQ(test::readBytes(dir.file("site/image/a.png")),
              test::readBytes(dir.file("src/A.PNG")));
    EXPECT_EQ(namesIn(dir.file("site/image")), (std::vector<std::string>{"a.png", "a_thumb.png"}));
}

TEST(VistrelCliCreateFailures, ReportsEveryFileAFullDiskRefusedAndLeavesNoCutPage) {
    if (runProcess("/usr/bin/unshare", {"-rm", "true"}).exitCode != 0) {
        GTEST_SKIP() << "no private mount namespace here to mount a small file system in";
    }
    TempDir dir;
    const std::string source = makeSource(dir, 3);
    fs::create_directories(dir.file("disk"));
    // The pictures are the output image folder itself, so nothing is copied; the file system
    // is then filled to the last block and the run listed afterwards.
    const auto result = runProcess(
        "/usr/bin/unshare",
        {"-rm", "sh", "-c",
         "mount -t tmpfs -o size=1m none \"$1\" && cp \"$2\"/*.png \"$1\"/ && "
         "{ dd if=/dev/zero of=\"$1/fill\" bs=4k 2>/dev/null; true; } && "
         "\"$3\" create --ini \"$4\" --source \"$1\" --output \"$1\" --set SubFolder= --yes; "
         "echo \"exit $?\"; ls -a \"$1\"",
         "sh", dir.file("disk"), source, kCli, dir.file("v.ini")});
    const std::string disk = dir.file("disk") + "/";
    EXPECT_TRUE(holds(result.out, "exit 1\n")) << result.out;
    EXPECT_TRUE(holds(result.err, "[エラー] 次のファイルを書き込めませんでした。\n")) << result.err;
    EXPECT_TRUE(holds(result.err, disk + "catalog.html: No space left on device")) << result.err;
    EXPECT_TRUE(holds(result.err, disk + "p001_thumb.png: No space left on device"));
    EXPECT_FALSE(holds(result.err, "完了メッセージ"));
    EXPECT_FALSE(holds(result.out, "catalog.html")) << "no page, cut or empty, is left";
    EXPECT_FALSE(holds(result.out, ".vistrel")) << result.out;
}

TEST(VistrelCliCreateFailures, NamesAFolderInThePagesPlaceAndNeverWritesThroughALink) {
    TempDir dir;
    const std::string source = makeSource(dir, 2);
    fs::create_directories(dir.file("site/catalog.html"));
    dir.write("outside/notes.txt", "the user's own notes");
    fs::create_symlink(dir.file("outside/notes.txt"), dir.file("site/p000.html"));

    const auto result = runCreate(dir, {"--source", source, "--output", dir.file("site"), "--yes"});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(holds(result.err, "[エラー] 次のファイルを書き込めませんでした。\n" +
                                      dir.file("site/catalog.html") + ": Is a directory"))
        << result.err;
    EXPECT_FALSE(holds(result.err, "完了メッセージ"));
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(dir.read("outside/notes.txt"), "the user's own notes");
    EXPECT_FALSE(fs::is_symlink(dir.file("site/p000.html")));
    EXPECT_TRUE(holds(dir.read("site/p000.html"), "<HTML"));
    EXPECT_TRUE(fs::is_regular_file(dir.file("site/p001.html")));
}

TEST(VistrelCliCreateSelection, PublishesNoFileThatOnlyHasAnImageName) {
    TempDir dir;
    const std::string source = makeSource(dir, 1);
    writePng(dir.file("best/real.png"), 50, 50);
    fs::create_symlink("/etc/passwd", dir.file("src/passwd.jpg"));
    dir.write("src/notes.png", "just text");
    fs::create_symlink(dir.file("best/real.png"), dir.file("src/best.png"));

    const auto result = runCreate(dir, {"--source", source, "--output", dir.file("site"), "--yes"});

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(holds(result.err, "[画像ファイルエラー] 次のファイルは画像ファイルではないため、"
                                  "出力しません。\nnotes.png\npasswd.jpg\n"))
        << result.err;
    EXPECT_EQ(
        namesIn(dir.file("site/image")),
        (std::vector<std::string>{"best.png", "best_thumb.png", "p000.png", "p000_thumb.png"}));
    const std::string index = dir.read("site/catalog.html");
    EXPECT_FALSE(holds(index, "passwd"));
    EXPECT_FALSE(holds(index, "notes"));
}

TEST(VistrelCliCreateSelection, KeepsPhotosWhoseNamesOnlyHoldTheThumbnailSuffix) {
    TempDir dir;
    writePng(dir.file("photos/paris_sunset.png"), 60, 40);
    dir.write("photos/old_s.png", "an old thumbnail");
    const auto result =
        runCreate(dir, {"--source", dir.file("photos"), "--output", dir.file("photos"), "--set",
                        "SubFolder=", "--set", "AddString=_s", "--yes"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(fs::exists(dir.file("photos/paris_sunset.png")));
    EXPECT_TRUE(fs::exists(dir.file("photos/paris_sunset_s.png")));
    EXPECT_FALSE(fs::exists(dir.file("photos/old_s.png")));
}

TEST(VistrelCliCreateSelection, NumbersAThumbnailThatWouldTakeAMainImagesName) {
    TempDir dir;
    writePng(dir.file("src/a.png"), 60, 40);
    writePng(dir.file("src/a_thumb.png"), 40, 60);
    const auto result =
        runCreate(dir, {"--source", dir.file("src"), "--output", dir.file("site"), "--yes"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(dir.read("site/image/a_thumb.png"), dir.read("src/a_thumb.png"));
    EXPECT_TRUE(fs::exists(dir.file("site/image/a0_thumb.png")));
    EXPECT_TRUE(holds(dir.read("site/catalog.html"), "SRC=\"image/a0_thumb.png\""));
}

// Starts a create over many large pictures, sends signal once thumbnails are being made and
// returns the exit code and standard error.
std::pair<int, std::string> interruptedRun(const TempDir& dir, int signal) {
    fs::create_directories(dir.file("src"));
    writePng(dir.file("large.png"), 1600, 1200);
    for (int i = 0; i < 200; ++i) {
        fs::copy_file(dir.file("large.png"), dir.file("src/p" + std::to_string(100 + i) + ".png"));
    }
    const std::string errPath = dir.file("err.txt");
    const pid_t child = ::fork();
    if (child == 0) {
        std::freopen(errPath.c_str(), "w", stderr);
        std::freopen("/dev/null", "r", stdin);
        std::freopen("/dev/null", "w", stdout);
        const std::string ini = dir.file("v.ini");
        const std::string source = dir.file("src");
        const std::string output = dir.file("site");
        ::execl(kCli.c_str(), kCli.c_str(), "create", "--ini", ini.c_str(), "--source",
                source.c_str(), "--output", output.c_str(), "--yes", nullptr);
        ::_exit(127);
    }
    for (int i = 0; i < 3000 && !fs::exists(dir.file("site/image/p110_thumb.png")); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(child, signal);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::readBytes(errPath)};
}

TEST(VistrelCliCreateStops, EndsATerminatedRunLikeCtrlCWithoutWorkFoldersLeft) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        TempDir dir;
        const auto [code, err] = interruptedRun(dir, signal);
        EXPECT_EQ(code, 1);
        EXPECT_TRUE(holds(err, "vistrel-cli create: cancelled")) << err;
        for (const std::string& name : namesIn(dir.file("site/image"))) {
            EXPECT_FALSE(name.starts_with(".vistrel")) << name;
        }
    }
}

TEST(VistrelCliCreateStops, RemovesWorkLeftByAnEarlierRunAndWaitsForNoneStillRunning) {
    TempDir dir;
    const std::string source = makeSource(dir, 2);
    dir.write("site/image/.vistrel-thumbs-Ab12Cd/0", "a thumbnail never placed");
    dir.write("site/.vistrel-page-77-3", "half a page");
    dir.write("site/image/.vistrel-copy-Zz99Yy/copy", "half a copy");
    dir.write("site/image/.hidden-by-the-user", "kept");

    // Another create holds the folder: this one stops and touches nothing.
    const auto held = runProcess("/usr/bin/flock", {dir.file("site/image"), kCli, "create", "--ini",
                                                    dir.file("v.ini"), "--source", source,
                                                    "--output", dir.file("site"), "--yes"});
    EXPECT_EQ(held.exitCode, 1);
    EXPECT_TRUE(holds(held.err, "[エラー] 別の作成処理が出力先フォルダを使用中です。")) << held.err;
    EXPECT_TRUE(fs::exists(dir.file("site/image/.vistrel-thumbs-Ab12Cd/0")));

    const auto result = runCreate(dir, {"--source", source, "--output", dir.file("site"), "--yes"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_FALSE(fs::exists(dir.file("site/image/.vistrel-thumbs-Ab12Cd")));
    EXPECT_FALSE(fs::exists(dir.file("site/.vistrel-page-77-3")));
    EXPECT_FALSE(fs::exists(dir.file("site/image/.vistrel-copy-Zz99Yy")));
    EXPECT_TRUE(fs::exists(dir.file("site/image/.hidden-by-the-user")));
}

TEST(VistrelCliCreateSmallFaults, TellsOfEmptySelectionsDamagedFilesAndServesCopies) {
    TempDir dir;
    const std::string source = makeSource(dir, 2);
    ::chmod(dir.file("src/p000.png").c_str(), 0600);

    const auto none = runCreate(
        dir, {"--source", source, "--output", dir.file("site"), "--exclude", "*", "--yes"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(
        holds(none.err, "[エラー] 画像ファイルが１つも選択されていません。処理を中止します。"))
        << none.err;

    const std::string png = dir.read("src/p001.png");
    dir.write("src/damaged.png", png.substr(0, 60));
    const mode_t previous = ::umask(022);
    const auto run = runCreate(dir, {"--source", source, "--output", dir.file("site"), "--yes"});
    ::umask(previous);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(holds(run.err, "[エラー] damaged.png: 画像ファイルから DIB ハンドルを取得するのに"
                               "失敗しました"))
        << run.err;
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("site/image/p000.png").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644U) << "a web server must be able to read the copy";

    const auto quiet = runCreate(dir, {"--source", source, "--output", dir.file("site"), "--yes",
                                       "--quiet", "--exclude", "damaged.png"});
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.err, "") << "every replace question was answered by --yes";
    EXPECT_EQ(quiet.out, "");
}

} // namespace
} // namespace vistrel
