// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vistrel::detail {

// What stands in for bytes that are not UTF-8 (or not CP932).
inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// One character read from UTF-8 text.
struct Utf8Char {
    char32_t codePoint = kReplacementCharacter; // U+FFFD when !valid
    std::size_t length = 1;                     // bytes read, always at least 1
    bool valid = false;                         // false for an ill-formed sequence
};

// Reads the character starting at text[pos] (pos < text.size()). Overlong forms, surrogates,
// code points above U+10FFFF and truncated sequences are ill-formed; an ill-formed sequence
// covers the longest start of a well-formed one (at least one byte), so each ill-formed piece
// of text stands for exactly one U+FFFD and no well-formed character after it is swallowed.
Utf8Char decodeUtf8(std::string_view text, std::size_t pos);

// Appends the UTF-8 form of codePoint (a Unicode scalar value) to out.
void appendUtf8(std::string& out, char32_t codePoint);

// text with each ill-formed piece replaced by U+FFFD; well-formed text is returned unchanged.
std::string sanitizeUtf8(std::string_view text);

// Whether text is well-formed UTF-8 throughout (the empty text is).
bool isUtf8Text(std::string_view text);

} // namespace vistrel::detail
