// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "catalogue/ImageEntry.h"

namespace vistrel {

class CancelFlag;
class CurrentImage;
class ImageList;
class ProgressSink;
class Prompter;
struct Settings;

// Collects the checked rows of list that still exist on disk into entries (emptied first), in
// row order, for a create run. For every row: a pending cancel request is cleared and the
// collection stops with 0; progress is pumped; a row that is unchecked, or whose file
// ImagePath + name no longer exists, is skipped silently. Otherwise an entry gets the row's
// index, texts and source path, the name in the case of ImageCase, the thumbnail name of
// ThumbnailNamer (kind 2 x ThumbType, suffix AddString), and the image's pixel size from
// loading it into currentImage without a preview. A load failure has shown its message through
// prompter and leaves the size 0; collection goes on. Returns 1 when every row was seen.
// entries then holds the entries filled so far (on 0 as well).
int CollectSelectedImages(const ImageList& list, const Settings& settings,
                          CurrentImage& currentImage, Prompter& prompter, ProgressSink& progress,
                          CancelFlag& cancel, std::vector<ImageEntry>& entries);

} // namespace vistrel
