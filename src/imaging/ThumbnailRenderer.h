// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "imaging/Rgb.h"
#include "imaging/ThumbnailSize.h"

namespace vistrel {

class Image;
struct Settings;

// How thumbnails are drawn and stored; taken from the settings once per run.
struct ThumbnailOptions {
    std::int32_t thumbType = 0; // 0 PNG, 1 JPEG (quality 90), anything else GIF
    bool unsharp = false;
    bool legacy = false; // LegacyWindowsFamily: the library scales the source itself first
    Rgb background;      // BGColor: transparent source pixels are drawn over it

    static ThumbnailOptions from(const Settings& settings);
};

// The JPEG quality of thumbnails.
inline constexpr int kThumbnailJpegQuality = 90;

// Draws the whole of source, whose header size is sourceWidth x sourceHeight, onto a surface of
// size filled with the background (area averaging), sharpens it when asked and writes it to
// path in the thumbnail type. With legacy set, source is first scaled to size by the library
// itself and then copied unscaled over the drawing, so source is changed. Returns whether the
// file was written; a size with a side of 0 writes nothing.
bool renderThumbnail(Image& source, std::int32_t sourceWidth, std::int32_t sourceHeight,
                     ThumbnailSize size, const ThumbnailOptions& options, const std::string& path);

// The whole production of one thumbnail from its source file: decode by the kind of the file
// name, render, write. Depends on nothing but its arguments, so several may run at once.
// Returns false when the source did not decode or the file was not written.
bool produceThumbnailFile(const std::string& sourcePath, ThumbnailSize size,
                          const ThumbnailOptions& options, const std::string& thumbPath);

} // namespace vistrel
