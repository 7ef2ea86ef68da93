// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "imaging/DecodeRequest.h"
#include "imaging/DecodedImage.h"

namespace vistrel::detail {

class ByteSource;

// Decodes the first frame of a GIF onto its logical screen (grown to hold the frame when the
// screen is smaller). The image keeps the frame's colour table as its palette; the frame's
// transparent colour and whatever the frame leaves uncovered get alpha 0. The request's minimum
// size is ignored. nullopt for a file without frames or colour table, damaged or truncated
// data, or a screen or frame over kMaxImagePixels. Throws std::bad_alloc when memory runs out.
std::optional<DecodedImage> readGif(ByteSource& source, const DecodeRequest& request);

} // namespace vistrel::detail
