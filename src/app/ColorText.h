// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vistrel {

struct RgbColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

// "#RRGGBB" with upper-case hexadecimal digits, as the colour picker writes it.
std::string formatColorText(RgbColor color);

// Reads "#RRGGBB" back by pairs after the first character; a missing or bad pair reads as 0.
RgbColor parseColorText(std::string_view text);

} // namespace vistrel
