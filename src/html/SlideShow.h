// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "catalogue/ImageEntry.h"

namespace vistrel {

class PageStream;
struct PageRun;
struct Settings;

// The head of the slideshow page: the common first lines, the script that cycles through the
// entries (names and comments as escaped script strings) and the style sheet.
void WriteSlideShowHead(PageStream& page, const Settings& settings,
                        const std::vector<ImageEntry>& entries);

// Writes the slideshow page of entries (HTMLPath + HTMLFile + page extension): head and
// script, the image the script drives, the comment line, the buttons, the music element and
// the home link. Returns 1.
int WriteSlideShowPage(PageRun& run, const std::vector<ImageEntry>& entries);

} // namespace vistrel
