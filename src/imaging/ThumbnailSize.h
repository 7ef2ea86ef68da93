// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace vistrel {

// Sides in 64 bits: a box beyond 32 bits gives a thumbnail size the pages still print as it is,
// though no such thumbnail can be drawn.
struct ThumbnailSize {
    std::int64_t width = 0;
    std::int64_t height = 0;

    friend bool operator==(const ThumbnailSize&, const ThumbnailSize&) = default;
};

// The size of the thumbnail of a width x height image in a box of side box: the longer side
// gets box, the other box times the ratio of the sides, the quotient taken first in double
// precision and the product cut toward zero (640 x 480 in 100 gives 100 x 75). A side that
// would come out as 0 (a 1000 x 1 image) is 1, since an empty thumbnail cannot exist. A width
// of 0 or less (the image did not load) gives 0 x 0: no thumbnail.
ThumbnailSize thumbnailSize(std::int32_t width, std::int32_t height, std::int64_t box);

} // namespace vistrel
