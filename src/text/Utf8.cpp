// SPDX-License-Identifier: MIT
#include "text/Utf8.h"

#include <cstdint>

namespace vistrel::detail {

namespace {

constexpr bool isContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

} // namespace

Utf8Char decodeUtf8(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80U) {
        return {lead, 1, true};
    }

    std::size_t length = 0;
    char32_t codePoint = 0;
    // The second byte's range also rules out overlong forms, surrogates and values above
    // U+10FFFF, so those stop after the lead byte, as one U+FFFD each.
    unsigned char secondLow = 0x80U;
    unsigned char secondHigh = 0xBFU;
    if (lead >= 0xC2U && lead <= 0xDFU) {
        length = 2;
        codePoint = lead & 0x1FU;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        length = 3;
        codePoint = lead & 0x0FU;
        if (lead == 0xE0U) {
            secondLow = 0xA0U;
        } else if (lead == 0xEDU) {
            secondHigh = 0x9FU;
        }
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        length = 4;
        codePoint = lead & 0x07U;
        if (lead == 0xF0U) {
            secondLow = 0x90U;
        } else if (lead == 0xF4U) {
            secondHigh = 0x8FU;
        }
    } else {
        return {};
    }

    for (std::size_t i = 1; i < length; ++i) {
        if (pos + i >= text.size()) {
            return {kReplacementCharacter, i, false};
        }
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        const bool inRange =
            i == 1 ? byte >= secondLow && byte <= secondHigh : isContinuation(byte);
        if (!inRange) {
            return {kReplacementCharacter, i, false};
        }
        codePoint = (codePoint << 6) | (byte & 0x3FU);
    }
    return {codePoint, length, true};
}

void appendUtf8(std::string& out, char32_t codePoint) {
    const auto bits = static_cast<std::uint32_t>(codePoint);
    if (bits < 0x80U) {
        out += static_cast<char>(bits);
    } else if (bits < 0x800U) {
        out += static_cast<char>(0xC0U | (bits >> 6));
        out += static_cast<char>(0x80U | (bits & 0x3FU));
    } else if (bits < 0x10000U) {
        out += static_cast<char>(0xE0U | (bits >> 12));
        out += static_cast<char>(0x80U | ((bits >> 6) & 0x3FU));
        out += static_cast<char>(0x80U | (bits & 0x3FU));
    } else {
        out += static_cast<char>(0xF0U | (bits >> 18));
        out += static_cast<char>(0x80U | ((bits >> 12) & 0x3FU));
        out += static_cast<char>(0x80U | ((bits >> 6) & 0x3FU));
        out += static_cast<char>(0x80U | (bits & 0x3FU));
    }
}

std::string sanitizeUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const Utf8Char ch = decodeUtf8(text, pos);
        if (ch.valid) {
            out.append(text.substr(pos, ch.length));
        } else {
            appendUtf8(out, kReplacementCharacter);
        }
        pos += ch.length;
    }
    return out;
}

bool isUtf8Text(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const Utf8Char ch = decodeUtf8(text, pos);
        if (!ch.valid) {
            return false;
        }
        pos += ch.length;
    }
    return true;
}

} // namespace vistrel::detail
