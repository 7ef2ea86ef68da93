// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace vistrel {

struct ExifEntry;
class TiffCursor;

// The fields of the reader that formatting sets, besides the entry's text.
struct ExifFormatState {
    std::uint32_t exifDirectoryOffset = 0; // value of the EXIF pointer tag 0x8769
    bool exifPointerSeen = false;          // set when tag 0x8769 was formatted
    std::uint32_t speedValue = 0;          // last 16-bit value of 0x0115, 0x8827 or 0xA405
};

// The display text (UTF-8) of one directory entry's value, by the rule of code (the tag as
// the code table holds it). data covers the value bytes: the 4-byte value field when unit
// size x count is at most 4 (and always for MakerNote), else the unit size x count bytes at
// the value's offset; it is read in its own byte order. The entry gives unit size and count.
//
// Text stored in the file is read as CP932; bytes that are not CP932 become U+FFFD.
// A tag without a rule gives an empty text. A rule never reads beyond data: a value shorter
// than its rule reads gives an empty text. A rule that computes a real number gives an empty
// text when the number is not finite (a zero denominator, the logarithm of a speed value of
// 0); rules that print a numerator and denominator print them as stored.
//
// Tag 0x8769 stores its 32-bit value as state.exifDirectoryOffset and sets
// state.exifPointerSeen; tags 0x0115, 0x8827 and 0xA405 store their 16-bit value as
// state.speedValue, which the brightness value 0x9203 then uses.
std::string FormatValue(std::uint16_t code, const ExifEntry& entry, const TiffCursor& data,
                        ExifFormatState& state);

} // namespace vistrel
