// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vistrel::ui {

// The number of rounds a text of the round list gives: the text read as a decimal number
// (leading blanks, a sign, digits; beyond the setting's range its end). Nothing when that is
// below 1: an empty box or letters are a count still being typed, and storing 0 for them would
// end the stop the ticked box stands for and take the list away from the user mid-typing.
std::optional<std::int32_t> roundCountFromText(std::string_view text);

} // namespace vistrel::ui
