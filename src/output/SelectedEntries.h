// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "catalogue/ImageEntry.h"
#include "names/ThumbnailNamer.h"

namespace vistrel {

class ImageList;
struct ImageRow;
struct Settings;

// Makes the entries of a create run row by row, in row order: the name in the case of
// ImageCase, the source path, and the thumbnail name of ThumbnailNamer (kind 2 x ThumbType,
// suffix AddString), which keeps clear of the names the main images of list's checked rows get.
class EntryBuilder {
public:
    EntryBuilder(const Settings& settings, const ImageList& list);

    // Adds the entry of row index when the row is published: checked, and its file
    // ImagePath + name still exists. The rows date from the last scan; a file deleted since
    // then has nothing left to publish, and the run goes on without it.
    void add(int index, const ImageRow& row, std::vector<ImageEntry>& entries);

private:
    const Settings& m_settings;
    ThumbnailNamer m_namer;
    std::int32_t m_thumbnailKind;
};

// The entries a create run collects from list once its main images are copied, which unchecks
// every row whose name is not an image's.
std::vector<ImageEntry> entriesAfterCopy(const ImageList& list, const Settings& settings);

} // namespace vistrel
