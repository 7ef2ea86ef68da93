// SPDX-License-Identifier: MIT
#include "app/ColorText.h"

#include <array>
#include <cstdio>

namespace vistrel {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::uint8_t pairAt(std::string_view text, std::size_t offset) {
    if (offset + 2 > text.size()) {
        return 0;
    }
    const int high = hexDigit(text[offset]);
    const int low = hexDigit(text[offset + 1]);
    if (high < 0 || low < 0) {
        return 0;
    }
    return static_cast<std::uint8_t>(high * 16 + low);
}

} // namespace

std::string formatColorText(RgbColor color) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02X%02X%02X", color.red, color.green, color.blue);
    return text.data();
}

RgbColor parseColorText(std::string_view text) {
    return {pairAt(text, 1), pairAt(text, 3), pairAt(text, 5)};
}

} // namespace vistrel
