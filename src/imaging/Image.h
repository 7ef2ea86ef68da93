// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "imaging/ImageHeader.h"
#include "imaging/Rgb.h"

namespace vistrel {

// The largest image the library decodes, creates or captures, in pixels (16384 x 16384).
// Files whose header announces more are refused before any pixel memory is allocated.
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{16384} * 16384;

// The most palette entries an image keeps.
inline constexpr std::size_t kMaxPaletteSize = 256;

// A decoded image owned in memory: width x height pixels of 8-bit RGB, top row first, 3 bytes
// per pixel and no row padding; optionally an 8-bit alpha plane (one byte per pixel, 0
// transparent, 255 opaque, same order) and a palette. The pixels always hold the true colours;
// the palette only records which colours a palette or grey file declared (for the colour count
// and the bit count). Functions that allocate throw std::bad_alloc when memory runs out.
class Image {
public:
    // A width x height image, all black, without alpha plane or palette; null when a side is
    // not positive or the area is over kMaxImagePixels.
    static std::unique_ptr<Image> create(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Bytes per RGB row: 3 x width.
    std::size_t stride() const { return m_stride; }

    std::span<std::uint8_t> pixels() { return m_pixels; }
    std::span<const std::uint8_t> pixels() const { return m_pixels; }
    // The RGB bytes of row y (0 = top); y must be within the image.
    std::span<std::uint8_t> row(int y);
    std::span<const std::uint8_t> row(int y) const;

    bool hasAlpha() const { return !m_alpha.empty(); }
    // The alpha plane, or an empty span when the image has none.
    std::span<std::uint8_t> alpha() { return m_alpha; }
    std::span<const std::uint8_t> alpha() const { return m_alpha; }
    // Gives the image an alpha plane, fully opaque, unless it already has one.
    void addAlpha();

    // The declared colours, empty for a true-colour image.
    const std::vector<Rgb>& palette() const { return m_palette; }
    // Entries past kMaxPaletteSize are dropped.
    void setPalette(std::vector<Rgb> palette);
    void clearPalette() { m_palette = {}; }

    // 8 with a palette, 32 with an alpha plane (and no palette), 24 otherwise.
    std::uint16_t bitCount() const { return bitCountFor(!m_palette.empty(), hasAlpha()); }
    static std::uint16_t bitCountFor(bool hasPalette, bool hasAlpha);

    ImageHeader header() const { return {m_width, m_height, bitCount()}; }

private:
    Image(int width, int height);

    int m_width;
    int m_height;
    std::size_t m_stride;
    std::vector<std::uint8_t> m_pixels;
    std::vector<std::uint8_t> m_alpha;
    std::vector<Rgb> m_palette;
};

// Images are owned through this handle; null means no image.
using ImageHandle = std::unique_ptr<Image>;

} // namespace vistrel
