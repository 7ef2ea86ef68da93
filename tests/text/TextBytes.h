// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vistrel::detail {

// A string holding exactly these byte values.
std::string bytesOf(std::initializer_list<unsigned> values);

// The bytes as upper-case hex pairs separated by spaces, for failure messages.
std::string hexOf(std::string_view bytes);

// "U+00E9", "U+1F600": a code point for failure messages.
std::string codePointName(char32_t codePoint);

// True when text is well-formed UTF-8, as glibc's own UTF-8 decoder judges it (so the check
// does not share code with the decoder under test).
bool isWellFormedUtf8(std::string_view text);

} // namespace vistrel::detail
