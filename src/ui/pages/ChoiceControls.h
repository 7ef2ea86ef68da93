// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include <QAbstractButton>
#include <QComboBox>

namespace vistrel::ui {

// Checks the button at position among mutually exclusive ones, or none of them when position
// names no button (a stored value that no button stands for).
void checkOnly(std::initializer_list<QAbstractButton*> buttons,
               std::optional<std::size_t> position);

// The position a stored value names among count buttons or entries: the value itself when it
// is one of 0 .. count - 1, none otherwise.
std::optional<std::size_t> choicePosition(std::int32_t value, std::size_t count);

// Shows the entry of a drop-down list that value names, or none when it names no entry.
void showChoice(QComboBox* list, std::int32_t value);

} // namespace vistrel::ui
