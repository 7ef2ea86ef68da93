// SPDX-License-Identifier: MIT
#include "text/Encoding.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "TextBytes.h"

namespace vistrel {
namespace {

using detail::bytesOf;
using detail::hexOf;
using detail::isWellFormedUtf8;

TEST(ACp932Decoder, DecodesJapaneseTextAndTheNecAndIbmExtensions) {
    EXPECT_EQ(cp932ToUtf8(bytesOf({0x89, 0xE6, 0x91, 0x9C, 0x88, 0xEA, 0x97, 0x97})), "画像一覧");
    EXPECT_EQ(cp932ToUtf8(bytesOf({0x87, 0x40, 0x87, 0x8A, 0x87, 0x56, 0x87, 0x82})), "①㈱Ⅲ№");
    EXPECT_EQ(cp932ToUtf8(bytesOf({0xFA, 0x40, 0xFA, 0x42})), "ⅰⅲ");
    // The NEC-selected and the IBM copy of one kanji read as the same character.
    EXPECT_EQ(cp932ToUtf8(bytesOf({0xED, 0x40})), "纊");
    EXPECT_EQ(cp932ToUtf8(bytesOf({0xFA, 0x5C})), "纊");
    EXPECT_EQ(cp932ToUtf8(bytesOf({0xB1, 0xA1, 0xDF})), "ｱ｡ﾟ");
    EXPECT_EQ(cp932ToUtf8("<a href=\"x.html\">"), "<a href=\"x.html\">");
}

TEST(ACp932Decoder, MapsTheUserDefinedAreaToPrivateUseCharactersAndBack) {
    EXPECT_EQ(cp932ToUtf8(bytesOf({0xF0, 0x40})), "\uE000");
    EXPECT_EQ(cp932ToUtf8(bytesOf({0xF9, 0xFC})), "\uE757");
    EXPECT_EQ(hexOf(*utf8ToCp932("\uE000\uE757")), "F0 40 F9 FC");
}

TEST(ACp932Decoder, ReplacesBytesThatStartNoCp932Character) {
    for (const unsigned byte : {0x80U, 0xA0U, 0xFDU, 0xFEU, 0xFFU}) {
        EXPECT_EQ(cp932ToUtf8("A" + bytesOf({byte}) + "B"), "A\uFFFD"
                                                            "B")
            << std::hex << byte;
    }
}

TEST(ACp932Decoder, ReplacesALeadByteThatEndsTheText) {
    EXPECT_EQ(cp932ToUtf8("A\x81"), "A\uFFFD");
    EXPECT_EQ(cp932ToUtf8(bytesOf({0x89, 0xE6, 0x91})), "画\uFFFD");
}

TEST(ACp932Decoder, KeepsAnAsciiCharacterThatFollowsAStrayLeadByte) {
    EXPECT_EQ(cp932ToUtf8("\x81<p>"), "\uFFFD<p>");
    // 0x8241 is an unassigned pair; its "A" is kept.
    EXPECT_EQ(cp932ToUtf8("\x82\x41"), "\uFFFD"
                                       "A");
    EXPECT_EQ(cp932ToUtf8("\x81\n"), "\uFFFD\n");
}

TEST(ACp932Decoder, ReplacesAnUnassignedPairAsOneCharacter) {
    EXPECT_EQ(cp932ToUtf8(bytesOf({0x81, 0xAD}) + "B"), "\uFFFD"
                                                        "B");
    // 0xEF leads no character; 0xBF after the pair is a half-width katakana.
    EXPECT_EQ(cp932ToUtf8(bytesOf({0xEF, 0xBB, 0xBF})), "\uFFFDｿ");
    EXPECT_EQ(cp932ToUtf8(bytesOf({0x81, 0xFF, 0x89, 0xE6})), "\uFFFD画");
}

TEST(ACp932Decoder, GivesWellFormedUtf8ForAnyBytes) {
    for (unsigned first = 0; first < 256; ++first) {
        for (unsigned second = 0; second < 256; ++second) {
            const std::string text = cp932ToUtf8(bytesOf({first, second}));
            ASSERT_FALSE(text.empty());
            ASSERT_TRUE(isWellFormedUtf8(text)) << hexOf(bytesOf({first, second}));
        }
    }
    std::mt19937 random(932);
    std::uniform_int_distribution<unsigned> byte(0, 255);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        for (int i = 0; i < 64; ++i) {
            bytes += static_cast<char>(byte(random));
        }
        const std::string text = cp932ToUtf8(bytes);
        ASSERT_TRUE(isWellFormedUtf8(text)) << hexOf(bytes);
        // No CP932 sequence, good or bad, is shorter in UTF-8, so nothing was skipped.
        ASSERT_GE(text.size(), bytes.size()) << hexOf(bytes);
    }
}

} // namespace
} // namespace vistrel
