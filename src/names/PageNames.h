// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vistrel {

// The page file names of a run's images, without folder, fixed once for the whole run. The
// page of an image is its name up to and including its last "." followed by the page
// extension (photo.jpg gives photo.html). When an earlier image has the same name up to the
// last "." (bytes compared), or the name is one of the taken names (the site's own pages),
// the image's index goes before the dot: photo.jpg and photo.png at 0 and 3 give photo.html
// and photo3.html, and catalog.jpg never replaces catalog.html.
class PageNames {
public:
    // imageNames in run order; extension without its dot; folder ending in "/".
    PageNames(const std::vector<std::string>& imageNames, std::string_view extension,
              std::string folder, const std::unordered_set<std::string>& taken);

    // PageFileName of image i: the name, or with withFolder the path in the folder.
    std::string PageFileName(std::size_t i, bool withFolder) const;

private:
    std::vector<std::string> m_names;
    std::string m_folder;
};

} // namespace vistrel
