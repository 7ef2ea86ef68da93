// SPDX-License-Identifier: MIT
#include "imaging/SharpenPixels.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace vistrel {
namespace {

constexpr std::array<std::array<double, 3>, 3> kKernel = {{
    {0.0, -0.3, 0.0},
    {-0.3, 2.2, -0.3},
    {0.0, -0.3, 0.0},
}};

constexpr int kChannels = 3;

} // namespace

void SharpenPixels(PixelRows pixels) {
    if (pixels.data == nullptr || pixels.width <= 2 || pixels.height <= 2) {
        return;
    }
    const std::size_t stride = pixels.stride;
    const auto heightRows = static_cast<std::size_t>(pixels.height);
    const std::vector<std::uint8_t> before(pixels.data, pixels.data + stride * heightRows);
    for (int y = 1; y < pixels.height - 1; ++y) {
        std::uint8_t* target = pixels.data + static_cast<std::size_t>(y) * stride;
        for (int x = 1; x < pixels.width - 1; ++x) {
            for (int channel = 0; channel < kChannels; ++channel) {
                double sum = 0.0;
                for (int dy = -1; dy <= 1; ++dy) {
                    const std::uint8_t* source =
                        before.data() + static_cast<std::size_t>(y + dy) * stride;
                    for (int dx = -1; dx <= 1; ++dx) {
                        const auto at = static_cast<std::size_t>((x + dx) * kChannels + channel);
                        sum += kKernel[static_cast<std::size_t>(dy + 1)]
                                      [static_cast<std::size_t>(dx + 1)] *
                               source[at];
                    }
                }
                target[static_cast<std::size_t>(x * kChannels + channel)] =
                    static_cast<std::uint8_t>(std::clamp(sum, 0.0, 255.0));
            }
        }
    }
}

} // namespace vistrel
