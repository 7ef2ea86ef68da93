// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "catalogue/ImageEntry.h"
#include "imaging/ThumbnailSize.h"

namespace vistrel {

class PageNames;
struct PageRun;
struct Settings;

// What one thumbnail of an index shows: the link, the picture and its size.
struct ThumbnailCell {
    std::string link;    // URL: the image page, or the image itself without image pages
    std::string picture; // URL of the thumbnail, without the subfolder
    std::string alt;     // the picture's name as attribute text
    ThumbnailSize size;  // the thumbnail's size, or box x box when the image did not load
};

// How the index shows entry i. Its thumbnail, when its image loaded, was written by the image
// pass of CollectSelectedImages.
ThumbnailCell thumbnailCell(const PageRun& run, const PageNames& names, const ImageEntry& entry,
                            std::size_t i);

// The size text of the index ("%d x %d" with Information bit 8, " （size text）" appended with
// bit 2), empty when neither bit is set.
std::string indexSizeText(const Settings& settings, const ImageEntry& entry);

// A URL of a file in the image folder: the name, or SubFolder/name.
std::string imageFolderUrl(const Settings& settings, const std::string& name);

} // namespace vistrel
