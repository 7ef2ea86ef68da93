// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace vistrel {

struct Settings;

// The side of the square a thumbnail is fitted into: ThumSize when Thumbres is 5, otherwise
// 20 x Thumbres + 40 (80, 100 and 120 for the presets 2, 3 and 4).
std::int32_t thumbnailBox(const Settings& settings);

struct ThumbnailSize {
    std::int32_t width = 0;
    std::int32_t height = 0;

    friend bool operator==(const ThumbnailSize&, const ThumbnailSize&) = default;
};

// The size of the thumbnail of a width x height image in a box of side box: the longer side
// gets box, the other box times the ratio of the sides, the quotient taken first in double
// precision and the product cut toward zero (640 x 480 in 100 gives 100 x 75). A side that
// would come out as 0 (a 1000 x 1 image) is 1, since an empty thumbnail cannot exist. A width
// of 0 or less (the image did not load) gives 0 x 0: no thumbnail.
ThumbnailSize thumbnailSize(std::int32_t width, std::int32_t height, std::int32_t box);

} // namespace vistrel
