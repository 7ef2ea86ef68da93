// SPDX-License-Identifier: MIT
#include "ui/options/OptionChoices.h"

namespace vistrel::ui {

int threeWayPosition(std::int32_t value) {
    return value == 0 || value == 1 ? value : 2;
}

std::optional<int> tablePosition(std::int32_t value, int count) {
    if (value < 0 || value >= count) {
        return std::nullopt;
    }
    return value;
}

} // namespace vistrel::ui
