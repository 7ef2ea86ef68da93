// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

namespace vistrel::ui {

// Which button of a three-button group shows a stored value whose third button stands for
// every other value (the housekeeping groups, the thumbnail file type, the file name case): 0
// and 1 are their own buttons, anything else (a hand-edited settings file) the third.
int threeWayPosition(std::int32_t value);

// Which button of a group of count buttons shows a stored value that only the buttons' own
// values name (the filter, the click action): the value itself, none outside 0 to count - 1.
std::optional<int> tablePosition(std::int32_t value, int count);

} // namespace vistrel::ui
