// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace vistrel {

// The extension of every generated page, without the dot: "html" for HTMLExt 0, "htm" for 1,
// "shtml" for any other value.
constexpr std::string_view pageExtension(std::int32_t htmlExt) {
    switch (htmlExt) {
    case 0:
        return "html";
    case 1:
        return "htm";
    default:
        return "shtml";
    }
}

} // namespace vistrel
