// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

struct PageRun;

// Writes the plain thumbnail index (HTMLPath + HTMLFile + page extension), producing each
// thumbnail on the way, and then, with MakePage 1, the image pages. Refuses an empty selection
// ("エラー"), asks before overwriting the index, shows progress and stops at a cancel request
// (pages written so far stay). Returns 1 when done, 0 when stopped.
int WriteIndexPage(PageRun& run);

} // namespace vistrel
