// SPDX-License-Identifier: MIT
#include "imaging/ThumbnailSize.h"

#include <algorithm>

namespace vistrel {
namespace {

// The quotient is at most 1, so the product stays within the box and within 64 bits.
std::int64_t scaledSide(std::int32_t side, std::int32_t longSide, std::int64_t box) {
    const double quotient = static_cast<double>(side) / static_cast<double>(longSide);
    return std::max<std::int64_t>(1,
                                  static_cast<std::int64_t>(quotient * static_cast<double>(box)));
}

} // namespace

ThumbnailSize thumbnailSize(std::int32_t width, std::int32_t height, std::int64_t box) {
    if (width <= 0 || height <= 0 || box <= 0) {
        return {};
    }
    if (width >= height) {
        return {box, scaledSide(height, width, box)};
    }
    return {scaledSide(width, height, box), box};
}

} // namespace vistrel
