// SPDX-License-Identifier: MIT
#include "imaging/ShrinkOnLoad.h"

#include "app/Settings.h"
#include "catalogue/ImageKind.h"
#include "imaging/ImageDecoder.h"

namespace vistrel {

ShrinkOnLoadTask ShrinkOnLoadTask::from(const Settings& settings) {
    ShrinkOnLoadTask task;
    task.thumbnails = settings.Mode == 0;
    task.box = thumbnailBox(settings);
    task.options = ThumbnailOptions::from(settings);
    return task;
}

std::optional<ImageHeader> shrinkOnLoad(const std::string& sourcePath, const std::string& thumbPath,
                                        const ShrinkOnLoadTask& task) {
    const auto format = imageFormatOfPath(sourcePath);
    if (!format) {
        return std::nullopt;
    }
    // The thumbnail's size, and so how far the decode may shrink, follows from the header.
    const auto head = decodeImageFile(sourcePath, *format, {true, 0, 0});
    if (!head || !task.thumbnails) {
        return head ? std::optional(head->header) : std::nullopt;
    }
    const ThumbnailSize size = thumbnailSize(head->header.width, head->header.height, task.box);
    auto decoded = decodeForThumbnail(sourcePath, size);
    if (!decoded) {
        return std::nullopt;
    }
    renderThumbnail(*decoded->image, decoded->header.width, decoded->header.height, size,
                    task.options, thumbPath);
    return decoded->header;
}

} // namespace vistrel
