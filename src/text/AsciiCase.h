// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace vistrel {

// Letter case of the single-byte letters A to Z only: every other byte, the bytes of Japanese
// text included, stays as it is.
std::string toAsciiUpper(std::string_view text);
std::string toAsciiLower(std::string_view text);

// Whether a and b are equal when A to Z count as a to z.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace vistrel
