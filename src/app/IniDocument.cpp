// SPDX-License-Identifier: MIT
#include "app/IniDocument.h"

#include "text/AsciiCase.h"

namespace vistrel {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// The name of a "[name]" line, or nullopt when the line is not a section header.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return trimBlanks(line.substr(1, close - 1));
}

// The key of a "key=value" line, or nullopt when the line holds no "=".
std::optional<std::string_view> keyName(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return trimBlanks(line.substr(0, equals));
}

// A line break inside a value would split it into lines the next load reads as other keys,
// so a value always stays on its own line.
std::string composeLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append("=").append(value);
    for (auto i = key.size() + 1; i < line.size(); ++i) {
        if (line[i] == '\r' || line[i] == '\n') {
            line[i] = ' ';
        }
    }
    return line;
}

} // namespace

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument document;
    document.m_lines = StoredLines::fromText(text);
    return document;
}

IniDocument IniDocument::fromFileBytes(std::string_view bytes) {
    IniDocument document;
    document.m_lines = StoredLines::fromBytes(bytes);
    return document;
}

std::optional<IniDocument::SectionRange> IniDocument::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines.text(i));
        if (!name || !equalsIgnoringAsciiCase(*name, section)) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < m_lines.size() && !sectionName(m_lines.text(end))) {
            ++end;
        }
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(const SectionRange& range,
                                                std::string_view key) const {
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto name = keyName(m_lines.text(i));
        if (name && equalsIgnoringAsciiCase(*name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const auto range = findSection(section);
    if (!range) {
        return std::nullopt;
    }
    const auto line = findKey(*range, key);
    if (!line) {
        return std::nullopt;
    }
    const std::string_view text = m_lines.text(*line);
    auto found = trimBlanks(text.substr(text.find('=') + 1));
    if (found.size() >= 2 && found.front() == '"' && found.back() == '"') {
        found = found.substr(1, found.size() - 2);
    }
    return std::string(found);
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const auto range = findSection(section);
    if (!range) {
        // A new section is set off from the text before it by one blank line.
        if (!m_lines.empty() && !trimBlanks(m_lines.text(m_lines.size() - 1)).empty()) {
            m_lines.append({});
        }
        m_lines.append("[" + std::string(section) + "]");
        m_lines.append(composeLine(key, value));
        return;
    }
    if (const auto line = findKey(*range, key)) {
        m_lines.replace(*line, composeLine(key, value));
        return;
    }
    std::size_t insertAt = range->end;
    while (insertAt > range->header + 1 && trimBlanks(m_lines.text(insertAt - 1)).empty()) {
        --insertAt;
    }
    m_lines.insert(insertAt, composeLine(key, value));
}

std::string IniDocument::text(std::string_view eol) const {
    return m_lines.text(eol);
}

} // namespace vistrel
