// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/ShrinkOnLoad.h"
#include "imaging/ThumbnailRenderer.h"

namespace vistrel {

struct Settings;

// What a create run asks of each source image, from the settings as they are now: thumbnails
// in the index modes (Mode 0) in the box of thumbnailBox, only the size for the slideshow.
ShrinkOnLoadTask imageTaskOf(const Settings& settings);

// How the thumbnails are drawn and stored: ThumbType, Unsharp, LegacyWindowsFamily (1 only)
// and BGColor as the background of transparent pixels.
ThumbnailOptions thumbnailOptionsOf(const Settings& settings);

} // namespace vistrel
