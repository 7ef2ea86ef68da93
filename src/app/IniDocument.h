// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/StoredLines.h"

namespace vistrel {

// The text of an INI file, line by line, read and edited the way the settings file has always
// been: section and key names match case-insensitively (ASCII letters), the first match wins,
// and every line the program does not own (comments, unknown keys and sections, blank lines)
// stays where it is, byte for byte, when values are written.
class IniDocument {
public:
    IniDocument() = default;

    // Splits UTF-8 text at LF, CR LF or CR.
    static IniDocument parse(std::string_view text);

    // The document held by the bytes of a settings file (StoredLines::fromBytes).
    static IniDocument fromFileBytes(std::string_view bytes);

    // The value of key in section: the text after the first "=", blanks around it removed and
    // one pair of enclosing double quotes removed. nullopt when the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Writes key=value: in place when the key exists, else after the last non-blank line of
    // the section, else in a new section at the end of the file. A line break in value is
    // written as a blank.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // The whole text, each line ended by eol.
    std::string text(std::string_view eol) const;

    // The bytes of the settings file, its own lines as read (StoredLines::bytes).
    std::string fileBytes() const { return m_lines.bytes(); }

    bool empty() const { return m_lines.empty(); }

private:
    struct SectionRange {
        std::size_t header; // index of the "[name]" line
        std::size_t end;    // one past the section's last line
    };

    std::optional<SectionRange> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const SectionRange& range, std::string_view key) const;

    StoredLines m_lines;
};

} // namespace vistrel
