// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace vistrel {

// One 8-bit-per-channel colour, red first.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

} // namespace vistrel
