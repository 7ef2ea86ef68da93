// SPDX-License-Identifier: MIT
#include "text/Encoding.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "text/Cp932Output.h"
#include "text/IconvConverter.h"
#include "text/Utf8.h"

namespace vistrel {

namespace {

detail::IconvConverter& decoder() {
    // One CP932 byte (a half-width katakana) can take three UTF-8 bytes.
    thread_local detail::IconvConverter converter("UTF-8", "CP932", 3);
    return converter;
}

constexpr bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81U && byte <= 0x9FU) || (byte >= 0xE0U && byte <= 0xFCU);
}

// How many bytes at the start of text make up one sequence that is not CP932. A lead byte
// takes its second byte along unless that is ASCII, which is kept as a character of its own
// so that markup such as "<" after a stray lead byte survives.
std::size_t badSequenceLength(std::string_view text) {
    if (text.size() >= 2 && isLeadByte(static_cast<unsigned char>(text[0])) &&
        static_cast<unsigned char>(text[1]) >= 0x80U) {
        return 2;
    }
    return 1;
}

} // namespace

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    std::string out;
    if (!detail::appendCp932Exactly(out, utf8)) {
        return std::nullopt;
    }
    return out;
}

std::string utf8ToCp932(std::string_view utf8, Unmappable fallback) {
    std::string out;
    detail::appendCp932(out, utf8, fallback);
    return out;
}

std::string cp932ToUtf8(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    while (!cp932.empty()) {
        if (decoder().convert(cp932, out) == detail::IconvConverter::Stop::End) {
            break;
        }
        detail::appendUtf8(out, detail::kReplacementCharacter);
        cp932.remove_prefix(badSequenceLength(cp932));
    }
    return out;
}

StoredEncoding storedEncodingOf(std::string_view bytes) {
    // No CP932 text starts with these bytes (0xEF leads no assigned character), so the mark
    // cannot be mistaken for the start of a Shift_JIS file.
    if (bytes.starts_with(kUtf8ByteOrderMark)) {
        return StoredEncoding::Utf8WithByteOrderMark;
    }
    // Kana and most kanji in CP932 start with a byte UTF-8 uses only inside a character, and
    // trail bytes below 0x80 or above 0xBF can never follow a UTF-8 lead byte; a Japanese text
    // in CP932 that still reads as well-formed UTF-8 is all but unknown.
    const bool plainAscii =
        std::ranges::all_of(bytes, [](char c) { return static_cast<unsigned char>(c) < 0x80U; });
    if (!plainAscii && detail::isUtf8Text(bytes)) {
        return StoredEncoding::Utf8;
    }
    return StoredEncoding::Cp932;
}

std::string decodeStoredText(std::string_view bytes) {
    switch (storedEncodingOf(bytes)) {
    case StoredEncoding::Utf8WithByteOrderMark:
        return detail::sanitizeUtf8(bytes.substr(kUtf8ByteOrderMark.size()));
    case StoredEncoding::Utf8:
        return std::string(bytes);
    case StoredEncoding::Cp932:
        break;
    }
    return cp932ToUtf8(bytes);
}

std::string encodeStoredText(std::string_view utf8) {
    // Reading the file back must give the very same text: a character CP932 holds only as a
    // look-alike (U+301C WAVE DASH comes back as U+FF5E) would otherwise change, and a path
    // stored that way would no longer name its folder. So would CP932 bytes that happen to
    // read as UTF-8.
    if (auto cp932 = utf8ToCp932(utf8); cp932 && decodeStoredText(*cp932) == utf8) {
        return std::move(*cp932);
    }
    std::string out(kUtf8ByteOrderMark);
    out += detail::sanitizeUtf8(utf8);
    return out;
}

} // namespace vistrel
