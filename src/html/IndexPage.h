// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "catalogue/ImageEntry.h"

namespace vistrel {

struct PageRun;

// Writes the plain thumbnail index of entries (HTMLPath + HTMLFile + page extension) and then,
// with MakePage 1, the image pages. Reports progress and stops at a cancel request (pages
// finished so far stay). Returns 1 when done, 0 when stopped.
int WriteIndexPage(PageRun& run, const std::vector<ImageEntry>& entries);

} // namespace vistrel
