// SPDX-License-Identifier: MIT
#include "text/Encoding.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TextBytes.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using detail::bytesOf;

const std::string kByteOrderMark = "\xEF\xBB\xBF";

TEST(AStoredTextFile, IsCp932WithoutAByteOrderMarkWhenEveryCharacterFits) {
    EXPECT_EQ(encodeStoredText("[Page]\r\nTitle=画像一覧\r\n"),
              "[Page]\r\nTitle=" + bytesOf({0x89, 0xE6, 0x91, 0x9C, 0x88, 0xEA, 0x97, 0x97}) +
                  "\r\n");
    EXPECT_EQ(encodeStoredText("～①"), bytesOf({0x81, 0x60, 0x87, 0x40}));
    EXPECT_EQ(encodeStoredText(""), "");
}

TEST(AStoredTextFile, IsUtf8AfterAByteOrderMarkWhenACharacterDoesNotFit) {
    EXPECT_EQ(encodeStoredText("画像😀"), kByteOrderMark + "画像😀");
    EXPECT_EQ(encodeStoredText("서울 画像"), kByteOrderMark + "서울 画像");
}

TEST(AStoredTextFile, IsUtf8WhenCp932WouldGiveBackALookAlike) {
    EXPECT_EQ(encodeStoredText("/photos/旅行〜2024"), kByteOrderMark + "/photos/旅行〜2024");
    EXPECT_EQ(encodeStoredText("−5"), kByteOrderMark + "−5");
    EXPECT_EQ(encodeStoredText("¥100"), kByteOrderMark + "¥100");
}

TEST(AStoredTextFile, WritesIllFormedUtf8AsReplacementCharacters) {
    EXPECT_EQ(encodeStoredText("A\xFF"), kByteOrderMark + "A\uFFFD");
}

TEST(AStoredTextFile, IsReadAsUtf8AfterAByteOrderMarkAndAsCp932Otherwise) {
    EXPECT_EQ(decodeStoredText(kByteOrderMark + "画像😀"), "画像😀");
    EXPECT_EQ(decodeStoredText(bytesOf({0x89, 0xE6, 0x91, 0x9C})), "画像");
    EXPECT_EQ(decodeStoredText(kByteOrderMark + kByteOrderMark + "x"), "\uFEFFx");
    EXPECT_EQ(decodeStoredText(kByteOrderMark + "A\xFF"), "A\uFFFD");
    EXPECT_EQ(decodeStoredText(kByteOrderMark), "");
    EXPECT_EQ(decodeStoredText(""), "");
    // Only the whole mark counts; a partial one is read as CP932.
    EXPECT_EQ(decodeStoredText("\xEF\xBB"), "\uFFFD");
}

TEST(AStoredTextFile, IsReadAsUtf8WithoutAMarkWhenItIsWellFormedUtf8BeyondAscii) {
    EXPECT_EQ(storedEncodingOf("; 旅行\r\nTitle=😀"), StoredEncoding::Utf8);
    EXPECT_EQ(decodeStoredText("; 旅行\r\nTitle=😀"), "; 旅行\r\nTitle=😀");
    EXPECT_EQ(storedEncodingOf("Title=x\r\n"), StoredEncoding::Cp932);
    EXPECT_EQ(storedEncodingOf(""), StoredEncoding::Cp932);
    EXPECT_EQ(storedEncodingOf(bytesOf({0x89, 0xE6, 0x91, 0x9C})), StoredEncoding::Cp932);
    EXPECT_EQ(storedEncodingOf("旅\xFF"), StoredEncoding::Cp932);
    EXPECT_EQ(storedEncodingOf(kByteOrderMark + "x"), StoredEncoding::Utf8WithByteOrderMark);
}

TEST(AStoredTextFile, IsUtf8WhenItsCp932BytesWouldReadAsUtf8) {
    // ﾃｩ is 0xC3 0xA9 in CP932: é in UTF-8.
    EXPECT_EQ(encodeStoredText("ﾃｩ"), kByteOrderMark + "ﾃｩ");
    EXPECT_EQ(encodeStoredText("ﾃｽﾄ"), bytesOf({0xC3, 0xBD, 0xC4}));
}

TEST(AStoredTextFile, GivesBackTheSameTextThroughARealFile) {
    const std::vector<std::string> texts = {
        "",
        "[Settings]\nTitle=画像一覧\nBack=ホームページに戻る\n",
        "%s は既に存在します。置き換えますか？",
        "①㈱Ⅲⅲ纊\uE000",
        "〜−—‖¢£¬¥‾",
        "😀 한 é \U000E0001",
        "\uFEFF先頭",
        "C:\\photos\\~user",
        "ﾃｩ",
    };
    const test::TempDir folder;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string name = "stored" + std::to_string(i) + ".ini";
        folder.write(name, encodeStoredText(texts[i]));
        EXPECT_EQ(decodeStoredText(folder.read(name)), texts[i]);
    }
}

} // namespace
} // namespace vistrel
