// SPDX-License-Identifier: MIT
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ReaderFixture.h"
#include "exif/ExifReader.h"
#include "exif/ExifRows.h"
#include "support/ExifWriter.h"

namespace vistrel {
namespace {

using test::ByteOrder;
using test::ExifWriter;
using test::ReaderFolder;
using Dir = test::ExifDirectory;
using Lines = std::vector<std::string>;

constexpr std::uint16_t kDefaultExifInfo = 0x1DF;
constexpr std::uint16_t kAllItems = 0xFFF;

std::uint16_t bits(std::initializer_list<int> numbers) {
    unsigned mask = 0;
    for (const int bit : numbers) {
        mask |= 1u << bit;
    }
    return static_cast<std::uint16_t>(mask);
}

ReaderFolder rowsFolder() {
    return ReaderFolder({"010F\tメーカ名", "0110\t機種名", "829A\t露出時間", "829D\tＦナンバー",
                         "8769\tExif", "8822\t露出プログラム", "8827\tISOスピードレート",
                         "9003\t原画像データの生成日時", "9201\tシャッタースピード", "9202\t絞り値",
                         "9204\t露出補正値", "9207\t測光方式", "9209\tフラッシュ",
                         "920A\tレンズ焦点距離"});
}

Lines rowsOf(const ExifReader& reader, std::uint16_t exifInfo) {
    Lines lines;
    for (const ExifRow& row : selectExifRows(reader, exifInfo)) {
        lines.push_back(row.label + "=" + row.value);
    }
    return lines;
}

ExifWriter cameraFile(ByteOrder order) {
    ExifWriter writer(order);
    writer.ascii(Dir::Main, 0x010F, "Vistrel")
        .ascii(Dir::Main, 0x0110, "VX1")
        .exifPointer()
        .rational(Dir::Exif, 0x829A, 1, 125)
        .rational(Dir::Exif, 0x829D, 28, 10)
        .shortValues(Dir::Exif, 0x8822, {2})
        .shortValues(Dir::Exif, 0x8827, {100, 200})
        .ascii(Dir::Exif, 0x9003, "2005:06:12 10:30:00")
        .srational(Dir::Exif, 0x9201, 69658, 10000)
        .rational(Dir::Exif, 0x9202, 3, 1)
        .srational(Dir::Exif, 0x9204, -1, 3)
        .shortValues(Dir::Exif, 0x9207, {2})
        .shortValues(Dir::Exif, 0x9209, {25})
        .rational(Dir::Exif, 0x920A, 720, 100);
    return writer;
}

TEST(TheExifItemSelection, CountsTheSetBitsAmongTheTwelveItemBits) {
    EXPECT_EQ(selectedExifItemCount(kDefaultExifInfo), 8);
    EXPECT_EQ(selectedExifItemCount(kAllItems), 12);
    EXPECT_EQ(selectedExifItemCount(0xFFFF), 12);
    EXPECT_EQ(selectedExifItemCount(0xF000), 0);
    EXPECT_EQ(selectedExifItemCount(0), 0);
}

TEST(TheExifRows, FollowTheFileOrderOfTheSelectedTagsForTheDefaultSelection) {
    const ReaderFolder folder = rowsFolder();
    for (const ByteOrder order : {ByteOrder::Motorola, ByteOrder::Intel}) {
        const ExifReader reader = folder.readAll(cameraFile(order).jpeg());
        EXPECT_EQ(rowsOf(reader, kDefaultExifInfo),
                  (Lines{"Ｆナンバー=F2.8", "露出プログラム=プログラム AE", "ISOスピードレート=100",
                         "原画像データの生成日時=2005:06:12 10:30:00",
                         "シャッタースピード=1/125 (秒)", "測光方式=中央重点",
                         "フラッシュ=フラッシュ自動発光", "レンズ焦点距離=7.20 (mm)"}));
    }
}

TEST(TheExifRows, PutIfd0ItemsFirstWhateverTheirBitNumbers) {
    const ReaderFolder folder = rowsFolder();
    const ExifReader reader = folder.readAll(cameraFile(ByteOrder::Intel).jpeg());
    EXPECT_EQ(
        rowsOf(reader, kAllItems),
        (Lines{"メーカ名=Vistrel", "機種名=VX1", "Ｆナンバー=F2.8", "露出プログラム=プログラム AE",
               "ISOスピードレート=100", "原画像データの生成日時=2005:06:12 10:30:00",
               "シャッタースピード=1/125 (秒)", "絞り値=F2.8", "露出補正値=EV-0.3",
               "測光方式=中央重点", "フラッシュ=フラッシュ自動発光", "レンズ焦点距離=7.20 (mm)"}));
    EXPECT_EQ(rowsOf(reader, bits({11, 9, 0})),
              (Lines{"機種名=VX1", "Ｆナンバー=F2.8", "露出補正値=EV-0.3"}));
    EXPECT_TRUE(rowsOf(reader, 0).empty());
}

TEST(TheExifRows, ShowTheExposureTimeLastWhenThereIsNoShutterSpeedValue) {
    const ReaderFolder folder = rowsFolder();
    ExifWriter writer(ByteOrder::Motorola);
    writer.exifPointer()
        .rational(Dir::Exif, 0x829A, 10, 1250)
        .rational(Dir::Exif, 0x829D, 56, 10)
        .shortValues(Dir::Exif, 0x9209, {0});
    const ExifReader reader = folder.readAll(writer.jpeg());
    EXPECT_EQ(rowsOf(reader, kDefaultExifInfo),
              (Lines{"Ｆナンバー=F5.6", "フラッシュ=フラッシュ非発光", "露出時間=10/1250 (秒)"}));
    EXPECT_EQ(rowsOf(reader, bits({0, 7})),
              (Lines{"Ｆナンバー=F5.6", "フラッシュ=フラッシュ非発光"}));
}

TEST(TheExifRows, ShowOnlyTheShutterSpeedValueWhenBothAreThere) {
    const ReaderFolder folder = rowsFolder();
    const ExifReader reader = folder.readAll(cameraFile(ByteOrder::Motorola).jpeg());
    EXPECT_EQ(rowsOf(reader, bits({4})), Lines{"シャッタースピード=1/125 (秒)"});
}

TEST(TheExifRows, StillFallBackToTheExposureTimeWhenTheShutterSpeedValueIsInIfd0) {
    const ReaderFolder folder = rowsFolder();
    ExifWriter writer(ByteOrder::Intel);
    writer.srational(Dir::Main, 0x9201, -1, 1).exifPointer().rational(Dir::Exif, 0x829A, 2, 1);
    const ExifReader reader = folder.readAll(writer.jpeg());
    EXPECT_EQ(rowsOf(reader, bits({4, 0})),
              (Lines{"シャッタースピード=2.00 (秒)", "露出時間=2/1 (秒)"}));
}

TEST(TheExifRows, TakeNoMoreRowsThanItemsAreSelected) {
    const ReaderFolder folder = rowsFolder();
    ExifWriter writer(ByteOrder::Motorola);
    writer.ascii(Dir::Main, 0x010F, "Vistrel")
        .exifPointer()
        .ascii(Dir::Exif, 0x010F, "Other")
        .rational(Dir::Exif, 0x829D, 28, 10)
        .rational(Dir::Exif, 0x829A, 1, 60)
        .rational(Dir::Exif, 0x829A, 1, 30);
    const ExifReader reader = folder.readAll(writer.jpeg());
    // Maker and F number selected: the maker of both directories fills the two places.
    EXPECT_EQ(rowsOf(reader, bits({10, 0})), (Lines{"メーカ名=Vistrel", "メーカ名=Other"}));
    // Shutter speed alone: one place, taken by the first exposure time.
    EXPECT_EQ(rowsOf(reader, bits({4})), Lines{"露出時間=1/60 (秒)"});
    EXPECT_EQ(rowsOf(reader, bits({4, 0, 1, 2})),
              (Lines{"Ｆナンバー=F2.8", "露出時間=1/60 (秒)", "露出時間=1/30 (秒)"}));
}

} // namespace
} // namespace vistrel
