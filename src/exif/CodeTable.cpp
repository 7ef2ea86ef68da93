// SPDX-License-Identifier: MIT
#include "exif/CodeTable.h"

#include <algorithm>
#include <limits>

#include "app/DataFiles.h"
#include "exif/ExifEntry.h"
#include "text/DecimalText.h"
#include "text/Encoding.h"

namespace vistrel {
namespace {

constexpr std::string_view kUnknownLabel = "不明";
constexpr char kSeparator = '\t';

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view skipBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::uint16_t leadingHex(std::string_view text) {
    text = skipBlanks(text);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
        hexDigit(text[2]) >= 0) {
        text.remove_prefix(2);
    }
    unsigned value = 0;
    for (const char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0) {
            break;
        }
        value = ((value << 4) | static_cast<unsigned>(digit)) & 0xFFFFu;
    }
    return static_cast<std::uint16_t>(value);
}

// The next line without its line end; a CR before the LF belongs to the line end.
std::string_view nextLine(std::string_view& text) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

} // namespace

CodeTable CodeTable::parse(std::string_view fileBytes) {
    const std::string text = decodeStoredText(fileBytes);
    std::string_view rest = text;
    CodeTable table;
    table.m_count = std::max(0, saturatedInt32(scanDecimal(nextLine(rest), true)));
    while (!rest.empty() && table.m_codes.size() < static_cast<std::size_t>(table.m_count)) {
        const std::string_view line = nextLine(rest);
        const auto tab = line.find(kSeparator);
        if (tab == std::string_view::npos) {
            table.m_codes.push_back(0);
            table.m_labels.emplace_back(line);
        } else {
            table.m_codes.push_back(leadingHex(line.substr(0, tab)));
            table.m_labels.emplace_back(line.substr(tab + 1));
        }
    }
    return table;
}

std::vector<std::string> CodeTable::candidatePaths(const std::string& executablePath) {
    return dataFileCandidates(executablePath, kFileName);
}

std::uint16_t CodeTable::code(std::int32_t index) const {
    const auto i = static_cast<std::size_t>(index);
    return i < m_codes.size() ? m_codes[i] : 0;
}

const std::string& CodeTable::label(std::int32_t index) const {
    static const std::string kMissingLine;
    const auto i = static_cast<std::size_t>(index);
    return i < m_labels.size() ? m_labels[i] : kMissingLine;
}

std::int32_t CodeTable::LookupLabel(std::uint16_t tag, ExifEntry& entry) const {
    std::int32_t low = 0;
    std::int32_t high = m_count;
    while (low < high) {
        const std::int32_t middle = low + (high - low) / 2;
        if (code(middle) < tag) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low < m_count && code(low) == tag) {
        entry.label = label(low);
        return low;
    }
    entry.label = kUnknownLabel;
    return -1;
}

} // namespace vistrel
