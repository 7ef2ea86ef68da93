// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

struct PageRun;

// Writes the two-frame index: the frame set document (HTMLPath + HTMLFile + page extension),
// the menu page of thumbnails (LeftFile + page extension) and, with MakePage 1, the image
// pages. Refuses an empty selection, asks before overwriting the frame set document, shows
// progress and stops at a cancel request. Returns 1 when done, 0 when stopped.
int WriteFramedIndex(PageRun& run);

} // namespace vistrel
