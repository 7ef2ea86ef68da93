// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vistrel {

// What one reading of a decimal number at the start of a text found. Every reader of numbers
// in the program's files and options goes through scanDecimal and takes from it what it needs.
struct DecimalScan {
    bool negative = false;
    std::size_t digits = 0;  // how many digits were read; 0 reads as the value 0
    std::size_t end = 0;     // the index just after the last character read
    std::uint64_t value = 0; // the digits' value, held at UINT64_MAX when larger
    std::uint32_t low32 = 0; // the digits' value modulo 2^32
};

// Reads [blanks][sign]digits from the start of text. Blanks (space and tab) are passed over
// only when skipBlanks; the sign is "+" or "-". Reading stops at the first other character.
DecimalScan scanDecimal(std::string_view text, bool skipBlanks);

// Whether scan read the whole text: a number and nothing else.
bool readsWhole(const DecimalScan& scan, std::string_view text);

// The number as a 32-bit integer held at the end of its range when beyond it, as the C
// library's conversions do.
std::int32_t saturatedInt32(const DecimalScan& scan);

// The number as a 32-bit integer that wraps beyond its range, as a 32-bit conversion does.
std::int32_t wrappedInt32(const DecimalScan& scan);

} // namespace vistrel
