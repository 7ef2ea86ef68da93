// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vistrel {

// The program version, written into the generator tag of every page.
inline constexpr std::string_view kVersionText = "2.18";

} // namespace vistrel
