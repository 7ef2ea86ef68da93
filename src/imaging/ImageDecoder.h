// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "imaging/DecodeRequest.h"
#include "imaging/DecodedImage.h"
#include "imaging/ImageFormat.h"

namespace vistrel {

// Decodes the regular file path (UTF-8, used as is) as format. A JPEG comes out upright
// (its EXIF orientation applied to header and pixels); a GIF gives its first frame on the full
// logical screen (what the frame does not cover is transparent). nullopt when the file is
// missing, not a regular file (never blocks on a FIFO), damaged beyond use, announces more than
// kMaxImagePixels, has no frame, or memory runs out. Never throws; never ends the process.
std::optional<DecodedImage> decodeImageFile(const std::string& path, ImageFormat format,
                                            const DecodeRequest& request = {});

// The same for a file's bytes already in memory.
std::optional<DecodedImage> decodeImageBytes(std::span<const std::uint8_t> bytes,
                                             ImageFormat format, const DecodeRequest& request = {});

} // namespace vistrel
