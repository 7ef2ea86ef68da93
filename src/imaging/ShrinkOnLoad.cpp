// SPDX-License-Identifier: MIT
#include "imaging/ShrinkOnLoad.h"

#include <cerrno>
#include <new>

#include "imaging/ImageDecoder.h"
#include "imaging/ImageFormat.h"

namespace vistrel {

ShrinkOnLoadResult shrinkOnLoad(const std::string& sourcePath, const std::string& thumbPath,
                                const ShrinkOnLoadTask& task) {
    ShrinkOnLoadResult result;
    const auto format = imageFormatOfPath(sourcePath);
    if (!format) {
        return result;
    }
    // The thumbnail's size, and so how far the decode may shrink, follows from the header.
    const auto head = decodeImageFile(sourcePath, *format, {true, 0, 0});
    if (!head || !task.thumbnails) {
        if (head) {
            result.header = head->header;
        }
        return result;
    }
    const ThumbnailSize size = thumbnailSize(head->header.width, head->header.height, task.box);
    auto decoded = decodeForThumbnail(sourcePath, size);
    if (!decoded) {
        return result;
    }
    result.header = decoded->header;
    // A box of 0, or one far beyond any picture, gives no thumbnail: the pages then show the
    // image itself, and there is no file to be missing.
    if (!thumbnailDrawable(size)) {
        return result;
    }
    errno = 0;
    try {
        result.thumbnailWritten =
            renderThumbnail(*decoded->image, decoded->header.width, decoded->header.height, size,
                            task.options, thumbPath);
        // The encoders fail on the file system's errors, which leave errno set; anything else
        // that refused the file is named as an input/output error.
        result.thumbnailError = result.thumbnailWritten ? 0 : (errno != 0 ? errno : EIO);
    } catch (const std::bad_alloc&) {
        result.thumbnailError = ENOMEM;
    }
    return result;
}

} // namespace vistrel
