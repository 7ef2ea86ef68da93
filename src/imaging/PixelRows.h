// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace vistrel {

// A writable view of an image's RGB rows: top row first, 3 bytes per pixel (red, green, blue),
// row y starting at data + y * stride. Valid until the image is changed in size or released.
struct PixelRows {
    std::uint8_t* data = nullptr;
    int width = 0;
    int height = 0;
    std::size_t stride = 0;
};

} // namespace vistrel
