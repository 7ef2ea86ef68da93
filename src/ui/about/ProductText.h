// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vistrel::ui {

// The product name the about box and the main window's lower-left corner show; the about box
// follows it with the version.
inline constexpr std::string_view kProductName = "Vistrel !! ";
// The line under the product name in both places.
inline constexpr std::string_view kSecondLine = "写真フォルダからホームページを作成します";

} // namespace vistrel::ui
