// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "imaging/Rgb.h"

namespace vistrel {

// An in-memory drawing surface: width x height pixels of 24-bit RGB, top row first, 3 bytes per
// pixel and no row padding. The image library draws onto it and captures images from it.
class Surface {
public:
    // A surface filled with one colour. A side that is not positive, or an area over
    // kMaxImagePixels, gives an empty 0 x 0 surface. Throws std::bad_alloc when memory runs out.
    Surface(int width, int height, Rgb fill);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Bytes per row: 3 x width.
    std::size_t stride() const { return m_stride; }

    std::span<const std::uint8_t> pixels() const { return m_pixels; }
    // The RGB bytes of row y (0 = top); y must be within the surface.
    std::span<std::uint8_t> row(int y);
    std::span<const std::uint8_t> row(int y) const;
    // The colour at x, y, which must be within the surface.
    Rgb pixel(int x, int y) const;

    void fill(Rgb colour);

private:
    int m_width = 0;
    int m_height = 0;
    std::size_t m_stride = 0;
    std::vector<std::uint8_t> m_pixels;
};

} // namespace vistrel
