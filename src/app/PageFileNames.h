// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <unordered_set>

namespace vistrel {

struct Settings;

// The file name of the index page (HTMLFile and the page extension), without folder.
std::string indexPageName(const Settings& settings);

// The file name of the menu page of the frame set (LeftFile and the page extension).
std::string menuPageName(const Settings& settings);

// The names of the site's own pages, which no image page may take: the index page and, with
// frames, the menu page.
std::unordered_set<std::string> ownPageNames(const Settings& settings);

} // namespace vistrel
