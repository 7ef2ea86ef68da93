// SPDX-License-Identifier: MIT
#include "imaging/ThumbnailSize.h"

#include <algorithm>

#include "app/Settings.h"

namespace vistrel {
namespace {

constexpr std::int32_t kOtherSize = 5;

// The quotient is at most 1, so the product stays within the box and within 64 bits.
std::int64_t scaledSide(std::int32_t side, std::int32_t longSide, std::int64_t box) {
    const double quotient = static_cast<double>(side) / static_cast<double>(longSide);
    return std::max<std::int64_t>(1,
                                  static_cast<std::int64_t>(quotient * static_cast<double>(box)));
}

} // namespace

std::int64_t thumbnailBox(const Settings& settings) {
    return settings.Thumbres == kOtherSize ? settings.ThumSize
                                           : 20 * std::int64_t{settings.Thumbres} + 40;
}

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
