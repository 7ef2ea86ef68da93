// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "imaging/DecodedImage.h"
#include "imaging/Rgb.h"
#include "imaging/ThumbnailSize.h"

namespace vistrel {

class Image;

// How thumbnails are drawn and stored; taken from the settings once per run.
struct ThumbnailOptions {
    std::int32_t thumbType = 0; // 0 PNG, 1 JPEG (quality 90), anything else GIF
    bool unsharp = false;
    bool legacy = false; // LegacyWindowsFamily: the library scales the source itself first
    Rgb background;      // BGColor: transparent source pixels are drawn over it
};

// The JPEG quality of thumbnails.
inline constexpr int kThumbnailJpegQuality = 90;

// Whether the library can create a thumbnail of size: each side positive and the area within
// kMaxImagePixels, which also keeps both sides within int.
bool thumbnailDrawable(ThumbnailSize size);

// Draws the whole of source, whose header size is sourceWidth x sourceHeight (source itself may
// be a smaller, pre-shrunk decode), onto a surface of size filled with the background (area
// averaging), sharpens it when asked and writes it to path in the thumbnail type. With legacy
// set, source is first scaled to size by the library itself and then copied unscaled over the
// drawing, so source is changed. Returns whether the file was written; a size with a side of 0
// or less, or larger than the library can create (over kMaxImagePixels), writes nothing.
bool renderThumbnail(Image& source, std::int32_t sourceWidth, std::int32_t sourceHeight,
                     ThumbnailSize size, const ThumbnailOptions& options, const std::string& path);

// Decodes sourcePath by the kind of its file name for a thumbnail of size: a JPEG at the
// smallest DCT scale that keeps it at least twice size on both sides (full size when twice
// size passes int), PNG and GIF at full size.
// nullopt when the name is of no image kind or the file does not decode.
std::optional<DecodedImage> decodeForThumbnail(const std::string& sourcePath, ThumbnailSize size);

} // namespace vistrel
