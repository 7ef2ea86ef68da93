// SPDX-License-Identifier: MIT
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ReaderFixture.h"
#include "exif/ExifReader.h"
#include "support/ExifWriter.h"

namespace vistrel {
namespace {

using test::ByteOrder;
using test::describe;
using test::ExifWriter;
using test::ReaderFolder;
using Dir = test::ExifDirectory;
using Lines = std::vector<std::string>;

constexpr std::size_t kTiffInJpeg = 12;
constexpr std::size_t kEndOfImageSize = 2;

TEST(ADamagedExifFile, SkipsAValueOutsideTheFileAndReadsTheNextEntry) {
    ReaderFolder folder;
    ExifWriter writer(ByteOrder::Motorola);
    writer.rawEntry(Dir::Main, 0x010F, test::kTypeAscii, 20, 0xFFFFFF00)
        .ascii(Dir::Main, 0x0110, "VX1")
        .exifPointer()
        .rational(Dir::Exif, 0x829D, 28, 10)
        .rawEntry(Dir::Exif, 0x9003, test::kTypeAscii, 20, 80);
    const ExifReader reader = folder.readAll(writer.jpeg());
    // IFD0 has 3 entries: the EXIF directory is at 8 + 2 + 36 + 4 = 50, its 2 entries end at
    // 80, where the F number's 8 bytes start; they and FF D9 end the file 10 bytes later. So
    // the text at 80 starts inside the file and runs past its end.
    EXPECT_EQ(describe(reader.mainEntries()),
              (Lines{"0x010F 2 20 1 メーカ名=", "0x0110 2 4 1 機種名=VX1",
                     "0x8769 4 1 4 Exif IFDへのポインタ=50 バイト"}));
    EXPECT_EQ(describe(reader.exifEntries()),
              (Lines{"0x829D 5 1 8 Ｆナンバー=F2.8", "0x9003 2 20 1 原画像データの生成日時="}));
}

TEST(ADamagedExifFile, SkipsAValueWithAHugeCount) {
    ReaderFolder folder;
    ExifWriter writer(ByteOrder::Intel);
    writer.exifPointer()
        .rawEntry(Dir::Exif, 0x9003, test::kTypeAscii, 0xFFFFFFFF, 8)
        .rational(Dir::Exif, 0x829D, 110, 10);
    const ExifReader reader = folder.readAll(writer.jpeg());
    EXPECT_EQ(
        describe(reader.exifEntries()),
        (Lines{"0x9003 2 4294967295 1 原画像データの生成日時=", "0x829D 5 1 8 Ｆナンバー=F11.0"}));
}

TEST(ADamagedExifFile, ComputesCountTimesUnitSizeWithoutWrappingAround) {
    ReaderFolder folder;
    // IFD0 holds the pointer only (EXIF directory at 8 + 18 = 26); the EXIF directory has two
    // entries, so the data area, holding -2/3, starts at 26 + 30 = 56. 8 x 0x20000001 is
    // 0x100000008: in 32 bits it would be 8 and read -2/3 again.
    ExifWriter writer(ByteOrder::Motorola);
    writer.exifPointer()
        .srational(Dir::Exif, 0x9204, -2, 3)
        .rawEntry(Dir::Exif, 0x9204, test::kTypeSRational, 0x20000001, 56);
    const ExifReader reader = folder.readAll(writer.jpeg());
    EXPECT_EQ(describe(reader.exifEntries()),
              (Lines{"0x9204 10 1 8 露出補正値=EV-0.7", "0x9204 10 536870913 8 露出補正値="}));

    // 8 x 0x20000000 would be 0 in 32 bits: the pointer would be read from the value field.
    ExifWriter pointer(ByteOrder::Motorola);
    pointer.rawEntry(Dir::Main, 0x8769, test::kTypeDouble, 0x20000000, 26)
        .shortValues(Dir::Exif, 0x8822, {2});
    const ExifReader second = folder.readAll(pointer.jpeg());
    EXPECT_FALSE(second.exifPointerSeen());
    EXPECT_EQ(describe(second.mainEntries()), Lines{"0x8769 12 536870912 8 Exif IFDへのポインタ="});
}

TEST(ADamagedExifFile, EndsTheWalkAfterTheEntriesThatFitWhenTheCountIsTooLarge) {
    ReaderFolder folder;
    // After the entries come the next-directory offset and FF D9: 6 bytes, no whole entry.
    ExifWriter main(ByteOrder::Intel);
    main.shortValues(Dir::Main, 0x0112, {3}).ascii(Dir::Main, 0x0110, "VX1");
    main.announceEntries(Dir::Main, 65535);
    const ExifReader first = folder.readAll(main.jpeg());
    EXPECT_EQ(describe(first.mainEntries()),
              (Lines{"0x0112 3 1 2 画像方向=右下", "0x0110 2 4 1 機種名=VX1"}));

    ExifWriter exif(ByteOrder::Motorola);
    exif.exifPointer().shortValues(Dir::Exif, 0x8822, {3}).announceEntries(Dir::Exif, 65535);
    const ExifReader second = folder.readAll(exif.jpeg());
    EXPECT_EQ(describe(second.exifEntries()), Lines{"0x8822 3 1 2 露出プログラム=絞り優先"});
}

TEST(ADamagedExifFile, GivesNoEntriesForADirectoryOutsideTheFile) {
    ReaderFolder folder;
    ExifWriter writer(ByteOrder::Motorola);
    writer.ascii(Dir::Main, 0x0110, "VX1")
        .rawEntry(Dir::Main, 0x8769, test::kTypeLong, 1, 0x7FFFFFFF)
        .shortValues(Dir::Exif, 0x8822, {3});
    bool available = false;
    const ExifReader reader = folder.readAll(writer.jpeg(), &available);
    EXPECT_TRUE(available);
    EXPECT_EQ(reader.exifDirectoryOffset(), 0x7FFFFFFFu);
    EXPECT_EQ(reader.mainEntries().size(), 2u);
    EXPECT_TRUE(reader.exifEntries().empty());

    std::string tiff = writer.tiff();
    tiff.replace(4, 4, "\xFF\xFF\xFF\xF0");
    const ExifReader outside = folder.readAll(ExifWriter::jpegAround(tiff));
    EXPECT_EQ(outside.mainDirectoryOffset(), 0xFFFFFFF0u);
    EXPECT_TRUE(outside.mainEntries().empty());
}

TEST(ADamagedExifFile, ReadsWhatLiesBeforeTheCutOfATruncatedFile) {
    ReaderFolder folder;
    ExifWriter writer(ByteOrder::Motorola);
    writer.ascii(Dir::Main, 0x010F, "Vistrel")
        .ascii(Dir::Main, 0x0110, "VX1")
        .exifPointer()
        .rational(Dir::Exif, 0x829A, 1, 125)
        .shortValues(Dir::Exif, 0x8822, {2})
        .rational(Dir::Exif, 0x829D, 28, 10)
        .shortValues(Dir::Exif, 0x9207, {1});
    // IFD0 (3 entries) ends at 50, where the EXIF directory starts; cutting 5 bytes into its
    // third entry leaves two whole entries, and the data area with every long value is gone.
    const std::string file = writer.jpeg().substr(0, kTiffInJpeg + 50 + 2 + 2 * 12 + 5);
    const ExifReader reader = folder.readAll(file);
    EXPECT_EQ(describe(reader.mainEntries()),
              (Lines{"0x010F 2 8 1 メーカ名=", "0x0110 2 4 1 機種名=VX1",
                     "0x8769 4 1 4 Exif IFDへのポインタ=50 バイト"}));
    EXPECT_EQ(describe(reader.exifEntries()),
              (Lines{"0x829A 5 1 8 露出時間=", "0x8822 3 1 2 露出プログラム=プログラム AE"}));

    const ExifReader header = folder.readAll(writer.jpeg().substr(0, kTiffInJpeg + 6));
    EXPECT_TRUE(header.mainEntries().empty());
}

TEST(ADamagedExifFile, ReadsAValueThatEndsExactlyAtTheEndOfTheFile) {
    ReaderFolder folder;
    ExifWriter writer(ByteOrder::Intel);
    writer.entry(Dir::Main, 0x010F, test::kTypeAscii, 7, "Vistrel");
    const std::string file = writer.jpeg();
    const std::string upToValue = file.substr(0, file.size() - kEndOfImageSize);
    ExifReader whole = folder.reader("a.jpg", upToValue);
    ASSERT_EQ(whole.LocateExif(), ExifReader::kExifFound);
    ASSERT_TRUE(whole.LoadCodeTable());
    whole.ReadMainDirectory();
    EXPECT_EQ(describe(whole.mainEntries()), Lines{"0x010F 2 7 1 メーカ名=Vistrel"});

    ExifReader cut = folder.reader("b.jpg", upToValue.substr(0, upToValue.size() - 1));
    ASSERT_EQ(cut.LocateExif(), ExifReader::kExifFound);
    ASSERT_TRUE(cut.LoadCodeTable());
    cut.ReadMainDirectory();
    EXPECT_EQ(describe(cut.mainEntries()), Lines{"0x010F 2 7 1 メーカ名="});
}

TEST(ADamagedExifFile, ShowsZeroDenominatorsAsNothingOrAsStored) {
    ReaderFolder folder;
    ExifWriter writer(ByteOrder::Intel);
    writer.exifPointer()
        .rational(Dir::Exif, 0x829A, 1, 0)
        .rational(Dir::Exif, 0x829D, 28, 0)
        .srational(Dir::Exif, 0x9201, 0, 0)
        .rational(Dir::Exif, 0x9202, 0, 0)
        .srational(Dir::Exif, 0x9204, -1, 0)
        .rational(Dir::Exif, 0x920A, 720, 0);
    const ExifReader reader = folder.readAll(writer.jpeg());
    EXPECT_EQ(describe(reader.exifEntries()),
              (Lines{"0x829A 5 1 8 露出時間=1/0 (秒)", "0x829D 5 1 8 Ｆナンバー=",
                     "0x9201 10 1 8 シャッタースピード=", "0x9202 5 1 8 絞り値=",
                     "0x9204 10 1 8 露出補正値=", "0x920A 5 1 8 レンズ焦点距離="}));
}

TEST(ADamagedExifFile, StopsATextWithoutItsZeroAtItsCount) {
    ReaderFolder folder;
    ExifWriter writer(ByteOrder::Motorola);
    writer.entry(Dir::Main, 0x010F, test::kTypeAscii, 7, "Vistrel")
        .entry(Dir::Main, 0x0110, test::kTypeAscii, 3, "VX1")
        .shortValues(Dir::Main, 0x0112, {8});
    const ExifReader reader = folder.readAll(writer.jpeg());
    EXPECT_EQ(describe(reader.mainEntries()),
              (Lines{"0x010F 2 7 1 メーカ名=Vistrel", "0x0110 2 3 1 機種名=VX1",
                     "0x0112 3 1 2 画像方向=左下"}));
}

TEST(ADamagedExifFile, ReadsIfd0AgainWhenTheExifPointerPointsBackAtIt) {
    ReaderFolder folder;
    ExifWriter writer(ByteOrder::Intel);
    writer.ascii(Dir::Main, 0x0110, "VX1").rawEntry(Dir::Main, 0x8769, test::kTypeLong, 1, 8);
    const ExifReader reader = folder.readAll(writer.jpeg());
    EXPECT_EQ(describe(reader.exifEntries()), describe(reader.mainEntries()));
    EXPECT_EQ(reader.exifEntries().size(), 2u);
}

} // namespace
} // namespace vistrel
