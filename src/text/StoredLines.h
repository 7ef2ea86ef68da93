// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/Encoding.h"

namespace vistrel {

// The lines of a file the program stores as Shift_JIS and edits in place (the settings file),
// kept so that a save touches only the lines the program writes. Each line read keeps the
// bytes it was read from and its line end, and goes back as those bytes, whatever they are
// (text in another encoding, or not text at all), unless the program replaces it.
class StoredLines {
public:
    StoredLines() = default;

    // The lines of UTF-8 text, split at LF, CR LF or CR, all of them lines the program writes.
    static StoredLines fromText(std::string_view utf8);

    // The lines of a file's bytes (after a UTF-8 byte order mark), split at LF, CR LF or CR.
    // Each line is read as UTF-8 when it is well-formed UTF-8, else as CP932, a piece that is
    // neither reading as U+FFFD; so a line reads the same in whatever file it stands, and a
    // line kept as read reads back as it did. The file's encoding (storedEncodingOf) decides
    // how the file is written.
    static StoredLines fromBytes(std::string_view bytes);

    std::size_t size() const { return m_lines.size(); }
    bool empty() const { return m_lines.empty(); }

    // The text of line i (UTF-8); i < size().
    const std::string& text(std::size_t i) const { return m_lines[i].text; }

    // Makes text the text of line i, keeping its line end. Giving a line the text it already
    // has changes nothing, so a line read stays as it was read.
    void replace(std::size_t i, std::string text);

    // Inserts a line with text before line i (at the end when i == size()).
    void insert(std::size_t i, std::string text);
    void append(std::string text) { insert(size(), std::move(text)); }

    // Every line's text, each followed by eol.
    std::string text(std::string_view eol) const;

    // The bytes of the file. A file read as UTF-8 without a byte order mark stays so. Any other
    // is CP932 when every line to be encoded has a CP932 form that reads back as the same text,
    // else the byte order mark and UTF-8. Lines read go back as their bytes unless the file
    // changes its encoding, when those that were text (UTF-8 or CP932) are encoded anew, their
    // text kept, and those that were not go back as their bytes. A line without a line end of
    // its own (one the program writes, or a last line read without one that no longer comes
    // last) ends like the first line read that has one, CR LF when none has.
    std::string bytes() const;

private:
    struct Line {
        std::string text;     // UTF-8
        std::string original; // the bytes read; meaningful only when kept
        std::string end;      // the line end read, empty for none
        bool kept = false;    // original still holds the line
        bool wasText = false; // original was UTF-8 or CP932 throughout
    };

    bool fitsCp932(bool switching) const;
    std::string encode(StoredEncoding target) const;

    StoredEncoding m_encoding = StoredEncoding::Cp932;
    std::string m_lineEnd = "\r\n";
    std::vector<Line> m_lines;
};

} // namespace vistrel
