// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vistrel {
class Image;
} // namespace vistrel

namespace vistrel::detail {

// Encodes image as an 8-bit RGB PNG, or RGBA when it has an alpha plane, and writes it to path.
// False when encoding or writing fails; then no half-written file is left, and a file that was
// there is untouched unless the write itself failed. Throws std::bad_alloc when memory runs out.
bool writePng(const std::string& path, const Image& image);

} // namespace vistrel::detail
