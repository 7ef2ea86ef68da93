// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vistrel {

// One row of the image list: its four column texts and its check mark. Rows are moved whole
// by sorting and dragging, so a comment always stays with its file.
struct ImageRow {
    std::string name;     // column 0: the file name as the folder listing gives it
    std::string sizeText; // column 1: whole KiB, for example "123 KB"
    std::string dateText; // column 2: local modification time, "2005/06/12 10:11:12"
    std::string comment;  // column 3 (hidden): the image's comment, empty after a scan
    bool checked = false;

    bool operator==(const ImageRow&) const = default;
};

} // namespace vistrel
