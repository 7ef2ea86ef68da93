// SPDX-License-Identifier: MIT
#include "platform/ProgressPercentage.h"

#include <cmath>

namespace vistrel {

std::optional<int> ProgressPercentage::update(int done, int total) {
    if (total <= 0) {
        return std::nullopt;
    }
    const auto percentage = static_cast<int>(
        std::floor(static_cast<double>(done) / static_cast<double>(total) * 100.0));
    if (percentage == m_shown) {
        return std::nullopt;
    }
    m_shown = percentage;
    return percentage;
}

} // namespace vistrel
