// SPDX-License-Identifier: MIT
#include "text/Encoding.h"

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TextBytes.h"
#include "text/Utf8.h"

namespace vistrel {
namespace {

using detail::bytesOf;
using detail::hexOf;

const std::vector<std::string> kProgramTexts = {
    "画像一覧",
    "ホームページに戻る",
    "次の画像 >>",
    "<< 前の画像",
    "画像一覧ページに戻る",
    "全種類をランダムに",
    "四角（外から中）",
    "シャッター速度（又は露光時間）",
    "ファイルの上書き確認",
    "%s は既に存在します。置き換えますか？",
    "imgctl.dll のバージョンが異なります。imgctl.dll は、「Vistrel!!」同梱のものをご使用下さい。",
    "①",
    "㈱",
    "Ⅲ",
};

std::string utf8Of(char32_t codePoint) {
    std::string out;
    detail::appendUtf8(out, codePoint);
    return out;
}

std::string characterReference(char32_t codePoint) {
    char reference[16];
    std::snprintf(reference, sizeof reference, "&#x%X;", static_cast<unsigned>(codePoint));
    return reference;
}

std::string pageText(std::string_view utf8) {
    return utf8ToCp932(utf8, Unmappable::CharacterReference);
}

std::string scriptText(std::string_view utf8) {
    return utf8ToCp932(utf8, Unmappable::ScriptEscape);
}

TEST(ACp932Encoder, RoundTripsTheProgramsJapaneseMessages) {
    for (const std::string& text : kProgramTexts) {
        const std::optional<std::string> cp932 = utf8ToCp932(text);
        ASSERT_TRUE(cp932.has_value()) << text;
        EXPECT_NE(*cp932, text) << "not converted: " << text;
        EXPECT_EQ(cp932ToUtf8(*cp932), text);
        EXPECT_EQ(pageText(text), *cp932) << text;
        EXPECT_EQ(scriptText(text), *cp932) << text;
    }
}

TEST(ACp932Encoder, WritesTheCodesCp932AssignsToKnownCharacters) {
    EXPECT_EQ(hexOf(*utf8ToCp932("画像")), "89 E6 91 9C");
    EXPECT_EQ(hexOf(*utf8ToCp932("次の画像 >>")), "8E 9F 82 CC 89 E6 91 9C 20 3E 3E");
    EXPECT_EQ(hexOf(*utf8ToCp932("ホームページに戻る")),
              "83 7A 81 5B 83 80 83 79 81 5B 83 57 82 C9 96 DF 82 E9");
    // NEC row 13 symbols, an IBM extension, and the IBM code chosen over the NEC-selected
    // copy of the same kanji (0xED40).
    EXPECT_EQ(hexOf(*utf8ToCp932("①㈱Ⅲ№")), "87 40 87 8A 87 56 87 82");
    EXPECT_EQ(hexOf(*utf8ToCp932("ⅲ纊")), "FA 42 FA 5C");
    EXPECT_EQ(hexOf(*utf8ToCp932("ｱ｡")), "B1 A1");
    EXPECT_EQ(hexOf(*utf8ToCp932("￥")), "81 8F");
    EXPECT_EQ(utf8ToCp932(std::string_view("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(utf8ToCp932(""), "");
}

TEST(ACp932Encoder, KeepsBackslashAndTildeAsTheirAsciiBytes) {
    EXPECT_EQ(utf8ToCp932("C:\\photos\\~user"), "C:\\photos\\~user");
    EXPECT_EQ(cp932ToUtf8("\\~"), "\\~");
}

TEST(ACp932Encoder, GivesLookAlikeDashesAndTildesOneCodeThatReadsBackAsTheWindowsForm) {
    struct Case {
        const char* written;
        const char* readBack;
        const char* hex;
    };
    const std::vector<Case> cases = {
        {"\u301C", "\uFF5E", "81 60"}, // WAVE DASH
        {"\uFF5E", "\uFF5E", "81 60"}, // FULLWIDTH TILDE
        {"\u2212", "\uFF0D", "81 7C"}, // MINUS SIGN
        {"\uFF0D", "\uFF0D", "81 7C"}, // FULLWIDTH HYPHEN-MINUS
        {"\u2014", "\u2015", "81 5C"}, // EM DASH
        {"\u2016", "\u2225", "81 61"}, // DOUBLE VERTICAL LINE
        {"\u00A2", "\uFFE0", "81 91"}, // CENT SIGN
        {"\u00A3", "\uFFE1", "81 92"}, // POUND SIGN
        {"\u00AC", "\uFFE2", "81 CA"}, // NOT SIGN
    };
    for (const Case& c : cases) {
        const std::optional<std::string> cp932 = utf8ToCp932(c.written);
        ASSERT_TRUE(cp932.has_value()) << c.hex;
        EXPECT_EQ(hexOf(*cp932), c.hex);
        EXPECT_EQ(cp932ToUtf8(*cp932), c.readBack) << c.hex;
    }
}

TEST(ACp932Encoder, RefusesCharactersGlibcWouldTurnIntoAsciiBytes) {
    EXPECT_EQ(utf8ToCp932("¥100"), std::nullopt);
    EXPECT_EQ(utf8ToCp932("\u203E"), std::nullopt);
    EXPECT_EQ(pageText("¥100 ‾"), "&#xA5;100 &#x203E;");
    // A "\" here would start an escape inside the script string.
    EXPECT_EQ(scriptText("'¥'"), "'\\u00A5'");
}

TEST(ACp932Encoder, KeepsTagCharactersThatGlibcWouldDropSilently) {
    // The flag of England: a black flag followed by tag characters.
    const std::string flag = "\U0001F3F4\U000E0067\U000E0062\U000E0065\U000E006E\U000E0067"
                             "\U000E007F";
    EXPECT_EQ(utf8ToCp932(flag), std::nullopt);
    EXPECT_EQ(utf8ToCp932("\U000E0001"), std::nullopt);
    EXPECT_EQ(pageText("旗" + flag),
              *utf8ToCp932("旗") +
                  "&#x1F3F4;&#xE0067;&#xE0062;&#xE0065;&#xE006E;&#xE0067;&#xE007F;");
    EXPECT_EQ(scriptText("\U000E0001"), "\\uDB40\\uDC01");
}

TEST(ACp932Encoder, WritesCharacterReferencesForCharactersCp932CannotHold) {
    EXPECT_EQ(utf8ToCp932("😀"), std::nullopt);
    EXPECT_EQ(utf8ToCp932("한"), std::nullopt);
    EXPECT_EQ(utf8ToCp932("café"), std::nullopt);
    EXPECT_EQ(utf8ToCp932("\uFFFD"), std::nullopt);
    EXPECT_EQ(pageText("A😀B"), "A&#x1F600;B");
    EXPECT_EQ(pageText("한"), "&#xD55C;");
    EXPECT_EQ(pageText("café"), "caf&#xE9;");
    EXPECT_EQ(pageText("\U0010FFFF"), "&#x10FFFF;");
    EXPECT_EQ(pageText("画像😀一覧"),
              bytesOf({0x89, 0xE6, 0x91, 0x9C}) + "&#x1F600;" + bytesOf({0x88, 0xEA, 0x97, 0x97}));
}

TEST(ACp932Encoder, WritesUtf16EscapesForCharactersCp932CannotHoldInScripts) {
    EXPECT_EQ(scriptText("😀"), "\\uD83D\\uDE00");
    EXPECT_EQ(scriptText("한"), "\\uD55C");
    EXPECT_EQ(scriptText("é"), "\\u00E9");
    EXPECT_EQ(scriptText("\U00010000"), "\\uD800\\uDC00");
    EXPECT_EQ(scriptText("\U0010FFFF"), "\\uDBFF\\uDFFF");
    EXPECT_EQ(scriptText("alert('画像😀')"),
              "alert('" + bytesOf({0x89, 0xE6, 0x91, 0x9C}) + "\\uD83D\\uDE00')");
}

TEST(ACp932Encoder, TreatsEachIllFormedPieceOfUtf8AsOneReplacementCharacter) {
    EXPECT_EQ(utf8ToCp932("A\xFF"), std::nullopt);
    EXPECT_EQ(utf8ToCp932("\xE7\x94"), std::nullopt);
    EXPECT_EQ(pageText("A\xFF"
                       "B"),
              "A&#xFFFD;B");
    EXPECT_EQ(pageText("\x80"), "&#xFFFD;");
    EXPECT_EQ(pageText("\xE7\x94"
                       "A"),
              "&#xFFFD;A");
    EXPECT_EQ(pageText("画\xE7\x94"), bytesOf({0x89, 0xE6}) + "&#xFFFD;");
    EXPECT_EQ(pageText("\xF0\x9F\x98"
                       "画"),
              "&#xFFFD;" + bytesOf({0x89, 0xE6}));
    EXPECT_EQ(pageText("\xC0\x80"), "&#xFFFD;&#xFFFD;");
    EXPECT_EQ(pageText("\xED\xA0\x80"), "&#xFFFD;&#xFFFD;&#xFFFD;");
    EXPECT_EQ(pageText("\xF4\x90\x80\x80"), "&#xFFFD;&#xFFFD;&#xFFFD;&#xFFFD;");
    EXPECT_EQ(scriptText("A\xFF"), "A\\uFFFD");
}

TEST(ACp932Encoder, ConvertsLongTextMixingEveryKindOfCharacter) {
    const std::string kanji = *utf8ToCp932("画像一覧");
    std::string utf8;
    std::string expected;
    for (int line = 0; line < 5000; ++line) {
        const std::string number = std::to_string(line);
        utf8 += "<p>" + number + " 画像一覧 😀 ¥ \xFF 한</p>\n";
        expected += "<p>" + number + " " + kanji + " &#x1F600; &#xA5; &#xFFFD; &#xD55C;</p>\n";
    }
    EXPECT_EQ(pageText(utf8), expected);
}

TEST(ACp932Encoder, ReadsBackEveryCharacterItAcceptsAsItselfOrItsDocumentedLookAlike) {
    const std::map<char32_t, char32_t> lookAlikes = {
        {U'\u00A2', U'\uFFE0'}, {U'\u00A3', U'\uFFE1'}, {U'\u00AC', U'\uFFE2'},
        {U'\u2014', U'\u2015'}, {U'\u2016', U'\u2225'}, {U'\u2212', U'\uFF0D'},
        {U'\u301C', U'\uFF5E'},
    };
    // ASCII, the half-width katakana and JIS X 0208 at the very least.
    constexpr int kAtLeast = 128 + 63 + 6879;
    int accepted = 0;
    for (char32_t codePoint = 0; codePoint <= 0x10FFFF; ++codePoint) {
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
            continue;
        }
        const std::string utf8 = utf8Of(codePoint);
        const std::optional<std::string> cp932 = utf8ToCp932(utf8);
        if (!cp932) {
            ASSERT_EQ(pageText(utf8), characterReference(codePoint));
            continue;
        }
        ++accepted;
        ASSERT_FALSE(cp932->empty()) << detail::codePointName(codePoint);
        if (codePoint >= 0x80) {
            ASSERT_GE(static_cast<unsigned char>(cp932->front()), 0x80U)
                << detail::codePointName(codePoint);
        }
        const auto lookAlike = lookAlikes.find(codePoint);
        const std::string readBack =
            lookAlike == lookAlikes.end() ? utf8 : utf8Of(lookAlike->second);
        ASSERT_EQ(cp932ToUtf8(*cp932), readBack) << detail::codePointName(codePoint);
    }
    EXPECT_GE(accepted, kAtLeast);
}

} // namespace
} // namespace vistrel
