// SPDX-License-Identifier: MIT
#include "text/Cp932Output.h"

#include <cstddef>
#include <cstdint>
#include <optional>

#include "text/IconvConverter.h"
#include "text/Utf8.h"

namespace vistrel::detail {

namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

IconvConverter& encoder() {
    // CP932 never needs more bytes than the UTF-8 it comes from.
    thread_local IconvConverter converter("CP932", "UTF-8", 1);
    return converter;
}

// glibc maps these to a CP932 byte that reads back as another character, or to nothing:
// U+00A5 YEN SIGN and U+203E OVERLINE become the ASCII "\" and "~" (a "\" would even start an
// escape inside a script string), and the tag characters U+E0000 to U+E007F are dropped
// without an error. They are treated as having no CP932 form so that they are never lost.
constexpr bool iconvWouldLose(char32_t codePoint) {
    return codePoint == U'\u00A5' || codePoint == U'\u203E' ||
           (codePoint >= 0xE0000 && codePoint <= 0xE007F);
}

void appendHex(std::string& out, std::uint32_t value, int minDigits) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    char digits[8];
    int count = 0;
    do {
        digits[count++] = kDigits[value & 0xFU];
        value >>= 4;
    } while (value != 0 || count < minDigits);
    while (count > 0) {
        out += digits[--count];
    }
}

void appendFallback(std::string& out, char32_t codePoint, Unmappable fallback) {
    const auto value = static_cast<std::uint32_t>(codePoint);
    if (fallback == Unmappable::CharacterReference) {
        out += "&#x";
        appendHex(out, value, 1);
        out += ';';
        return;
    }
    // Script string literals hold UTF-16 code units.
    if (value < 0x10000U) {
        out += "\\u";
        appendHex(out, value, 4);
        return;
    }
    const std::uint32_t offset = value - 0x10000U;
    out += "\\u";
    appendHex(out, 0xD800U + (offset >> 10), 4);
    out += "\\u";
    appendHex(out, 0xDC00U + (offset & 0x3FFU), 4);
}

// run is well-formed UTF-8 without characters iconv would lose. Without a fallback, false at
// the first character that has no CP932 form.
bool convertRun(std::string& out, std::string_view run, std::optional<Unmappable> fallback) {
    while (!run.empty()) {
        if (encoder().convert(run, out) == IconvConverter::Stop::End) {
            return true;
        }
        if (!fallback) {
            return false;
        }
        const Utf8Char ch = decodeUtf8(run, 0);
        appendFallback(out, ch.codePoint, *fallback);
        run.remove_prefix(ch.length);
    }
    return true;
}

std::size_t endOfAscii(std::string_view text, std::size_t pos) {
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80U) {
        ++pos;
    }
    return pos;
}

bool encode(std::string& out, std::string_view utf8, std::optional<Unmappable> fallback) {
    out.reserve(out.size() + utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        // ASCII is the same in CP932; most of a page is markup, so copy it without iconv.
        const std::size_t asciiEnd = endOfAscii(utf8, pos);
        out.append(utf8.substr(pos, asciiEnd - pos));
        pos = asciiEnd;
        if (pos == utf8.size()) {
            break;
        }

        // Hand iconv the longest stretch it can be trusted with, in one call.
        std::size_t runEnd = pos;
        Utf8Char stop;
        while (runEnd < utf8.size()) {
            stop = decodeUtf8(utf8, runEnd);
            if (!stop.valid || iconvWouldLose(stop.codePoint)) {
                break;
            }
            runEnd += stop.length;
        }
        if (!convertRun(out, utf8.substr(pos, runEnd - pos), fallback)) {
            return false;
        }
        pos = runEnd;
        if (pos == utf8.size()) {
            break;
        }

        // Ill-formed UTF-8 stands for U+FFFD, which goes through the same mapping.
        if (!stop.valid) {
            if (!convertRun(out, kReplacementUtf8, fallback)) {
                return false;
            }
        } else if (fallback) {
            appendFallback(out, stop.codePoint, *fallback);
        } else {
            return false;
        }
        pos += stop.length;
    }
    return true;
}

} // namespace

void appendCp932(std::string& out, std::string_view utf8, Unmappable fallback) {
    encode(out, utf8, fallback);
}

bool appendCp932Exactly(std::string& out, std::string_view utf8) {
    return encode(out, utf8, std::nullopt);
}

} // namespace vistrel::detail
