// SPDX-License-Identifier: MIT
#include "imaging/Surface.h"

#include "imaging/Image.h"

namespace vistrel {
namespace {

constexpr std::size_t kBytesPerPixel = 3;

} // namespace

Surface::Surface(int width, int height, Rgb fill) {
    if (width <= 0 || height <= 0 || std::int64_t{width} * std::int64_t{height} > kMaxImagePixels) {
        return;
    }
    m_width = width;
    m_height = height;
    m_stride = kBytesPerPixel * static_cast<std::size_t>(width);
    m_pixels.resize(m_stride * static_cast<std::size_t>(height));
    this->fill(fill);
}

std::span<std::uint8_t> Surface::row(int y) {
    return std::span<std::uint8_t>(m_pixels).subspan(static_cast<std::size_t>(y) * m_stride,
                                                     m_stride);
}

std::span<const std::uint8_t> Surface::row(int y) const {
    return std::span<const std::uint8_t>(m_pixels).subspan(static_cast<std::size_t>(y) * m_stride,
                                                           m_stride);
}

Rgb Surface::pixel(int x, int y) const {
    const auto at = row(y).subspan(kBytesPerPixel * static_cast<std::size_t>(x), kBytesPerPixel);
    return {at[0], at[1], at[2]};
}

void Surface::fill(Rgb colour) {
    for (std::size_t i = 0; i + kBytesPerPixel <= m_pixels.size(); i += kBytesPerPixel) {
        m_pixels[i] = colour.r;
        m_pixels[i + 1] = colour.g;
        m_pixels[i + 2] = colour.b;
    }
}

} // namespace vistrel
