// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vistrel {
class Image;
} // namespace vistrel

namespace vistrel::detail {

// Encodes image as a single-frame GIF and writes it to path. The colours are reduced with
// quantizeColors to at most 256 (255 plus a transparent entry when some alpha is below
// kOpaqueThreshold), so an image of no more colours than that is stored exactly. False when a
// side is over 65535, or encoding or writing fails; then no half-written file is left, and a
// file that was there is untouched unless the write itself failed. Throws std::bad_alloc when
// memory runs out.
bool writeGif(const std::string& path, const Image& image);

} // namespace vistrel::detail
