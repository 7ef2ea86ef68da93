// SPDX-License-Identifier: MIT
#include "ui/options/OptionChoices.h"

#include "app/SettingsTable.h"

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

std::string addStringFromText(std::string_view text) {
    if (!text.empty()) {
        return std::string(text);
    }
    // The suffix of a first start is the one an empty box falls back to.
    return std::string(findSetting("AddString")->defaultText);
}

} // namespace vistrel::ui
