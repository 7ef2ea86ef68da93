// SPDX-License-Identifier: MIT
#include "imaging/Image.h"

#include <utility>

namespace vistrel {
namespace {

constexpr std::size_t kBytesPerPixel = 3;
constexpr std::uint8_t kOpaque = 255;
constexpr std::uint16_t kPaletteBits = 8;
constexpr std::uint16_t kTrueColourBits = 24;
constexpr std::uint16_t kTrueColourAlphaBits = 32;

std::size_t pixelCount(int width, int height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

} // namespace

std::unique_ptr<Image> Image::create(int width, int height) {
    if (width <= 0 || height <= 0 || std::int64_t{width} * std::int64_t{height} > kMaxImagePixels) {
        return nullptr;
    }
    return std::unique_ptr<Image>(new Image(width, height));
}

Image::Image(int width, int height)
    : m_width(width), m_height(height), m_stride(kBytesPerPixel * static_cast<std::size_t>(width)),
      m_pixels(m_stride * static_cast<std::size_t>(height)) {}

std::span<std::uint8_t> Image::row(int y) {
    return std::span<std::uint8_t>(m_pixels).subspan(static_cast<std::size_t>(y) * m_stride,
                                                     m_stride);
}

std::span<const std::uint8_t> Image::row(int y) const {
    return std::span<const std::uint8_t>(m_pixels).subspan(static_cast<std::size_t>(y) * m_stride,
                                                           m_stride);
}

void Image::addAlpha() {
    if (m_alpha.empty()) {
        m_alpha.assign(pixelCount(m_width, m_height), kOpaque);
    }
}

void Image::setPalette(std::vector<Rgb> palette) {
    if (palette.size() > kMaxPaletteSize) {
        palette.resize(kMaxPaletteSize);
    }
    m_palette = std::move(palette);
}

std::uint16_t Image::bitCountFor(bool hasPalette, bool hasAlpha) {
    if (hasPalette) {
        return kPaletteBits;
    }
    return hasAlpha ? kTrueColourAlphaBits : kTrueColourBits;
}

} // namespace vistrel
