// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "imaging/Rgb.h"

namespace vistrel::detail {

// Pixels as indices into a palette of at most 256 colours.
struct IndexedPixels {
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> indices;
};

// Alpha below this counts as transparent when an image is reduced to a palette.
inline constexpr std::uint8_t kOpaqueThreshold = 128;

// Reduces RGB pixels (3 bytes each) to a palette of at most maxColors (clamped to 1..256)
// colours. When alpha is not empty (one byte per pixel), pixels whose alpha is below
// kOpaqueThreshold take no part and get index palette.size(), for the caller's transparent
// entry (so maxColors should leave room for it). When the other pixels have no more than
// maxColors distinct colours the palette is exactly those, in ascending RGB order, and no pixel
// changes; otherwise the palette comes from median cut over the colour histogram (boxes split
// where the summed squared error is largest, at the weighted median of their widest-spread
// channel, each entry the mean of its box) and every pixel gets its nearest entry. No
// dithering: thumbnails are small, and dither grain shows more there than banding. Throws
// std::bad_alloc when memory runs out.
IndexedPixels quantizeColors(std::span<const std::uint8_t> rgb, std::span<const std::uint8_t> alpha,
                             int maxColors);

} // namespace vistrel::detail
