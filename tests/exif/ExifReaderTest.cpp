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
using test::describe;
using test::ExifWriter;
using test::JpegLayout;
using test::ReaderFolder;
using Dir = test::ExifDirectory;

// IFD0 with maker, model and orientation, and an EXIF directory with the shooting items.
ExifWriter cameraFile(ByteOrder order) {
    ExifWriter writer(order);
    writer.ascii(Dir::Main, 0x010F, "Vistrel")
        .ascii(Dir::Main, 0x0110, "VX1")
        .shortValues(Dir::Main, 0x0112, {1})
        .exifPointer()
        .rational(Dir::Exif, 0x829A, 1, 125)
        .rational(Dir::Exif, 0x829D, 28, 10)
        .shortValues(Dir::Exif, 0x8822, {2})
        .shortValues(Dir::Exif, 0x8827, {100})
        .entry(Dir::Exif, 0x9000, test::kTypeUndefined, 4, "0220")
        .ascii(Dir::Exif, 0x9003, "2005:06:12 10:30:00")
        .srational(Dir::Exif, 0x9201, 69658, 10000)
        .rational(Dir::Exif, 0x9202, 3, 1)
        .srational(Dir::Exif, 0x9204, -2, 3)
        .shortValues(Dir::Exif, 0x9207, {5})
        .shortValues(Dir::Exif, 0x9209, {16})
        .rational(Dir::Exif, 0x920A, 720, 100);
    return writer;
}

// IFD0 of cameraFile: 4 entries, so the EXIF directory is at 8 + 2 + 48 + 4 = 62.
const std::vector<std::string> kCameraMain = {
    "0x010F 2 8 1 メーカ名=Vistrel",
    "0x0110 2 4 1 機種名=VX1",
    "0x0112 3 1 2 画像方向=左上",
    "0x8769 4 1 4 Exif IFDへのポインタ=62 バイト",
};

const std::vector<std::string> kCameraExif = {
    "0x829A 5 1 8 露出時間=1/125 (秒)",
    "0x829D 5 1 8 Ｆナンバー=F2.8",
    "0x8822 3 1 2 露出プログラム=プログラム AE",
    "0x8827 3 1 2 不明=",
    "0x9000 7 4 1 Exifバージョン=0220",
    "0x9003 2 20 1 原画像データの生成日時=2005:06:12 10:30:00",
    "0x9201 10 1 8 シャッタースピード=1/125 (秒)",
    "0x9202 5 1 8 絞り値=F2.8",
    "0x9204 10 1 8 露出補正値=EV-0.7",
    "0x9207 3 1 2 測光方式=マルチセグメント",
    "0x9209 3 1 2 フラッシュ=フラッシュ強制オフ",
    "0x920A 5 1 8 レンズ焦点距離=7.20 (mm)",
};

TEST(LocatingExif, FindsAnApp1SegmentRightAfterTheStartOfImage) {
    ReaderFolder folder;
    ExifReader reader = folder.reader("a.jpg", cameraFile(ByteOrder::Intel).jpeg());
    EXPECT_EQ(reader.LocateExif(), ExifReader::kExifFound);
    EXPECT_EQ(reader.tiffHeaderPosition(), 12u);
    EXPECT_TRUE(reader.fileStatus().ok());
}

TEST(LocatingExif, FindsTheApp1SegmentAfterAJfifSegmentAndPlacesTheHeaderAt30) {
    ReaderFolder folder;
    ExifReader reader =
        folder.reader("a.jpg", cameraFile(ByteOrder::Motorola).jpeg({.jfifFirst = true}));
    EXPECT_EQ(reader.LocateExif(), ExifReader::kExifFound);
    EXPECT_EQ(reader.tiffHeaderPosition(), 30u);
}

TEST(LocatingExif, FollowsAnFfThatIsByte512AfterTheApp0MarkerButNotByte513) {
    ReaderFolder folder;
    // The JFIF segment is bytes 1 to 16 after the marker, so 495 filler bytes put FF at 512.
    ExifReader at512 = folder.reader(
        "a.jpg", cameraFile(ByteOrder::Intel).jpeg({.jfifFirst = true, .fillerBytes = 495}));
    EXPECT_EQ(at512.LocateExif(), ExifReader::kExifFound);
    EXPECT_EQ(at512.tiffHeaderPosition(), 12u + 513u);
    ASSERT_TRUE(at512.LoadCodeTable());
    at512.ReadMainDirectory();
    EXPECT_EQ(describe(at512.mainEntries()), kCameraMain);

    ExifReader at513 = folder.reader(
        "b.jpg", cameraFile(ByteOrder::Intel).jpeg({.jfifFirst = true, .fillerBytes = 496}));
    EXPECT_EQ(at513.LocateExif(), ExifReader::kNoExif);
}

TEST(LocatingExif, TestsOnlyTheByteRightAfterAnFf) {
    ReaderFolder folder;
    // After FF E0: 00 04 FF FF E1 is bytes 1 to 5 (its E1 follows an FF that was itself read as
    // the byte after an FF), then FF E1 is bytes 6 and 7: the header is at 12 + 7.
    const std::string tiff = cameraFile(ByteOrder::Intel).tiff();
    const std::string file =
        std::string("\xFF\xD8\xFF\xE0\x00\x04\xFF\xFF\xE1\xFF\xE1\x01\x00", 13) +
        std::string("Exif\0\0", 6) + tiff;
    ExifReader reader = folder.reader("a.jpg", file);
    EXPECT_EQ(reader.LocateExif(), ExifReader::kExifFound);
    EXPECT_EQ(reader.tiffHeaderPosition(), 19u);
    ASSERT_TRUE(reader.LoadCodeTable());
    reader.ReadMainDirectory();
    EXPECT_EQ(describe(reader.mainEntries()), kCameraMain);

    ExifReader without = folder.reader("b.jpg", std::string("\xFF\xD8\xFF\xE0\x00\x04\xFF\xFF\xE1"
                                                            "\x00\x01\x00"
                                                            "Exif\0\0",
                                                            18) +
                                                    tiff);
    EXPECT_EQ(without.LocateExif(), ExifReader::kNoExif);
}

TEST(LocatingExif, RefusesAFileThatDoesNotStartWithTheStartOfImageMarker) {
    ReaderFolder folder;
    for (const std::string& bytes : {std::string("\x89PNG\r\n\x1A\n", 8), std::string("\xFF", 1),
                                     std::string(), std::string("\xD8\xFF\xE1", 3)}) {
        EXPECT_EQ(folder.reader("a.jpg", bytes).LocateExif(), ExifReader::kNotJpeg);
    }
}

TEST(LocatingExif, ReportsAJpegWithoutUsableExifWhenTheSegmentIsMissingOrNotExif) {
    ReaderFolder folder;
    const std::string tiff = cameraFile(ByteOrder::Intel).tiff();
    for (const std::string& bytes : {
             std::string("\xFF\xD8\xFF\xDB\x00\x43", 6),
             std::string("\xFF\xD8\x00\xE1\x00\x08"
                         "Exif\0\0",
                         12) +
                 tiff,
             std::string("\xFF\xD8\xFF\xE1\x00\x08http\0\0", 12) + tiff,
             std::string("\xFF\xD8\xFF\xE1\x00\x08"
                         "Exi",
                         9),
             std::string("\xFF\xD8\xFF", 3),
             std::string("\xFF\xD8", 2),
         }) {
        EXPECT_EQ(folder.reader("a.jpg", bytes).LocateExif(), ExifReader::kNoExif);
    }
}

TEST(LocatingExif, ReportsNoJpegForAFileThatCannotBeOpened) {
    ExifReader reader("/nonexistent/folder/a.jpg", {});
    EXPECT_EQ(reader.LocateExif(), ExifReader::kNotJpeg);
    EXPECT_FALSE(reader.fileStatus().ok());
    reader.ReadMainDirectory();
    EXPECT_TRUE(reader.mainEntries().empty());
    EXPECT_FALSE(reader.LoadCodeTable());
}

TEST(AnExifReader, ReadsBothDirectoriesWithLabelsAndValuesInFileOrder) {
    ReaderFolder folder;
    for (const ByteOrder order : {ByteOrder::Motorola, ByteOrder::Intel}) {
        bool available = false;
        const ExifReader reader = folder.readAll(cameraFile(order).jpeg(), &available);
        EXPECT_TRUE(available);
        EXPECT_EQ(reader.littleEndian(), order == ByteOrder::Intel);
        EXPECT_EQ(reader.mainDirectoryOffset(), 8u);
        EXPECT_TRUE(reader.exifPointerSeen());
        EXPECT_EQ(reader.exifDirectoryOffset(), 62u);
        EXPECT_EQ(describe(reader.mainEntries()), kCameraMain);
        EXPECT_EQ(describe(reader.exifEntries()), kCameraExif);
    }
}

TEST(AnExifReader, ReadsTheSameAfterAJfifSegment) {
    ReaderFolder folder;
    const ExifReader reader =
        folder.readAll(cameraFile(ByteOrder::Motorola).jpeg({.jfifFirst = true}));
    EXPECT_EQ(describe(reader.mainEntries()), kCameraMain);
    EXPECT_EQ(describe(reader.exifEntries()), kCameraExif);
}

TEST(AnExifReader, ReadsAnOrderMarkOtherThanIiOrMmAsMotorolaAndIgnoresTheMagicNumber) {
    ReaderFolder folder;
    std::string tiff = cameraFile(ByteOrder::Motorola).tiff();
    tiff.replace(0, 4, std::string("XX\x00\x2B", 4));
    const ExifReader reader = folder.readAll(ExifWriter::jpegAround(tiff));
    EXPECT_FALSE(reader.littleEndian());
    EXPECT_EQ(describe(reader.mainEntries()), kCameraMain);
    EXPECT_EQ(describe(reader.exifEntries()), kCameraExif);
}

TEST(AnExifReader, LeavesEntriesOfUnknownTypesEmptyAndReadsTheNextOnesFromTheirOwnPlace) {
    ReaderFolder folder;
    ExifWriter writer(ByteOrder::Intel);
    writer.rawEntry(Dir::Main, 0x010F, 0, 9, 0x41414141)
        .ascii(Dir::Main, 0x0110, "VX-100 Mark II")
        .rawEntry(Dir::Main, 0x0112, 13, 1, 1)
        .shortValues(Dir::Main, 0x0112, {6});
    const ExifReader reader = folder.readAll(writer.jpeg());
    EXPECT_EQ(
        describe(reader.mainEntries()),
        (std::vector<std::string>{"0x010F 0 0 0 メーカ名=", "0x0110 2 15 1 機種名=VX-100 Mark II",
                                  "0x0112 13 0 0 画像方向=", "0x0112 3 1 2 画像方向=右上"}));
}

TEST(AnExifReader, GivesATagMissingFromTheTableTheUnknownLabelAndNoValueOrSideEffect) {
    ReaderFolder folder;
    const ExifReader reader = folder.readAll(cameraFile(ByteOrder::Intel).jpeg());
    EXPECT_EQ(describe(reader.exifEntries()[3]), "0x8827 3 1 2 不明=");
    EXPECT_EQ(reader.speedValue(), 0u);
}

TEST(AnExifReader, KeepsTheLastSpeedValueForTheBrightnessValueThatFollowsIt) {
    ReaderFolder folder({"0115\tコンポーネント数", "8769\tExif", "8827\tISO", "9203\t輝度値"});
    ExifWriter writer(ByteOrder::Motorola);
    writer.shortValues(Dir::Main, 0x0115, {3})
        .exifPointer()
        .srational(Dir::Exif, 0x9203, 1, 1)
        .shortValues(Dir::Exif, 0x8827, {100})
        .srational(Dir::Exif, 0x9203, 1, 1);
    const ExifReader reader = folder.readAll(writer.jpeg());
    ASSERT_EQ(reader.exifEntries().size(), 3u);
    // 1 + log2(3 x 0.32) = 1 - 0.0589 before the ISO value; 1 + log2(100 x 0.32) = 6 after it.
    EXPECT_EQ(reader.exifEntries()[0].value, "EV0.9");
    EXPECT_EQ(reader.exifEntries()[2].value, "EV6.0");
    EXPECT_EQ(reader.speedValue(), 100u);
}

TEST(AnExifReader, ShowsTheOffsetOfAMakerNoteAndNeverReadsTheNote) {
    ReaderFolder folder;
    ExifWriter writer(ByteOrder::Motorola);
    writer.exifPointer().rawEntry(Dir::Exif, 0x927C, test::kTypeUndefined, 100000, 0x1234);
    const ExifReader reader = folder.readAll(writer.jpeg());
    EXPECT_EQ(describe(reader.exifEntries()),
              std::vector<std::string>{"0x927C 7 100000 1 メーカノート=4660 バイト"});
}

TEST(AnExifReader, ReadsNoExifDirectoryWhenIfd0HasNoPointer) {
    ReaderFolder folder;
    ExifWriter writer(ByteOrder::Intel);
    writer.ascii(Dir::Main, 0x010F, "Vistrel").ascii(Dir::Main, 0x0110, "VX1");
    bool available = true;
    const ExifReader reader = folder.readAll(writer.jpeg(), &available);
    EXPECT_FALSE(available);
    EXPECT_FALSE(reader.exifPointerSeen());
    EXPECT_EQ(reader.mainEntries().size(), 2u);
    EXPECT_TRUE(reader.exifEntries().empty());
}

TEST(AnExifReader, ReadsNoExifDirectoryWhenTheTableLacksThePointerTag) {
    ReaderFolder folder({"010F\tメーカ名", "0110\t機種名", "829D\tＦナンバー"});
    bool available = true;
    const ExifReader reader = folder.readAll(cameraFile(ByteOrder::Intel).jpeg(), &available);
    EXPECT_FALSE(available);
    EXPECT_EQ(describe(reader.mainEntries()[3]), "0x8769 4 1 4 不明=");
    EXPECT_TRUE(reader.exifEntries().empty());
}

TEST(AnExifReader, ReadsNothingWithoutACodeTable) {
    ReaderFolder folder;
    ExifReader reader(folder.dir().write("a.jpg", cameraFile(ByteOrder::Intel).jpeg()),
                      {folder.dir().file("none.vtd"), folder.dir().path().string()});
    const ExifBlock block = readExifBlock(reader);
    EXPECT_EQ(block.located, ExifReader::kExifFound);
    EXPECT_FALSE(block.codeTableLoaded);
    EXPECT_FALSE(block.available);
    EXPECT_TRUE(reader.mainEntries().empty());
}

TEST(AnExifReader, TakesTheFirstCodeTableThatCanBeRead) {
    ReaderFolder folder;
    ExifReader reader(folder.dir().write("a.jpg", cameraFile(ByteOrder::Intel).jpeg()),
                      {folder.dir().file("none.vtd"), folder.codeTablePath()});
    EXPECT_TRUE(reader.LoadCodeTable()) << "the missing first table is passed over";
    EXPECT_TRUE(readExifBlock(reader).codeTableLoaded);
}

} // namespace
} // namespace vistrel
