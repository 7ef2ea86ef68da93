// SPDX-License-Identifier: MIT
#include <algorithm>
#include <filesystem>
#include <string_view>
#include <vector>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/ProcessRunner.h"
#include "support/TempDir.h"
#include "text/Encoding.h"

namespace vistrel {
namespace {

using test::runProcess;
using test::TempDir;
using namespace std::string_literals;

const std::string kCli = VISTREL_CLI_PATH;

std::string cliFolder() {
    return std::filesystem::path(kCli).parent_path().string() + "/";
}

TEST(VistrelCliSettings, PrintsTheDefaultsWhenThereIsNoIniFile) {
    TempDir dir;
    const auto result = runProcess(kCli, {"settings", "--ini", dir.file("none.ini")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(
        result.out.rfind("[General]\nImagePath=" + cliFolder() + "\nImageMode=7\nSelect=1\n", 0),
        0u);
    EXPECT_NE(result.out.find("\n\n[Page1]\nHTMLPath=" + cliFolder() + "html/\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("\nTitle=画像一覧\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nExifInfo=479\n"), std::string::npos);
    EXPECT_EQ(result.out.size() - result.out.rfind("[Page6]"),
              std::string("[Page6]\nPlayMusic=0\nMIDIFile=\nMIDIFileName=\nTag=0\nRepeat=0\n"
                          "RepeatVal=10\nVolume=80\nAutoPlay=1\nPanel=0\n")
                  .size());
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.ini")));
}

TEST(VistrelCliSettings, AppliesSetAndWritesTheFileOnlyWithSave) {
    TempDir dir;
    auto result = runProcess(kCli, {"settings", "--ini", dir.file("v.ini"), "--set", "ThumSize=150",
                                    "--set=Title=旅の写真"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("\nThumSize=150\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nTitle=旅の写真\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("v.ini")));

    result = runProcess(kCli, {"settings", "--ini", dir.file("v.ini"), "--set", "ThumSize=150",
                               "--set", "Title=旅の写真", "--save"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string stored = cp932ToUtf8(dir.read("v.ini"));
    EXPECT_NE(stored.find("\r\nThumSize=150\r\n"), std::string::npos);
    EXPECT_NE(stored.find("\r\nTitle=旅の写真\r\n"), std::string::npos);

    result = runProcess(kCli, {"settings", "--ini", dir.file("v.ini")});
    EXPECT_NE(result.out.find("\nThumSize=150\n"), std::string::npos);
}

TEST(VistrelCliSettings, RejectsUnknownKeysAndNonNumbersAsUsageErrors) {
    TempDir dir;
    const std::string ini = dir.file("v.ini");
    auto result = runProcess(kCli, {"settings", "--ini", ini, "--set", "thumsize=120"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("thumsize"), std::string::npos);

    result = runProcess(kCli, {"settings", "--ini", ini, "--set", "ThumSize=12x", "--save"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("ThumSize"), std::string::npos);
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(std::filesystem::exists(ini));

    result = runProcess(kCli, {"settings", "--ini", ini, "--set", "ExifInfo=65536"});
    EXPECT_EQ(result.exitCode, 2);
    result = runProcess(kCli, {"settings", "--ini"});
    EXPECT_EQ(result.exitCode, 2);
    result = runProcess(kCli, {"settings", "--bogus"});
    EXPECT_EQ(result.exitCode, 2);
    result = runProcess(kCli, {"frobnicate"});
    EXPECT_EQ(result.exitCode, 2);
    result = runProcess(kCli, {});
    EXPECT_EQ(result.exitCode, 2);
}

TEST(VistrelCliSettings, ReportsAFailedSaveWithExitCode1) {
    TempDir dir;
    dir.write("file", "x");
    const auto result = runProcess(kCli, {"settings", "--ini", dir.file("file/v.ini"), "--save"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("[ファイルエラー] 設定ファイル " + dir.file("file/v.ini"), 0), 0u)
        << result.err;
}

// The lines of bytes split at LF, CR LF or CR, line ends left out.
std::vector<std::string> linesOf(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        lines.emplace_back(bytes.substr(start, end - start));
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// Whether every line of expected is a line of actual, in the same order.
::testing::AssertionResult keepsLinesInOrder(const std::vector<std::string>& expected,
                                             const std::vector<std::string>& actual) {
    auto at = actual.begin();
    for (const auto& line : expected) {
        at = std::find(at, actual.end(), line);
        if (at == actual.end()) {
            return ::testing::AssertionFailure() << "line lost or moved: " << line;
        }
        ++at;
    }
    return ::testing::AssertionSuccess();
}

TEST(VistrelCliSettings, KeepsEveryForeignLineOfAUtf8FileWithoutAByteOrderMark) {
    TempDir dir;
    const std::string foreign = "; アルバム用の設定（手書き）\r\n"
                                "[Page3]\r\n"
                                "Title=夏の旅行 2024\r\n"
                                "メモ=ここは Vistrel の行ではない\r\n"
                                "\r\n"
                                "[自分の項目]\r\n"
                                "色=青 😀\r\n";
    dir.write("v.ini", foreign);
    auto result = runProcess(
        kCli, {"settings", "--ini", dir.file("v.ini"), "--set", "ThumSize=150", "--save"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("\nTitle=夏の旅行 2024\n"), std::string::npos) << result.out;

    const std::string stored = dir.read("v.ini");
    EXPECT_EQ(stored.rfind("; アルバム用の設定（手書き）\r\n[Page3]\r\nTitle=夏の旅行 2024\r\n"
                           "メモ=ここは Vistrel の行ではない\r\nFontFace=",
                           0),
              0u)
        << stored;
    EXPECT_NE(stored.find("\r\n\r\n[自分の項目]\r\n色=青 😀\r\n"), std::string::npos);
    EXPECT_NE(stored.find("\r\nThumSize=150\r\n"), std::string::npos);
    EXPECT_EQ(stored.find("\uFFFD"), std::string::npos);

    result = runProcess(kCli, {"settings", "--ini", dir.file("v.ini")});
    EXPECT_NE(result.out.find("\nTitle=夏の旅行 2024\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nThumSize=150\n"), std::string::npos);
}

TEST(VistrelCliSettings, KeepsTheBytesOfABinaryFileAndAddsItsOwnKeys) {
    TempDir dir;
    std::string binary;
    for (unsigned i = 0; i < 4096; ++i) {
        binary.push_back(static_cast<char>((i * 167U + (i >> 5)) & 0xFFU));
    }
    dir.write("v.ini", binary);
    const auto result = runProcess(
        kCli, {"settings", "--ini", dir.file("v.ini"), "--set", "ThumSize=150", "--save"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string stored = dir.read("v.ini");
    EXPECT_EQ(stored.rfind(binary, 0), 0u) << "the file's own bytes come first, unchanged";
    EXPECT_TRUE(keepsLinesInOrder(linesOf(binary), linesOf(stored)));
    EXPECT_TRUE(keepsLinesInOrder({"[General]", "[Page1]", "ThumSize=150", "[Page6]"},
                                  linesOf(stored.substr(binary.size()))));
}

TEST(VistrelCliSettings, RewritesOnlyItsOwnKeysInABinaryFileThatHoldsThem) {
    TempDir dir;
    const std::string before = "\x89PNG\x00\xFF\r\n[Page1]\n\x01\xFE\x81\n"s;
    const std::string after = "\xEF\xBF\xBD\x00\x81\x81\rtrailing\xFC"s;
    dir.write("v.ini", before + "ThumSize=100\n" + after);
    const auto result = runProcess(
        kCli, {"settings", "--ini", dir.file("v.ini"), "--set", "ThumSize=150", "--save"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string stored = dir.read("v.ini");
    EXPECT_EQ(stored.rfind(before, 0), 0u);
    const auto tail = stored.find("ThumSize=150\n" + after);
    ASSERT_NE(tail, std::string::npos) << "the key is rewritten in place";
    EXPECT_TRUE(keepsLinesInOrder(linesOf(before + after), linesOf(stored)));
}

TEST(VistrelCliSettings, SavesThroughALinkAndKeepsTheFilesPermissions) {
    TempDir dir;
    dir.write("real/v.ini", "[Page1]\r\nThumSize=100\r\n");
    ASSERT_EQ(::chmod(dir.file("real/v.ini").c_str(), 0600), 0);
    std::filesystem::create_symlink("real/v.ini", dir.file("link.ini"));
    const auto result = runProcess(
        kCli, {"settings", "--ini", dir.file("link.ini"), "--set", "ThumSize=150", "--save"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.ini")));
    EXPECT_EQ(std::filesystem::read_symlink(dir.file("link.ini")), "real/v.ini");
    EXPECT_EQ(dir.read("real/v.ini").rfind("[Page1]\r\nThumSize=150\r\n", 0), 0u);
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("real/v.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777U, 0600U);
}

TEST(VistrelCliSettings, LeavesTheFileAsItWasWhenTheSaveFails) {
    TempDir dir;
    const std::string old = "; mine\r\n[Page1]\r\nThumSize=100\r\n";
    dir.write("v.ini", old);
    // A file size limit of one block leaves room for the message but not for the settings,
    // and holds for root as for anyone.
    const auto result =
        runProcess("/bin/sh", {"-c", "trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\" >/dev/null",
                               kCli, "settings", "--ini", dir.file("v.ini"), "--set",
                               "HPName=" + std::string(4000, 'x'), "--save"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("[ファイルエラー] 設定ファイル " + dir.file("v.ini"), 0), 0u)
        << result.err;
    EXPECT_EQ(dir.read("v.ini"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(VistrelCli, AnswersHelpAndVersion) {
    auto result = runProcess(kCli, {"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("settings [--ini FILE] [--set KEY=VALUE]... [--save]"),
              std::string::npos);
    result = runProcess(kCli, {"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "vistrel-cli 2.18\n");
}

} // namespace
} // namespace vistrel
