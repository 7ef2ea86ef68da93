// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

// Code page 932 as glibc's iconv "CP932" defines it: ASCII (0x5C is "\", 0x7E is "~"),
// half-width katakana, JIS X 0208, the NEC and IBM extensions (①, ㈱, Ⅲ, ⅲ, 纊...) and the
// user-defined area (U+E000 to U+E757). Where the NEC and IBM sets hold the same character,
// encoding picks the IBM code (纊 is 0xFA5C, not 0xED40); both decode to it.
// A few characters share their code with a look-alike, and decoding that code gives the
// look-alike: U+301C WAVE DASH and U+FF5E FULLWIDTH TILDE are both 0x8160 (decoded as U+FF5E),
// U+2212 MINUS SIGN and U+FF0D FULLWIDTH HYPHEN-MINUS are 0x817C (U+FF0D), U+2014 EM DASH is
// 0x815C (U+2015), U+2016 DOUBLE VERTICAL LINE is 0x8161 (U+2225), and U+00A2, U+00A3, U+00AC
// are 0x8191, 0x8192, 0x81CA (U+FFE0, U+FFE1, U+FFE2).
// U+00A5 YEN SIGN, U+203E OVERLINE and the tag characters U+E0000 to U+E007F count as having
// no CP932 form: glibc would turn the first two into "\" and "~" and drop the others.
//
// The conversions throw std::runtime_error when the system has no CP932 converter.

// What to write for a character that code page 932 cannot hold.
enum class Unmappable {
    CharacterReference, // "&#x1F600;" (upper-case hex): page text and attribute values
    ScriptEscape,       // "\u00E9", "\uD83D\uDE00" above U+FFFF: inside a script string literal
};

// Encodes UTF-8 text as CP932. Returns nullopt when any character has no CP932 form
// (invalid UTF-8 counts as such a character).
std::optional<std::string> utf8ToCp932(std::string_view utf8);

// Encodes UTF-8 text as CP932; characters without a CP932 form are written with the fallback.
// Invalid UTF-8 is treated as U+FFFD, one for each ill-formed piece (so "&#xFFFD;" or
// "\uFFFD"); characters after it are kept.
std::string utf8ToCp932(std::string_view utf8, Unmappable fallback);

// Decodes CP932 bytes to UTF-8. A byte sequence that is not CP932 becomes U+FFFD: a lone
// byte, or a lead byte with the byte after it unless that one is ASCII (which is kept).
std::string cp932ToUtf8(std::string_view cp932);

// The UTF-8 byte order mark.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The encoding of a file the program stores as Shift_JIS (INI, comment file, code table).
enum class StoredEncoding {
    Cp932,
    Utf8,                  // UTF-8 without a byte order mark, as many editors save it
    Utf8WithByteOrderMark, // the mark, then UTF-8
};

// Utf8WithByteOrderMark when bytes start with the mark; Utf8 when they are well-formed UTF-8
// holding at least one byte above 0x7F (CP932 Japanese text practically never is); else Cp932,
// which is also what plain ASCII is taken for.
StoredEncoding storedEncodingOf(std::string_view bytes);

// Decodes the bytes of such a file in the encoding storedEncodingOf gives: the mark is removed
// and invalid UTF-8 after it becomes U+FFFD; CP932 as cp932ToUtf8 decodes it.
std::string decodeStoredText(std::string_view bytes);

// Encodes text for such a file: CP932 when decodeStoredText gives back exactly this text, else
// the UTF-8 byte order mark followed by the UTF-8 text (invalid UTF-8 written as U+FFFD), so no
// character is ever lost or swapped for a look-alike.
std::string encodeStoredText(std::string_view utf8);

} // namespace vistrel
