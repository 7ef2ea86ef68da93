// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

struct ExifEntry;

// The tag code table: which EXIF/TIFF tags the program knows, with the Japanese label of each.
// It is kept as the file lists it, unsorted, and searched by halving, so a file must list its
// codes in ascending order for every tag to be found.
//
// The file (vtdcode.vtd) is text in the stored-text encoding (CP932, or UTF-8 after a byte
// order mark), lines ended by CR LF or LF:
//   line 1       the number N of code lines, as a decimal integer after optional blanks;
//                whatever follows the number is ignored. No number, or N <= 0: an empty table.
//   lines 2..N+1 the tag in hexadecimal (optional blanks and "0x" before it; reading stops at
//                the first other character; no digits give 0; the low 16 bits are kept),
//                one TAB, and the label up to the end of the line, TABs and blanks included.
//                A line without a TAB gives code 0 with the whole line as label. Lines missing
//                at the end of the file count as empty lines (code 0, empty label).
//   later lines  ignored.
class CodeTable {
public:
    // The file name the program looks for.
    static constexpr std::string_view kFileName = "vtdcode.vtd";

    // An empty table: every lookup fails.
    CodeTable() = default;

    // The table of a file's bytes, decoded as stored text. Never fails: what cannot be read as
    // a code line becomes an empty table or code 0 lines, as described above.
    static CodeTable parse(std::string_view fileBytes);

    // Where the table is looked for, in this order: beside the executable, then in the
    // installed data folder (<executable folder>/../share/vistrel/). executablePath is the full
    // path of the running program.
    static std::vector<std::string> candidatePaths(const std::string& executablePath);

    // N as announced by the file (at least 0); also the number of codes.
    std::int32_t count() const { return m_count; }
    std::uint16_t code(std::int32_t index) const;
    const std::string& label(std::int32_t index) const;

    // Looks tag up by halving between 0 and count() (the first of repeated codes wins) and
    // sets entry's label to the code's label, or "不明" when the tag is not found. Returns
    // the index of the code, or -1.
    std::int32_t LookupLabel(std::uint16_t tag, ExifEntry& entry) const;

private:
    // Codes and labels of the lines the file holds; indices from m_codes.size() up to
    // m_count stand for the missing lines, so a huge N costs no memory.
    std::int32_t m_count = 0;
    std::vector<std::uint16_t> m_codes;
    std::vector<std::string> m_labels;
};

} // namespace vistrel
