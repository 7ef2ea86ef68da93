// SPDX-License-Identifier: MIT
#include <filesystem>

#include <gtest/gtest.h>

#include "support/ProcessRunner.h"
#include "support/TempDir.h"
#include "text/Encoding.h"

namespace vistrel {
namespace {

using test::runProcess;
using test::TempDir;

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
