// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace vistrel {

// One entry of an EXIF/TIFF directory as the reader keeps it. A new entry has all numbers 0
// and both texts empty.
struct ExifEntry {
    std::uint16_t tag = 0;
    std::uint16_t type = 0;     // the TIFF field type as stored; 1 to 12 are known
    std::uint16_t unitSize = 0; // bytes per component of the type, 0 for an unknown type
    std::uint32_t count = 0;    // number of components; stays 0 for an unknown type
    std::string label;          // UTF-8: the code table's text for the tag, or "不明"
    std::string value;          // UTF-8 display text; empty when there is nothing to show
};

} // namespace vistrel
