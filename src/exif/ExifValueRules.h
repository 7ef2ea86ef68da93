// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vistrel::detail {

// How the value of a tag becomes display text. Reading conventions: a 16-bit or 32-bit value
// is Get16 or Get32 at byte 0; a rational is two 32-bit numbers, numerator first, taken as
// unsigned or (where named) signed; a width-dependent integer is 16-bit when the entry's unit
// size is 2, else 32-bit.
enum class ValueRule {
    // Bytes up to the first zero, at most count bytes. The version tags, given as exactly
    // count bytes, read the same: a display text ends at a zero byte wherever it is printed.
    Text,
    UserComment,       // bytes 8 to count - 1 up to the first zero; empty for count <= 8
    FNumber,           // rational r: "F%3.1lf"
    Aperture,          // rational Av: "F%3.1lf" of the square root of 2 to the power Av
    ShutterSpeed,      // signed rational Tv: "1/%.0lf (秒)" of 2^Tv, or "%.2lf (秒)" of 2^|Tv|
    ExposureTime,      // rational as stored: "%u/%u (秒)"
    FocalLength,       // rational: "%4.2lf (mm)"
    ExposureBias,      // signed rational: "EV%.1lf"
    Brightness,        // signed rational plus log2(speed value x 0.32): "EV%.1lf"
    SubjectDistance,   // signed rational: "%.1lf (m)"
    Pixels,            // width-dependent integer: "%u (pixel)"
    ByteOffset,        // width-dependent integer: "%u バイト"
    Integer,           // width-dependent integer: "%u"
    BitsPerSample,     // three 16-bit values at bytes 0, 2, 4: "%u,%u,%u"
    SpeedValue,        // 16-bit "%u", also kept as the reader's speed value
    ByteCount,         // 32-bit "%u バイト"
    ExifPointer,       // 32-bit "%u バイト", also the EXIF directory offset; sets the seen flag
    Rational,          // rational as stored: "%u/%u"
    WhitePoint,        // two rationals: "%u/%u, %u/%u"
    SixRationals,      // six rationals, each "%u/%u " (blank included)
    YCbCrCoefficients, // three rationals as reals: "%f, %f, %f"
    Word16,            // 16-bit value through the tag's words
    Word8,             // first byte through the tag's words
    WordPair,          // 16-bit values at bytes 0 and 2 (first * 65536 + second) through words
    WordBytes4,        // bytes 0 to 3 as one number, first byte highest, through words
    CfaPattern,        // "%02x%02x,%02x%02x", then ",%02x" for each further byte
};

// One value of a code-to-text table.
struct ValueWord {
    std::uint32_t code;
    std::string_view text;
};

// A code-to-text table with the text of every code it does not list.
struct ValueWords {
    std::span<const ValueWord> words;
    std::string_view otherwise;

    std::string_view lookup(std::uint32_t code) const;
};

struct TagRule {
    std::uint16_t tag;
    ValueRule rule;
    const ValueWords* words = nullptr; // for the Word rules only
};

// Every tag the formatter has a rule for, in ascending order of tag.
std::span<const TagRule> tagRules();

// The rule of tag; nullptr when its value has no text.
const TagRule* findTagRule(std::uint16_t tag);

} // namespace vistrel::detail
