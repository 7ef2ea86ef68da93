// SPDX-License-Identifier: MIT
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/ExifWriter.h"
#include "support/ProcessRunner.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::ByteOrder;
using test::ExifWriter;
using test::runProcess;
using test::TempDir;
using Dir = test::ExifDirectory;

const std::string kCli = VISTREL_CLI_PATH;

// IFD0 with 3 entries, so the EXIF directory is at 8 + 2 + 36 + 4 = 50.
ExifWriter cameraFile(ByteOrder order) {
    ExifWriter writer(order);
    writer.ascii(Dir::Main, 0x010F, "Vistrel")
        .ascii(Dir::Main, 0x0110, "VX1")
        .exifPointer()
        .rational(Dir::Exif, 0x829A, 1, 125)
        .rational(Dir::Exif, 0x829D, 28, 10)
        .shortValues(Dir::Exif, 0x8827, {100})
        .ascii(Dir::Exif, 0x9003, "2005:06:12 10:30:00")
        .srational(Dir::Exif, 0x9201, 69658, 10000)
        .srational(Dir::Exif, 0x9204, -2, 3)
        .shortValues(Dir::Exif, 0x9207, {5})
        .shortValues(Dir::Exif, 0x9209, {16})
        .rational(Dir::Exif, 0x920A, 720, 100)
        .shortValues(Dir::Exif, 0xA001, {1})
        .ascii(Dir::Exif, 0xA430, "Ann");
    return writer;
}

const std::string kCameraEntries = "entry\tmain\t0x010F\t2\t8\tメーカ名\tVistrel\n"
                                   "entry\tmain\t0x0110\t2\t4\t機種名\tVX1\n"
                                   "entry\tmain\t0x8769\t4\t1\tExif IFDへのポインタ\t50 バイト\n"
                                   "entry\texif\t0x829A\t5\t1\t露出時間\t1/125 (秒)\n"
                                   "entry\texif\t0x829D\t5\t1\tＦナンバー\tF2.8\n"
                                   "entry\texif\t0x8827\t3\t1\tISOスピードレート\t100\n"
                                   "entry\texif\t0x9003\t2\t20\t原画像データの生成日時\t"
                                   "2005:06:12 10:30:00\n"
                                   "entry\texif\t0x9201\t10\t1\tシャッタースピード\t1/125 (秒)\n"
                                   "entry\texif\t0x9204\t10\t1\t露出補正値\tEV-0.7\n"
                                   "entry\texif\t0x9207\t3\t1\t測光方式\tマルチセグメント\n"
                                   "entry\texif\t0x9209\t3\t1\tフラッシュ\tフラッシュ強制オフ\n"
                                   "entry\texif\t0x920A\t5\t1\tレンズ焦点距離\t7.20 (mm)\n"
                                   "entry\texif\t0xA001\t3\t1\t色空間情報\tsRGB\n"
                                   "entry\texif\t0xA430\t2\t4\t不明\t\n";

TEST(VistrelCliExif, PrintsTheEntriesAndTheRowsOfTheDefaultSelection) {
    TempDir dir;
    for (const ByteOrder order : {ByteOrder::Intel, ByteOrder::Motorola}) {
        const std::string photo = dir.write("photo.jpg", cameraFile(order).jpeg());
        const auto result = runProcess(kCli, {"exif", photo, "--ini", dir.file("none.ini")});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err, "");
        // ExifInfo 479 selects F number, exposure program, ISO, date, shutter speed,
        // metering, flash and focal length; the file has no exposure program.
        EXPECT_EQ(result.out, "locate\t3\n" + kCameraEntries +
                                  "row\tＦナンバー\tF2.8\n"
                                  "row\tISOスピードレート\t100\n"
                                  "row\t原画像データの生成日時\t2005:06:12 10:30:00\n"
                                  "row\tシャッタースピード\t1/125 (秒)\n"
                                  "row\t測光方式\tマルチセグメント\n"
                                  "row\tフラッシュ\tフラッシュ強制オフ\n"
                                  "row\tレンズ焦点距離\t7.20 (mm)\n");
        EXPECT_FALSE(std::filesystem::exists(dir.file("none.ini")));
    }
}

TEST(VistrelCliExif, TakesTheSelectionFromTheOptionOrTheSettingsFile) {
    TempDir dir;
    const std::string photo =
        dir.write("photo.JPG", cameraFile(ByteOrder::Intel).jpeg({.jfifFirst = true}));
    auto result = runProcess(kCli, {"exif", photo, "--exif-info", "3585"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // 3585 is bits 0, 9, 10 and 11: maker and model from IFD0 first, then F number and bias.
    EXPECT_EQ(result.out, "locate\t3\n" + kCameraEntries +
                              "row\tメーカ名\tVistrel\n"
                              "row\t機種名\tVX1\n"
                              "row\tＦナンバー\tF2.8\n"
                              "row\t露出補正値\tEV-0.7\n");

    dir.write("v.ini", "[Page2]\r\nExifInfo=16\r\n");
    result = runProcess(kCli, {"exif", "--ini", dir.file("v.ini"), photo});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "locate\t3\n" + kCameraEntries + "row\tシャッタースピード\t1/125 (秒)\n");

    result = runProcess(kCli, {"exif", photo, "--exif-info=0"});
    EXPECT_EQ(result.out, "locate\t3\n" + kCameraEntries);
}

TEST(VistrelCliExif, ShowsTheExposureTimeWhenThereIsNoShutterSpeedValue) {
    TempDir dir;
    ExifWriter writer(ByteOrder::Motorola);
    writer.exifPointer().rational(Dir::Exif, 0x829A, 10, 1250).rational(Dir::Exif, 0x829D, 56, 10);
    const std::string photo = dir.write("p.jpeg", writer.jpeg());
    const auto result = runProcess(kCli, {"exif", photo, "--exif-info", "479"});
    EXPECT_EQ(result.out, "locate\t3\n"
                          "entry\tmain\t0x8769\t4\t1\tExif IFDへのポインタ\t26 バイト\n"
                          "entry\texif\t0x829A\t5\t1\t露出時間\t10/1250 (秒)\n"
                          "entry\texif\t0x829D\t5\t1\tＦナンバー\tF5.6\n"
                          "row\tＦナンバー\tF5.6\n"
                          "row\t露出時間\t10/1250 (秒)\n");
}

TEST(VistrelCliExif, EscapesTabsAndLineBreaksAndReadsTextAsCp932) {
    TempDir dir;
    ExifWriter writer(ByteOrder::Intel);
    // "光学" in CP932, then a lone lead byte.
    writer.ascii(Dir::Main, 0x010F, "Vis\ttrel\r\nX")
        .ascii(Dir::Main, 0x0110, "\x8C\xF5\x8A\x77\x81")
        .exifPointer();
    const std::string photo = dir.write("p.jpg", writer.jpeg());
    const auto result = runProcess(kCli, {"exif", photo, "--exif-info", "3072"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "locate\t3\n"
                          "entry\tmain\t0x010F\t2\t12\tメーカ名\tVis\\ttrel\\r\\nX\n"
                          "entry\tmain\t0x0110\t2\t6\t機種名\t光学\xEF\xBF\xBD\n"
                          "entry\tmain\t0x8769\t4\t1\tExif IFDへのポインタ\t50 バイト\n"
                          "row\tメーカ名\tVis\\ttrel\\r\\nX\n"
                          "row\t機種名\t光学\xEF\xBF\xBD\n");
}

TEST(VistrelCliExif, WritesControlCharactersAndBackslashesOfExifTextAsEscapes) {
    TempDir dir;
    ExifWriter writer(ByteOrder::Motorola);
    // A clear-screen sequence, a title-setting sequence ended by BEL, DEL and a backslash that
    // would otherwise read as the start of an escape.
    writer.ascii(Dir::Main, 0x010F, "\x1B[2J\x1B]0;owned\x07x\x7F")
        .ascii(Dir::Main, 0x0110, "C:\\t")
        .exifPointer();
    const std::string photo = dir.write("p.jpg", writer.jpeg());
    const auto result = runProcess(kCli, {"exif", photo, "--exif-info", "3072"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.find('\x1B'), std::string::npos);
    EXPECT_EQ(result.out, "locate\t3\n"
                          "entry\tmain\t0x010F\t2\t17\tメーカ名\t"
                          "\\x1B[2J\\x1B]0;owned\\x07x\\x7F\n"
                          "entry\tmain\t0x0110\t2\t5\t機種名\tC:\\\\t\n"
                          "entry\tmain\t0x8769\t4\t1\tExif IFDへのポインタ\t50 バイト\n"
                          "row\tメーカ名\t\\x1B[2J\\x1B]0;owned\\x07x\\x7F\n"
                          "row\t機種名\tC:\\\\t\n");
}

TEST(VistrelCliExif, ShowsNoRowsForAFileWhoseNameIsNoJpegName) {
    TempDir dir;
    const std::string photo = dir.write("photo.png", cameraFile(ByteOrder::Intel).jpeg());
    const auto result = runProcess(kCli, {"exif", photo, "--exif-info", "4095"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "locate\t3\n" + kCameraEntries);
}

TEST(VistrelCliExif, PrintsOnlyTheLocateResultForFilesWithoutExif) {
    TempDir dir;
    auto result =
        runProcess(kCli, {"exif", dir.write("a.jpg", "\x89PNG\r\n\x1A\n"), "--exif-info", "4095"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "locate\t0\n");
    result = runProcess(kCli, {"exif", dir.write("b.jpg", std::string("\xFF\xD8\xFF\xDB\0\x43", 6)),
                               "--exif-info", "4095"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "locate\t1\n");
    EXPECT_EQ(result.err, "");
    result = runProcess(kCli, {"exif", dir.write("empty.jpg", ""), "--exif-info", "1"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "locate\t0\n");
}

TEST(VistrelCliExif, FailsWithStatusOneForAFileThatCannotBeOpened) {
    TempDir dir;
    auto result = runProcess(kCli, {"exif", dir.file("none.jpg"), "--exif-info", "1"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(dir.file("none.jpg")), std::string::npos) << result.err;
    result = runProcess(kCli, {"exif", dir.makeFifo("pipe.jpg"), "--exif-info", "1"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
}

TEST(VistrelCliExif, RejectsAMissingFileAndBadSelectionsAsUsageErrors) {
    TempDir dir;
    const std::string photo = dir.write("p.jpg", cameraFile(ByteOrder::Intel).jpeg());
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"exif"},
                                                      {"exif", "--exif-info", "1"},
                                                      {"exif", photo, "--exif-info", "65536"},
                                                      {"exif", photo, "--exif-info", "0x1DF"},
                                                      {"exif", photo, "--exif-info", "-1"},
                                                      {"exif", photo, "--exif-info"},
                                                      {"exif", photo, photo},
                                                      {"exif", photo, "--bogus"}}) {
        const auto result = runProcess(kCli, arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.back();
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("vistrel-cli exif"), std::string::npos) << result.err;
    }
}

} // namespace
} // namespace vistrel
