// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "imaging/DecodeRequest.h"
#include "imaging/DecodedImage.h"

namespace vistrel::detail {

class ByteSource;

// The most scans a progressive JPEG may have; more are refused, since each scan costs a pass
// over the whole image and hostile files repeat them by the thousand.
inline constexpr int kMaxJpegScans = 1000;

// The numerator N of the libjpeg scale N/8 (1..8) for an image of width x height that must
// come out no smaller than minWidth x minHeight: the smallest N whose scaled sides,
// ceil(side * N / 8), both reach the minimum. 8 when neither minimum is positive.
int jpegScaleNumerator(int width, int height, int minWidth, int minHeight);

// Decodes a JPEG (baseline, progressive, grey, RGB, CMYK or YCCK) to RGB and turns it upright
// by its EXIF orientation; the request's minimum size is in upright pixels. nullopt for a
// damaged file, a file over kMaxImagePixels or kMaxJpegScans, or a colour space it cannot
// convert. A file with only recoverable damage (a truncated end, stray bytes) still decodes.
// Throws std::bad_alloc when memory runs out.
std::optional<DecodedImage> readJpeg(ByteSource& source, const DecodeRequest& request);

} // namespace vistrel::detail
