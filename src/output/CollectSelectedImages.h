// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "catalogue/ImageEntry.h"
#include "output/ImagePass.h"

namespace vistrel {

class CancelFlag;
class ImageList;
class ProgressSink;
class Prompter;
struct Settings;

// Collects the checked rows of list that still exist on disk into entries (emptied first), in
// row order, for a create run. For every row: a pending cancel request is cleared and the
// collection stops with 0; progress is pumped; a row that is unchecked, or whose file
// ImagePath + name no longer exists, is skipped silently. Otherwise an entry gets the row's
// index, texts and source path, the name in the case of ImageCase and the thumbnail name of
// ThumbnailNamer (kind 2 x ThumbType, suffix AddString).
// Then pass reads every entry's image once: its pixel size and, in the index modes (Mode 0),
// its thumbnail at thumbPath; what the pass started ahead serves when it started on the same
// entries. A load failure has shown its message through prompter, in entry order, and leaves
// the size 0; collection goes on. A cancel during the pass ends it (ImagePass::run): in the
// index modes the collection still returns 1 and leaves the request to the writer's next look
// at the flag; in the slideshow mode it clears the request and returns 0. Returns 1 when every
// row was seen. entries then holds the entries filled so far (on 0 as well).
int CollectSelectedImages(const ImageList& list, const Settings& settings, Prompter& prompter,
                          ProgressSink& progress, CancelFlag& cancel,
                          std::vector<ImageEntry>& entries, ImagePass& pass);

} // namespace vistrel
