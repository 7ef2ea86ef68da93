// SPDX-License-Identifier: MIT
#include "text/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <iconv.h>

#include "TextBytes.h"

namespace vistrel::detail {
namespace {

// glibc's own UTF-32 to UTF-8 conversion, the reference for appendUtf8.
std::string referenceUtf8(const std::vector<char32_t>& codePoints) {
    std::string in;
    for (const char32_t codePoint : codePoints) {
        const auto bits = static_cast<std::uint32_t>(codePoint);
        for (int shift = 0; shift < 32; shift += 8) {
            in += static_cast<char>((bits >> shift) & 0xFFU);
        }
    }
    std::string out(in.size(), '\0');
    const iconv_t handle = iconv_open("UTF-8", "UTF-32LE");
    char* inPointer = in.data();
    std::size_t inLeft = in.size();
    char* outPointer = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(handle, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(handle);
    EXPECT_EQ(result, 0U);
    out.resize(out.size() - outLeft);
    return out;
}

struct Piece {
    std::size_t length;
    bool valid;
};

// The pieces decodeUtf8 splits text into, in order.
std::vector<Piece> piecesOf(std::string_view text) {
    std::vector<Piece> pieces;
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char ch = decodeUtf8(text, pos);
        pieces.push_back({ch.length, ch.valid});
        if (!ch.valid) {
            EXPECT_EQ(ch.codePoint, kReplacementCharacter);
        }
        pos += ch.length;
    }
    return pieces;
}

bool operator==(const Piece& a, const Piece& b) {
    return a.length == b.length && a.valid == b.valid;
}

void PrintTo(const Piece& piece, std::ostream* out) {
    *out << '{' << piece.length << (piece.valid ? ", valid}" : ", ill-formed}");
}

TEST(AUtf8Reader, ReadsBackEveryCharacterTheWriterWrites) {
    std::vector<char32_t> codePoints;
    std::string utf8;
    for (char32_t codePoint = 0; codePoint <= 0x10FFFF; ++codePoint) {
        if (codePoint < 0xD800 || codePoint > 0xDFFF) {
            codePoints.push_back(codePoint);
            appendUtf8(utf8, codePoint);
        }
    }
    const std::string reference = referenceUtf8(codePoints);
    const auto [mine, theirs] =
        std::mismatch(utf8.begin(), utf8.end(), reference.begin(), reference.end());
    ASSERT_TRUE(mine == utf8.end() && theirs == reference.end())
        << "first difference at byte " << mine - utf8.begin();

    std::size_t pos = 0;
    for (const char32_t codePoint : codePoints) {
        ASSERT_LT(pos, utf8.size());
        const Utf8Char ch = decodeUtf8(utf8, pos);
        ASSERT_TRUE(ch.valid) << codePointName(codePoint);
        ASSERT_EQ(ch.codePoint, codePoint) << codePointName(codePoint);
        pos += ch.length;
    }
    EXPECT_EQ(pos, utf8.size());
}

TEST(AUtf8Reader, SplitsIllFormedBytesIntoOneReplacementPerMaximalPiece) {
    // Overlong forms and surrogates fail at their second byte: one piece per byte.
    EXPECT_EQ(piecesOf("\xC0\x80"), (std::vector<Piece>{{1, false}, {1, false}}));
    EXPECT_EQ(piecesOf("\xE0\x80\x80"), (std::vector<Piece>{{1, false}, {1, false}, {1, false}}));
    EXPECT_EQ(piecesOf("\xED\xA0\x80"), (std::vector<Piece>{{1, false}, {1, false}, {1, false}}));
    EXPECT_EQ(piecesOf("\xF4\x90\x80\x80"),
              (std::vector<Piece>{{1, false}, {1, false}, {1, false}, {1, false}}));
    EXPECT_EQ(piecesOf("\xF5\x80"), (std::vector<Piece>{{1, false}, {1, false}}));
    // A truncated sequence is one piece, and the character after it is kept.
    EXPECT_EQ(piecesOf("\xE7\x94"
                       "A"),
              (std::vector<Piece>{{2, false}, {1, true}}));
    EXPECT_EQ(piecesOf("\xF0\x9F\x98"
                       "\xE7\x94\xBB"),
              (std::vector<Piece>{{3, false}, {3, true}}));
    EXPECT_EQ(piecesOf("\xF0\x9F\x98"), (std::vector<Piece>{{3, false}}));
    EXPECT_EQ(piecesOf("\x80\xBF"), (std::vector<Piece>{{1, false}, {1, false}}));
    EXPECT_EQ(piecesOf("\xFF"), (std::vector<Piece>{{1, false}}));
}

TEST(AUtf8Reader, ReplacesOnlyTheIllFormedPiecesWhenSanitizing) {
    EXPECT_EQ(sanitizeUtf8("画像一覧 😀"), "画像一覧 😀");
    EXPECT_EQ(sanitizeUtf8("A\xFF"
                           "B"),
              "A\uFFFD"
              "B");
    EXPECT_EQ(sanitizeUtf8("\xED\xA0\x80画"), "\uFFFD\uFFFD\uFFFD画");
    EXPECT_EQ(sanitizeUtf8("\xE7\x94"), "\uFFFD");
    EXPECT_EQ(sanitizeUtf8(""), "");
    EXPECT_TRUE(isWellFormedUtf8(sanitizeUtf8("\xC0\xAF\xF8\x88\x80\x80\x80\xFE")));
}

} // namespace
} // namespace vistrel::detail
