// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

namespace vistrel::detail {

// The orientation a camera records in EXIF: how the stored pixels must be turned to stand
// upright. 1 is upright; 2 mirror left-right; 3 turn 180 degrees; 4 mirror top-bottom;
// 5 mirror across the top-left to bottom-right diagonal; 6 turn 90 degrees clockwise;
// 7 mirror across the other diagonal; 8 turn 90 degrees anticlockwise.
inline constexpr int kUpright = 1;
inline constexpr int kLastOrientation = 8;

// The orientation recorded in the payload of a JPEG APP1 segment (the bytes after the segment
// length, starting "Exif\0\0"). 1 when the payload is not EXIF, has no orientation in its first
// image directory, or the entry is damaged or out of range. Never reads outside payload.
int readExifOrientation(std::span<const std::uint8_t> payload);

} // namespace vistrel::detail
