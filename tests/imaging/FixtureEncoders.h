// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FixtureImages.h"

namespace vistrel::test {

enum class JpegColour { Rgb, Grey, Cmyk };

struct JpegOptions {
    int quality = 95;
    JpegColour colour = JpegColour::Rgb;
    // For Cmyk: whether libjpeg writes the Adobe marker that says the inks are stored inverted.
    bool adobeMarker = true;
    bool progressive = false;
    // When positive, a progressive scan script of exactly this many scans (at most 2080).
    int scanCount = 0;
    // When positive, an EXIF APP1 segment with this orientation.
    int exifOrientation = 0;
    bool bigEndianExif = false;
    // For Rgb: chroma at full resolution (4:4:4) instead of libjpeg's default 4:2:0.
    bool fullChroma = false;
};

// A JPEG of raster made with libjpeg. Grey keeps the green channel; Cmyk stores each pixel as
// inks without black (inverted as Adobe files store them when adobeMarker is set), so either way
// it should decode to the raster's colours.
std::string encodeJpeg(const Raster& raster, const JpegOptions& options = {});

struct PngFixture {
    int width = 0;
    int height = 0;
    int colourType = 0; // PNG_COLOR_TYPE_*
    int bitDepth = 8;
    bool interlaced = false;
    // Each row packed as libpng takes it (big-endian 16-bit samples, low depths packed).
    std::vector<std::vector<std::uint8_t>> rows;
    std::vector<Rgb> palette;
    // tRNS: alpha per palette entry, or one transparent grey or RGB sample value.
    std::vector<std::uint8_t> paletteAlpha;
    int transparentGrey = -1;
};

// A PNG made with libpng.
std::string encodePng(const PngFixture& fixture);

// An 8-bit RGB or RGBA PNG of raster (RGBA when it has alpha).
std::string encodePng(const Raster& raster, bool interlaced = false);

struct GifFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool interlaced = false;
    // Colour indices, top row first (the helper sends interlaced rows in pass order).
    std::vector<std::uint8_t> indices;
    std::vector<Rgb> localColours;
    int transparentIndex = -1;
};

struct GifFixture {
    int screenWidth = 0;
    int screenHeight = 0;
    std::vector<Rgb> globalColours;
    std::vector<GifFrame> frames;
};

// A GIF made with giflib.
std::string encodeGif(const GifFixture& fixture);

} // namespace vistrel::test
