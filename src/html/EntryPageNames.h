// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "catalogue/ImageEntry.h"
#include "names/PageNames.h"

namespace vistrel {

struct Settings;

// The page names of a run's entries: their file names, the page extension of HTMLExt, the
// output folder, and the site's own pages taken.
PageNames pageNamesOf(const std::vector<ImageEntry>& entries, const Settings& settings);

} // namespace vistrel
