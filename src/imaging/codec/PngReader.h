// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "imaging/DecodeRequest.h"
#include "imaging/DecodedImage.h"

namespace vistrel::detail {

class ByteSource;

// Decodes a PNG of any colour type, bit depth and interlacing to 8-bit RGB, with an alpha plane
// when the file has an alpha channel or a tRNS chunk; 16-bit samples are scaled to 8 bits.
// Palette files keep their palette, grey files without alpha channel a grey ramp of their
// levels. The request's minimum size is ignored. nullopt for a damaged or truncated file or one
// over kMaxImagePixels. Throws std::bad_alloc when memory runs out.
std::optional<DecodedImage> readPng(ByteSource& source, const DecodeRequest& request);

} // namespace vistrel::detail
