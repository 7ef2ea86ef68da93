// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "catalogue/ImageEntry.h"

namespace vistrel {

struct Settings;

// The file name of the index page (HTMLFile and the page extension), without folder.
std::string indexPageName(const Settings& settings);

// The file name of the menu page of the frame set (LeftFile and the page extension).
std::string menuPageName(const Settings& settings);

// The page file names of a run's images, without folder, fixed once for the whole run. The
// page of an image is its name up to and including its last "." followed by the page
// extension (photo.jpg gives photo.html). When an earlier image has the same name up to the
// last "." (bytes compared), or the name would be the index page (or, with frames, the menu
// page), the image's index goes before the dot: photo.jpg and photo.png at 0 and 3 give
// photo.html and photo3.html, and catalog.jpg never replaces catalog.html.
class PageNames {
public:
    PageNames(const std::vector<ImageEntry>& entries, const Settings& settings);

    // PageFileName of entry i: the name, or with withFolder the path in HTMLPath.
    std::string PageFileName(std::size_t i, bool withFolder) const;

private:
    std::vector<std::string> m_names;
    std::string m_folder;
};

} // namespace vistrel
