// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "exif/ExifValueFormatter.h"
#include "support/ExifWriter.h"

namespace vistrel::test {

// One value handed to FormatValue the way the reader hands it over: an entry of the given
// type and count, its value bytes in a window of their own (at least the 4 bytes of the
// value field), read in the byte order of the writer that made them.
struct FormattedValue {
    std::string text;
    ExifFormatState state;
};

FormattedValue formatValue(ByteOrder order, std::uint16_t tag, std::uint16_t type,
                           std::uint32_t count, std::string bytes, ExifFormatState state = {});

// formatValue in Motorola order, the text only.
std::string formatText(std::uint16_t tag, std::uint16_t type, std::uint32_t count,
                       std::string bytes);

} // namespace vistrel::test
