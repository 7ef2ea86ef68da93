// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/PixelRows.h"

namespace vistrel {

// Sharpens a thumbnail in place with the 3 x 3 kernel 0 -0.3 0 / -0.3 2.2 -0.3 / 0 -0.3 0 per
// colour channel. Every interior pixel is computed from the pixels as they were before the
// filter, in double precision, the nine products summed in picture order (row above to row
// below, left to right), clamped to 0..255 and cut toward zero. The outermost rows and columns
// stay as they are, and so does an image of 2 pixels or less in either direction.
void SharpenPixels(PixelRows pixels);

} // namespace vistrel
