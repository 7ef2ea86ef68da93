// SPDX-License-Identifier: MIT
#include "ui/pages/ChoiceControls.h"

namespace vistrel::ui {

void checkOnly(std::initializer_list<QAbstractButton*> buttons,
               std::optional<std::size_t> position) {
    std::size_t at = 0;
    for (QAbstractButton* button : buttons) {
        const bool checked = position == at++;
        // An exclusive button cannot be cleared while it is exclusive.
        button->setAutoExclusive(false);
        button->setChecked(checked);
        button->setAutoExclusive(true);
    }
}

std::optional<std::size_t> choicePosition(std::int32_t value, std::size_t count) {
    if (value < 0 || static_cast<std::size_t>(value) >= count) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(value);
}

void showChoice(QComboBox* list, std::int32_t value) {
    const auto position = choicePosition(value, static_cast<std::size_t>(list->count()));
    list->setCurrentIndex(position ? static_cast<int>(*position) : -1);
}

} // namespace vistrel::ui
