// SPDX-License-Identifier: MIT
#include "imaging/ThumbnailSize.h"

#include <algorithm>

#include "app/Settings.h"

namespace vistrel {
namespace {

constexpr std::int32_t kOtherSize = 5;

std::int32_t scaledSide(std::int32_t side, std::int32_t longSide, std::int32_t box) {
    const double quotient = static_cast<double>(side) / static_cast<double>(longSide);
    return std::max<std::int32_t>(1, static_cast<std::int32_t>(quotient * box));
}

} // namespace

std::int32_t thumbnailBox(const Settings& settings) {
    return settings.Thumbres == kOtherSize ? settings.ThumSize : 20 * settings.Thumbres + 40;
}

ThumbnailSize thumbnailSize(std::int32_t width, std::int32_t height, std::int32_t box) {
    if (width <= 0 || height <= 0 || box <= 0) {
        return {};
    }
    if (width >= height) {
        return {box, scaledSide(height, width, box)};
    }
    return {scaledSide(width, height, box), box};
}

} // namespace vistrel
