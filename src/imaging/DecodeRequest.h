// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

// How much of an image file a decode should produce.
struct DecodeRequest {
    // Only the header (upright size and bit count); no pixels are decoded or allocated.
    bool headerOnly = false;
    // The smallest upright size in pixels the decoded image may have. A JPEG is decoded at the
    // smallest of the scales 1/8, 2/8 ... 8/8 that keeps both sides at or above these; 0 (or
    // less) in both asks for the full size. PNG and GIF are always decoded at full size.
    int minWidth = 0;
    int minHeight = 0;
};

} // namespace vistrel
