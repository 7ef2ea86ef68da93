// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vistrel {

// A file name in the letter case that the ImageCase setting asks for: 0 upper case, 1 lower
// case, any other value unchanged. Only the ASCII letters change; every other byte, and so
// every byte of a multi-byte UTF-8 character, is copied unchanged.
std::string applyImageCase(std::string_view name, std::int32_t imageCase);

} // namespace vistrel
