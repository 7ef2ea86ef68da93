// SPDX-License-Identifier: MIT
#include "app/ThumbnailBox.h"

#include "app/Settings.h"

namespace vistrel {
namespace {

constexpr std::int32_t kOtherSize = 5;

} // namespace

std::int64_t thumbnailBox(const Settings& settings) {
    return settings.Thumbres == kOtherSize ? settings.ThumSize
                                           : 20 * std::int64_t{settings.Thumbres} + 40;
}

} // namespace vistrel
