// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace vistrel::test {

// One picture of a site: a real image file of the given size, PNG, JPEG or GIF by the
// extension of its name, and the comment of its list row.
struct SiteImage {
    std::string name;
    int width = 0;
    int height = 0;
    std::string comment;
};

// What to build: settings as KEY=VALUE texts over the defaults (as an INI file gives them),
// the pictures in list order, all checked, and optionally a page background picture (not in
// the list).
struct SiteRecipe {
    std::vector<std::pair<std::string, std::string>> settings;
    std::vector<SiteImage> pictures;
    SiteImage background; // none when its name is empty
};

// A site as a create run leaves it.
struct GeneratedSite {
    std::filesystem::path folder; // the pages, and the image folder under it (no other file)
    std::string page;             // the index, frame set or slideshow page, without folder
};

// Does what a create run does for a site in folder: writes the pictures into a source folder
// beside it (sources/<name of folder>), copies them into the output image folder
// (CopyMainImages), and writes the pages the settings ask for (slideshow for Mode 1, else the
// frame set for Frame 1, else the plain index; thumbnails and image pages as the settings say).
// HTMLFile is "catalog" and HPURL is empty unless the recipe says otherwise; a background
// picture sets UseImage, BGImagePath and BGImageName. Any failure, message or question is a
// test failure.
void generateSite(const SiteRecipe& recipe, const std::filesystem::path& folder,
                  GeneratedSite& site);

} // namespace vistrel::test
