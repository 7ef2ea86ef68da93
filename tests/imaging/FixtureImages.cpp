// SPDX-License-Identifier: MIT
#include "FixtureImages.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace vistrel::test {

Raster::Raster(int w, int h, Rgb fill) : width(w), height(h) {
    rgb.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3);
    fillRect(0, 0, w, h, fill);
}

Rgb Raster::at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(x)) *
                          3;
    return {rgb.at(i), rgb.at(i + 1), rgb.at(i + 2)};
}

void Raster::set(int x, int y, Rgb colour) {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(x)) *
                          3;
    rgb.at(i) = colour.r;
    rgb.at(i + 1) = colour.g;
    rgb.at(i + 2) = colour.b;
}

void Raster::fillRect(int x, int y, int w, int h, Rgb colour) {
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            set(column, row, colour);
        }
    }
}

Raster quarters(int width, int height, Rgb topLeft, Rgb topRight, Rgb bottomLeft, Rgb bottomRight) {
    Raster raster(width, height);
    raster.fillRect(0, 0, width / 2, height / 2, topLeft);
    raster.fillRect(width / 2, 0, width - width / 2, height / 2, topRight);
    raster.fillRect(0, height / 2, width / 2, height - height / 2, bottomLeft);
    raster.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, bottomRight);
    return raster;
}

Rgb pixelOf(const Image& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) {
        ADD_FAILURE() << "pixel " << x << "," << y << " outside " << image.width() << "x"
                      << image.height();
        return {};
    }
    const auto row = image.row(y);
    const auto i = static_cast<std::size_t>(x) * 3;
    return {row[i], row[i + 1], row[i + 2]};
}

std::uint8_t alphaOf(const Image& image, int x, int y) {
    if (!image.hasAlpha()) {
        return 255;
    }
    return image.alpha()[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width()) +
                         static_cast<std::size_t>(x)];
}

bool near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

std::string exifPayload(int orientation, bool bigEndian) {
    const auto u16 = [bigEndian](unsigned value) {
        const char high = static_cast<char>(value >> 8);
        const char low = static_cast<char>(value & 0xFF);
        return bigEndian ? std::string{high, low} : std::string{low, high};
    };
    const auto u32 = [&](unsigned value) {
        return bigEndian ? u16(value >> 16) + u16(value & 0xFFFF)
                         : u16(value & 0xFFFF) + u16(value >> 16);
    };
    std::string payload("Exif\0\0", 6);
    payload += bigEndian ? "MM" : "II";
    payload += u16(42) + u32(8);
    // Two entries: an unrelated one (ImageWidth, LONG) first, so the reader has to walk.
    payload += u16(2);
    payload += u16(0x0100) + u16(4) + u32(1) + u32(640);
    payload += u16(0x0112) + u16(3) + u32(1) + u16(static_cast<unsigned>(orientation)) + u16(0);
    payload += u32(0);
    return payload;
}

std::span<const std::uint8_t> asBytes(const std::string& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

std::string bigEndian32(std::uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>((value >> 16) & 0xFF),
            static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
}

std::string pngChunk(const std::string& type, const std::string& data) {
    std::uint32_t crc = 0xFFFFFFFFU;
    for (const char byte : type + data) {
        crc ^= static_cast<std::uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320U & (0U - (crc & 1U)));
        }
    }
    return bigEndian32(static_cast<std::uint32_t>(data.size())) + type + data +
           bigEndian32(crc ^ 0xFFFFFFFFU);
}

} // namespace vistrel::test
