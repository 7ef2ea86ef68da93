// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {
class Image;
} // namespace vistrel

namespace vistrel::detail {

// True for the EXIF orientations 5 to 8, whose upright image has width and height exchanged.
bool swapsSides(int orientation);

// Turns image upright according to an EXIF orientation (see ExifOrientation.h); 1 and values
// outside 1..8 leave it as it is. Pixels, alpha plane and palette all follow. Throws
// std::bad_alloc when memory runs out, leaving the image unchanged.
void orientImage(Image& image, int orientation);

} // namespace vistrel::detail
