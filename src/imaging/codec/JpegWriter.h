// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vistrel {
class Image;
} // namespace vistrel

namespace vistrel::detail {

// Encodes image's RGB pixels as a baseline JPEG of quality 1..100 (values outside are clamped)
// and writes it to path. An alpha plane is not stored. False when encoding or writing fails;
// then no half-written file is left, and a file that was there is untouched unless the write
// itself failed. Throws std::bad_alloc when memory runs out.
bool writeJpeg(const std::string& path, const Image& image, int quality);

} // namespace vistrel::detail
