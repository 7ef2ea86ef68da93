// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

class ImageList;
class ImagePass;
class Prompter;
struct PageRun;

// Writes the pages of the mode from the checked rows of list, in these steps:
// refuse an empty selection ("エラー"), ask before overwriting the main page, open the progress
// display, clear the old pages, collect the checked images through pass (each image read once,
// its thumbnail made in the index modes), then write the plain index, the frame set or the
// slideshow (Mode and Frame). Thumbnails that could not be written join run.failedWrites. The
// progress display is closed again however the steps end. Returns 1 when the pages are
// written, 0 when a step stopped the run (it has told the user) or it was cancelled.
int WriteSite(PageRun& run, ImageList& list, Prompter& prompter, ImagePass& pass);

} // namespace vistrel
