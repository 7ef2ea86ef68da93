// SPDX-License-Identifier: MIT
#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "platform/FileBytes.h"
#include "platform/TiffCursor.h"
#include "support/BytesRead.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::TempDir;

constexpr std::uint64_t kHuge = std::numeric_limits<std::uint64_t>::max();

TEST(ATiffCursor, ReadsNumbersInMotorolaOrderUntilToldOtherwise) {
    FileBytes bytes(std::string("\x12\x34\x56\x78", 4));
    TiffCursor cursor(bytes);
    EXPECT_EQ(cursor.Get16(0), 0x1234);
    EXPECT_EQ(cursor.Get16(2), 0x5678);
    EXPECT_EQ(cursor.Get32(0), 0x12345678u);
    cursor.setLittleEndian(true);
    EXPECT_EQ(cursor.Get16(0), 0x3412);
    EXPECT_EQ(cursor.Get32(0), 0x78563412u);
    EXPECT_EQ(cursor.byteAt(3), 0x78);
}

TEST(ATiffCursor, MovesPastWhatItReadsAndStaysWhereItWasWhenAReadDoesNotFit) {
    FileBytes bytes(std::string("\x01\x02\x03\x04\x05", 5));
    TiffCursor cursor(bytes);
    EXPECT_EQ(cursor.readByte(), 0x01);
    EXPECT_EQ(cursor.read16(), 0x0203);
    EXPECT_EQ(cursor.position(), 3u);
    EXPECT_EQ(cursor.read32(), std::nullopt);
    EXPECT_EQ(cursor.position(), 3u);
    EXPECT_EQ(cursor.read16(), 0x0405);
    EXPECT_EQ(cursor.readByte(), std::nullopt);
    EXPECT_EQ(cursor.position(), 5u);
}

TEST(ATiffCursor, RefusesEveryPositionAndLengthPastTheEndWithoutWrappingAround) {
    FileBytes bytes(std::string(8, 'x'));
    TiffCursor cursor(bytes);
    EXPECT_TRUE(cursor.seek(8));
    EXPECT_FALSE(cursor.seek(9));
    EXPECT_FALSE(cursor.seek(kHuge));
    EXPECT_EQ(cursor.position(), 8u);
    EXPECT_TRUE(cursor.seek(6));
    EXPECT_FALSE(cursor.skip(3));
    EXPECT_FALSE(cursor.skip(kHuge));
    EXPECT_TRUE(cursor.skip(2));
    EXPECT_EQ(cursor.Get16(7), std::nullopt);
    EXPECT_EQ(cursor.Get32(kHuge - 1), std::nullopt);
    EXPECT_EQ(cursor.byteAt(kHuge), std::nullopt);
    EXPECT_EQ(cursor.bytesAt(4, kHuge), std::nullopt);
    EXPECT_EQ(cursor.bytesAt(kHuge, 1), std::nullopt);
    EXPECT_EQ(cursor.bytesAt(8, 0), "");
    EXPECT_EQ(cursor.bytesAt(5, 3), "xxx");
}

TEST(ATiffCursor, ReadsAWindowOnlyInsideItAndFromItsOwnStart) {
    FileBytes bytes(std::string("\xAA\xBB\x00\x07\x00\x09\xCC", 7));
    TiffCursor file(bytes);
    file.setLittleEndian(true);
    const auto value = file.window(2, 4);
    ASSERT_TRUE(value.has_value());
    EXPECT_TRUE(value->littleEndian());
    EXPECT_EQ(value->size(), 4u);
    EXPECT_EQ(value->Get16(0), 0x0700);
    EXPECT_EQ(value->Get32(0), 0x09000700u);
    EXPECT_EQ(value->Get16(3), std::nullopt);
    EXPECT_EQ(value->byteAt(4), std::nullopt);
    EXPECT_FALSE(value->window(1, 4).has_value());
    EXPECT_FALSE(file.window(4, 4).has_value());
    EXPECT_FALSE(file.window(kHuge, 2).has_value());
    EXPECT_FALSE(file.window(2, kHuge).has_value());
    EXPECT_TRUE(file.window(7, 0).has_value());
}

TEST(FileBytesOfAFile, ReadOnlyItsStartUntilLaterBytesAreAskedFor) {
    TempDir dir;
    std::string content(300 * 1024, '\0');
    content[5] = 'a';
    content[200 * 1024] = 'b';
    content.back() = 'c';
    const std::string path = dir.write("big.jpg", content);
    const auto start = test::bytesReadByProcess();
    if (!start) {
        GTEST_SKIP() << "the kernel does not count the bytes this process reads";
    }
    const auto readSinceStart = [&start] { return *test::bytesReadByProcess() - *start; };
    FileBytes bytes = FileBytes::open(path);
    ASSERT_TRUE(bytes.status().ok());
    EXPECT_EQ(bytes.size(), content.size());
    TiffCursor cursor(bytes);
    EXPECT_EQ(cursor.byteAt(5), 'a');
    EXPECT_LT(readSinceStart(), 100u * 1024);
    EXPECT_EQ(cursor.byteAt(200 * 1024), 'b');
    EXPECT_LT(readSinceStart(), content.size());
    EXPECT_EQ(cursor.byteAt(content.size() - 1), 'c');
    EXPECT_EQ(cursor.byteAt(content.size()), std::nullopt);
    EXPECT_EQ(cursor.bytesAt(content.size() - 2, 2), std::string("\0c", 2));
}

TEST(FileBytesOfAFile, CountWhatWasCutOffAfterOpeningAsOutsideTheFile) {
    TempDir dir;
    const std::string path = dir.write("cut.jpg", std::string(100 * 1024, 'z'));
    FileBytes bytes = FileBytes::open(path);
    dir.write("cut.jpg", std::string(10, 'z'));
    TiffCursor cursor(bytes);
    EXPECT_EQ(cursor.byteAt(9), 'z');
    EXPECT_EQ(cursor.byteAt(10), std::nullopt);
    EXPECT_EQ(cursor.byteAt(90 * 1024), std::nullopt);
}

TEST(FileBytesOfAFile, SayWhyAFileCannotBeOpenedAndNeverOpenAFifoOrAFolder) {
    TempDir dir;
    const FileBytes missing = FileBytes::open(dir.file("none.jpg"));
    EXPECT_FALSE(missing.status().ok());
    EXPECT_EQ(missing.status().path(), dir.file("none.jpg"));
    EXPECT_EQ(missing.size(), 0u);
    EXPECT_FALSE(FileBytes::open(dir.makeFifo("pipe.jpg")).status().ok());
    EXPECT_FALSE(FileBytes::open(dir.path().string()).status().ok());
}

} // namespace
} // namespace vistrel
