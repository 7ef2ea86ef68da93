// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

// What to write for a character that code page 932 cannot hold.
enum class Unmappable {
    CharacterReference, // "&#x1F600;": page text and attribute values
    ScriptEscape,       // "\u00E9", a surrogate pair above U+FFFF: inside a script string literal
};

// Encodes UTF-8 text as CP932. Returns nullopt when any character has no CP932 form
// (invalid UTF-8 counts as such a character).
std::optional<std::string> utf8ToCp932(std::string_view utf8);

// Encodes UTF-8 text as CP932; characters without a CP932 form are written with the fallback.
// Invalid UTF-8 bytes are treated as U+FFFD.
std::string utf8ToCp932(std::string_view utf8, Unmappable fallback);

// Decodes CP932 bytes to UTF-8. A byte sequence that is not CP932 becomes U+FFFD.
std::string cp932ToUtf8(std::string_view cp932);

// Decodes the bytes of a file the program stores as Shift_JIS (INI, comment file, code table):
// UTF-8 when it starts with the UTF-8 byte order mark (which is removed), else CP932.
std::string decodeStoredText(std::string_view bytes);

// Encodes text for such a file: CP932 when every character fits, else the UTF-8 byte order
// mark followed by the UTF-8 text, so no character is ever lost.
std::string encodeStoredText(std::string_view utf8);

} // namespace vistrel
