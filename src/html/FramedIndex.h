// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "catalogue/ImageEntry.h"

namespace vistrel {

struct PageRun;

// Writes the two-frame index of entries: the frame set document (HTMLPath + HTMLFile + page
// extension), the menu page of thumbnails (LeftFile + page extension) and, with MakePage 1, the
// image pages. Reports progress and stops at a cancel request. Returns 1 when done, 0 when
// stopped.
int WriteFramedIndex(PageRun& run, const std::vector<ImageEntry>& entries);

} // namespace vistrel
