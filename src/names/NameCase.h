// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vistrel {

// Letter-case conversions of names. Only the ASCII letters change; every other byte, and so
// every byte of a multi-byte UTF-8 character, is copied unchanged.
std::string toAsciiUpper(std::string_view text);
std::string toAsciiLower(std::string_view text);

// A file name in the letter case that the ImageCase setting asks for: 0 upper case, 1 lower
// case, any other value unchanged.
std::string applyImageCase(std::string_view name, std::int32_t imageCase);

} // namespace vistrel
