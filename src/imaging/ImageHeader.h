// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace vistrel {

// What the image library reports about an image without its pixels: the upright size in pixels
// and the bit count, which is 8 for an image with a palette (palette PNG and GIF, grey PNG and
// JPEG), 32 for a true-colour image with an alpha plane and 24 for any other true-colour image.
struct ImageHeader {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitCount = 0;

    bool operator==(const ImageHeader&) const = default;
};

} // namespace vistrel
