// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/Image.h"
#include "imaging/ImageHeader.h"

namespace vistrel {

// The result of a decode: the upright header of the file and, unless only the header was
// asked for, the image (whose own size can be smaller than the header's after a scaled decode).
struct DecodedImage {
    ImageHeader header;
    ImageHandle image;
};

} // namespace vistrel
