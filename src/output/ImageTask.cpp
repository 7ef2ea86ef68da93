// SPDX-License-Identifier: MIT
#include "output/ImageTask.h"

#include "app/ColorText.h"
#include "app/Settings.h"
#include "app/ThumbnailBox.h"

namespace vistrel {

ShrinkOnLoadTask imageTaskOf(const Settings& settings) {
    ShrinkOnLoadTask task;
    task.thumbnails = settings.Mode == 0;
    task.box = thumbnailBox(settings);
    task.options = thumbnailOptionsOf(settings);
    return task;
}

ThumbnailOptions thumbnailOptionsOf(const Settings& settings) {
    const RgbColor background = parseColorText(settings.BGColor);
    ThumbnailOptions options;
    options.thumbType = settings.ThumbType;
    options.unsharp = settings.Unsharp != 0;
    options.legacy = settings.LegacyWindowsFamily == 1;
    options.background = {background.red, background.green, background.blue};
    return options;
}

} // namespace vistrel
