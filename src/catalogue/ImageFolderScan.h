// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace vistrel {

class ImageList;

// Lists what folder holds into list, after its last row, and returns the number of rows added.
//
// folder is the folder box text, taken unchanged. Text ending in "/" lists that folder; any
// other text searches text + "*.*", i.e. lists the entries of the folder before its last "/"
// (the current folder when it has none) whose names begin with the text after it: so
// "/photos/2024" lists the entries of "/photos/" named "2024...", each row named by its own
// file name. Prefixes compare bytes, case-sensitively.
//
// Only regular files and links to them become rows, in the listing's NTFS name order; folders,
// FIFOs, devices and dangling links never do, and no entry is opened. A file is taken when mask
// is kAllFilesMask, or when its ImageKind bit is in mask. It is checked when it is an image and
// select is true. A missing or unreadable folder adds nothing. Every row starts without a
// comment.
int ScanImageFolder(const std::string& folder, std::int32_t mask, bool select, ImageList& list);

// The size column text of a file of bytes bytes: whole KiB rounded down (low 32 bits of that
// number) and " KB", so 1023 bytes give "0 KB".
std::string formatSizeText(std::uint64_t bytes);

// The date column text of a modification time: local time as "%Y/%m/%d %H:%M:%S"; empty when
// the time cannot be converted.
std::string formatDateText(std::time_t time);

} // namespace vistrel
