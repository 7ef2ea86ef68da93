// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "imaging/ImageHeader.h"
#include "imaging/ThumbnailRenderer.h"

namespace vistrel {

// What a create run needs from each of its source images.
struct ShrinkOnLoadTask {
    bool thumbnails = false; // false: the header alone, no pixels decoded
    std::int64_t box = 0;    // the side of the square thumbnails are fitted into
    ThumbnailOptions options;
};

// What shrinkOnLoad made of one source image.
struct ShrinkOnLoadResult {
    // The image's upright header; nullopt when the name is of no image kind or the file does
    // not decode (no thumbnail then).
    std::optional<ImageHeader> header;
    bool thumbnailWritten = false;
    // The errno of a thumbnail that was due and could not be written; 0 when it was written,
    // none was asked for, or its size cannot be drawn (thumbnailDrawable): no file then.
    int thumbnailError = 0;
};

// Reads the header of sourcePath (its kind taken from the file name) and, when the task asks
// for thumbnails, decodes it once, pre-shrunk to no less than twice the thumbnail (JPEG), and
// writes its thumbnail of thumbnailSize(width, height, box) to thumbPath. Depends on nothing
// but its arguments, so several may run at once.
ShrinkOnLoadResult shrinkOnLoad(const std::string& sourcePath, const std::string& thumbPath,
                                const ShrinkOnLoadTask& task);

} // namespace vistrel
