// SPDX-License-Identifier: MIT
#include "cli/TerminalText.h"

#include <cstdio>

#include "text/Utf8.h"

namespace vistrel::cli {
namespace {

constexpr char32_t kDelete = 0x7F;
constexpr char32_t kLastC1Control = 0x9F;

bool isControl(char32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= kDelete && codePoint <= kLastC1Control);
}

void appendHexBytes(std::string& out, std::string_view bytes) {
    for (const char c : bytes) {
        char escape[5];
        std::snprintf(escape, sizeof escape, "\\x%02X", unsigned{static_cast<unsigned char>(c)});
        out += escape;
    }
}

} // namespace

std::string terminalText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const detail::Utf8Char next = detail::decodeUtf8(text, pos);
        const std::string_view piece = text.substr(pos, next.length);
        pos += next.length;
        if (!next.valid) {
            appendHexBytes(result, piece);
        } else if (next.codePoint == U'\t') {
            result += "\\t";
        } else if (next.codePoint == U'\n') {
            result += "\\n";
        } else if (next.codePoint == U'\r') {
            result += "\\r";
        } else if (next.codePoint == U'\\') {
            result += "\\\\";
        } else if (isControl(next.codePoint)) {
            appendHexBytes(result, piece);
        } else {
            result += piece;
        }
    }
    return result;
}

} // namespace vistrel::cli
