// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "catalogue/ImageEntry.h"

namespace vistrel {

class PageNames;
struct PageRun;

// Writes one page per entry, in order: the main image at its own or its display size, with the
// link MainClick asks for, navigation where NavPos places it (withNavigation 1), the comment,
// the information table with file and EXIF items, and the index and home links. A page that
// cannot be opened is skipped. Returns 1 when every page was handled, 0 at a cancel request
// (pages written so far stay).
int WriteMainPages(PageRun& run, const std::vector<ImageEntry>& entries, const PageNames& names,
                   int withNavigation);

} // namespace vistrel
