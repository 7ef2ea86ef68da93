// SPDX-License-Identifier: MIT
#include "text/StoredLines.h"

#include <optional>
#include <utility>

#include "text/Utf8.h"

namespace vistrel {
namespace {

constexpr std::string_view kReplacement = "\uFFFD";

struct Piece {
    std::string_view line;
    std::string_view end;
};

// The lines of text with their ends (LF, CR LF or CR); the last may have none.
std::vector<Piece> splitLines(std::string_view text) {
    std::vector<Piece> pieces;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            pieces.push_back({text.substr(start), {}});
            break;
        }
        const std::size_t length =
            text.compare(end, 2, "\r\n") == 0 ? std::size_t{2} : std::size_t{1};
        pieces.push_back({text.substr(start, end - start), text.substr(end, length)});
        start = end + length;
    }
    return pieces;
}

// A line read alone: UTF-8 when it is well-formed UTF-8 (ASCII included), else CP932.
std::string decodeLine(std::string_view bytes) {
    return detail::isUtf8Text(bytes) ? std::string(bytes) : cp932ToUtf8(bytes);
}

// The CP932 form of text, when reading that line back gives the very same text.
std::optional<std::string> exactCp932(const std::string& text) {
    auto cp932 = utf8ToCp932(text);
    if (!cp932 || decodeLine(*cp932) != text) {
        return std::nullopt;
    }
    return cp932;
}

} // namespace

StoredLines StoredLines::fromText(std::string_view utf8) {
    StoredLines lines;
    for (const Piece& piece : splitLines(utf8)) {
        lines.m_lines.push_back({std::string(piece.line), {}, {}, false, false});
    }
    return lines;
}

StoredLines StoredLines::fromBytes(std::string_view bytes) {
    StoredLines lines;
    lines.m_encoding = storedEncodingOf(bytes);
    if (lines.m_encoding == StoredEncoding::Utf8WithByteOrderMark) {
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    }
    bool endFound = false;
    for (const Piece& piece : splitLines(bytes)) {
        Line line{decodeLine(piece.line), std::string(piece.line), std::string(piece.end), true,
                  true};
        // Only a piece that is neither UTF-8 nor CP932 reads as U+FFFD (CP932 has none).
        line.wasText =
            detail::isUtf8Text(line.original) || line.text.find(kReplacement) == std::string::npos;
        if (!endFound && !line.end.empty()) {
            lines.m_lineEnd = line.end;
            endFound = true;
        }
        lines.m_lines.push_back(std::move(line));
    }
    return lines;
}

void StoredLines::replace(std::size_t i, std::string text) {
    Line& line = m_lines[i];
    if (line.text == text) {
        return;
    }
    line.text = std::move(text);
    line.kept = false;
}

void StoredLines::insert(std::size_t i, std::string text) {
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(i),
                   Line{std::move(text), {}, {}, false, false});
}

std::string StoredLines::text(std::string_view eol) const {
    std::string result;
    for (const Line& line : m_lines) {
        result.append(line.text).append(eol);
    }
    return result;
}

bool StoredLines::fitsCp932(bool switching) const {
    for (const Line& line : m_lines) {
        const bool encoded = !line.kept || (switching && line.wasText);
        if (encoded && !exactCp932(line.text)) {
            return false;
        }
    }
    return true;
}

std::string StoredLines::encode(StoredEncoding target) const {
    std::string out;
    if (target == StoredEncoding::Utf8WithByteOrderMark) {
        out.append(kUtf8ByteOrderMark);
    }
    const bool switching = target != m_encoding;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kept && !(switching && line.wasText)) {
            out.append(line.original);
        } else if (target == StoredEncoding::Cp932) {
            out.append(*utf8ToCp932(line.text));
        } else {
            out.append(detail::sanitizeUtf8(line.text));
        }
        const bool last = i + 1 == m_lines.size();
        out.append((!line.end.empty() || (line.kept && last)) ? line.end : m_lineEnd);
    }
    return out;
}

std::string StoredLines::bytes() const {
    if (m_encoding == StoredEncoding::Utf8) {
        return encode(StoredEncoding::Utf8);
    }
    if (fitsCp932(m_encoding != StoredEncoding::Cp932)) {
        return encode(StoredEncoding::Cp932);
    }
    return encode(StoredEncoding::Utf8WithByteOrderMark);
}

} // namespace vistrel
