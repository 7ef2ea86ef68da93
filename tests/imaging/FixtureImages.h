// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "imaging/Image.h"
#include "imaging/Rgb.h"

namespace vistrel::test {

// Pixels a test draws before encoding them with the real codec libraries: RGB, top row first,
// optionally with one alpha byte per pixel.
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    std::vector<std::uint8_t> alpha;

    Raster(int w, int h, Rgb fill = {});
    Rgb at(int x, int y) const;
    void set(int x, int y, Rgb colour);
    void fillRect(int x, int y, int w, int h, Rgb colour);
};

// A raster split into four equal quarters of the given colours.
Raster quarters(int width, int height, Rgb topLeft, Rgb topRight, Rgb bottomLeft, Rgb bottomRight);

// The colour at x, y of a decoded image; the test fails on a pixel outside it.
Rgb pixelOf(const Image& image, int x, int y);
std::uint8_t alphaOf(const Image& image, int x, int y);

// True when every channel differs by at most tolerance.
bool near(Rgb a, Rgb b, int tolerance);

// The payload of an EXIF APP1 segment whose first directory holds the orientation tag (SHORT).
std::string exifPayload(int orientation, bool bigEndian);

// A PNG chunk: length, type, data and a correct CRC.
std::string pngChunk(const std::string& type, const std::string& data);

// The bytes of a string, as the decoders take them.
std::span<const std::uint8_t> asBytes(const std::string& bytes);

// Big-endian bytes of value.
std::string bigEndian32(std::uint32_t value);

} // namespace vistrel::test
