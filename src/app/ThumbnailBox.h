// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace vistrel {

struct Settings;

// The side of the square a thumbnail is fitted into: ThumSize when Thumbres is 5, otherwise
// 20 x Thumbres + 40 (80, 100 and 120 for the presets 2, 3 and 4). In 64 bits, so that any
// Thumbres a settings file holds gives its true product (20 x 2147483647 + 40 is 42949672980).
std::int64_t thumbnailBox(const Settings& settings);

} // namespace vistrel
