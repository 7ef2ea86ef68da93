// SPDX-License-Identifier: MIT
#include "text/StoredLines.h"

#include <gtest/gtest.h>

#include "TextBytes.h"

namespace vistrel {
namespace {

using detail::bytesOf;

const std::string kMark = "\xEF\xBB\xBF";
// 纊 as the NEC-selected IBM extension writes it; encoding the character gives 0xFA5C instead.
const std::string kNecSelectedKanji = bytesOf({0xED, 0x40});
// 画像 in CP932.
const std::string kGazouCp932 = bytesOf({0x89, 0xE6, 0x91, 0x9C});

TEST(StoredLines, GiveBackEveryLineReadByteForByteWithItsOwnLineEnd) {
    const std::string file = "; " + kNecSelectedKanji + "\n[A]\r\nkey=1\rlast=" + kGazouCp932;
    auto lines = StoredLines::fromBytes(file);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines.text(0), "; 纊");
    EXPECT_EQ(lines.text(3), "last=画像");
    EXPECT_EQ(lines.bytes(), file);

    lines.replace(0, "; 纊");
    EXPECT_EQ(lines.bytes(), file) << "the same text leaves the line as read";

    lines.replace(2, "key=画像");
    EXPECT_EQ(lines.bytes(),
              "; " + kNecSelectedKanji + "\n[A]\r\nkey=" + kGazouCp932 + "\rlast=" + kGazouCp932);
}

TEST(StoredLines, ReadEachLineAsUtf8WhenItIsUtf8AndElseAsCp932) {
    const std::string mixed = kGazouCp932 + "\n旅行\n";
    auto lines = StoredLines::fromBytes(mixed);
    EXPECT_EQ(lines.text(0), "画像");
    EXPECT_EQ(lines.text(1), "旅行");
    EXPECT_EQ(lines.bytes(), mixed);

    lines = StoredLines::fromBytes(kMark + "😀\n" + kGazouCp932 + "\n");
    EXPECT_EQ(lines.text(1), "画像");
    lines.append("x");
    EXPECT_EQ(lines.bytes(), kMark + "😀\n" + kGazouCp932 + "\nx\n");
}

TEST(StoredLines, EndNewLinesLikeTheFirstLineReadAndLeaveNoLineUnended) {
    auto lines = StoredLines::fromBytes("a\nb\r\nc");
    lines.append("d");
    EXPECT_EQ(lines.bytes(), "a\nb\r\nc\nd\n");

    lines = StoredLines::fromBytes("");
    lines.append("x");
    lines.insert(0, "w");
    EXPECT_EQ(lines.bytes(), "w\r\nx\r\n");
    EXPECT_EQ(lines.text("|"), "w|x|");
}

TEST(StoredLines, KeepAFileWithoutAByteOrderMarkInUtf8) {
    const std::string file = "; 旅行の設定 😀\r\n[Page3]\r\nTitle=旅の写真\r\n";
    auto lines = StoredLines::fromBytes(file);
    EXPECT_EQ(lines.text(0), "; 旅行の設定 😀");
    lines.replace(2, "Title=夏");
    EXPECT_EQ(lines.bytes(), "; 旅行の設定 😀\r\n[Page3]\r\nTitle=夏\r\n");
}

TEST(StoredLines, TurnCp932IntoUtf8WithAMarkOnlyWhenALineWrittenNeedsIt) {
    const std::string binary = bytesOf({0x00, 0xFF, 0x81, 0x20, 0xA0});
    const std::string file = "; " + kGazouCp932 + "\r\n" + binary + "\r\nTitle=x\r\n";
    auto lines = StoredLines::fromBytes(file);
    lines.replace(2, "Title=①");
    EXPECT_EQ(lines.bytes(),
              "; " + kGazouCp932 + "\r\n" + binary + "\r\nTitle=" + bytesOf({0x87, 0x40}) + "\r\n");

    // Text lines follow the file into UTF-8; a line that was not text goes back as it was.
    lines.replace(2, "Title=😀");
    EXPECT_EQ(lines.bytes(), kMark + "; 画像\r\n" + binary + "\r\nTitle=😀\r\n");
}

TEST(StoredLines, TurnAFileWithAMarkBackIntoCp932WhenEveryLineFits) {
    auto lines = StoredLines::fromBytes(kMark + "; 画像\nTitle=😀\n");
    lines.replace(1, "Title=x");
    EXPECT_EQ(lines.bytes(), "; " + kGazouCp932 + "\nTitle=x\n");

    lines = StoredLines::fromBytes(kMark + "; 서울\nTitle=😀\n");
    lines.replace(1, "Title=x");
    EXPECT_EQ(lines.bytes(), kMark + "; 서울\nTitle=x\n");
}

TEST(StoredLines, UseTheMarkWhenTheirCp932BytesWouldReadAsUtf8) {
    // ﾃｩ is 0xC3 0xA9 in CP932, which UTF-8 reads as é.
    auto lines = StoredLines::fromText("ﾃｩ");
    EXPECT_EQ(lines.bytes(), kMark + "ﾃｩ\r\n");
}

} // namespace
} // namespace vistrel
