// SPDX-License-Identifier: MIT
#include "text/DecimalText.h"

#include <limits>

namespace vistrel {
namespace {

constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

DecimalScan scanDecimal(std::string_view text, bool skipBlanks) {
    DecimalScan scan;
    std::size_t i = 0;
    while (skipBlanks && i < text.size() && isBlank(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        scan.negative = text[i] == '-';
        ++i;
    }
    for (; i < text.size() && isDigit(text[i]); ++i) {
        const auto digit = static_cast<std::uint64_t>(text[i] - '0');
        scan.value = scan.value > (kMost - digit) / 10 ? kMost : scan.value * 10 + digit;
        scan.low32 = scan.low32 * 10U + static_cast<std::uint32_t>(digit);
        ++scan.digits;
    }
    scan.end = i;
    return scan;
}

bool readsWhole(const DecimalScan& scan, std::string_view text) {
    return scan.digits > 0 && scan.end == text.size();
}

std::int32_t saturatedInt32(const DecimalScan& scan) {
    constexpr std::uint64_t kLargest = std::numeric_limits<std::int32_t>::max();
    if (scan.negative) {
        return scan.value > kLargest ? std::numeric_limits<std::int32_t>::min()
                                     : -static_cast<std::int32_t>(scan.value);
    }
    return scan.value > kLargest ? std::numeric_limits<std::int32_t>::max()
                                 : static_cast<std::int32_t>(scan.value);
}

std::int32_t wrappedInt32(const DecimalScan& scan) {
    const std::uint32_t bits = scan.negative ? 0U - scan.low32 : scan.low32;
    return static_cast<std::int32_t>(bits);
}

} // namespace vistrel
