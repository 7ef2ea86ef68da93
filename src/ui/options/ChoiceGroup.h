// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QWidget;

namespace vistrel::ui {

// A radio group whose value is the position of its checked button, from 0. The buttons are
// mutually exclusive, yet none is checked until a value shows one, so that a stored value no
// button names opens with the group empty and is kept.
class ChoiceGroup {
public:
    // The group belongs to page, which also owns the buttons.
    ChoiceGroup(QWidget* page, std::initializer_list<QAbstractButton*> buttons);

    // Checks the button at position; nullopt checks none. For a group that shows nothing yet.
    void show(std::optional<int> position);
    // The position of the checked button into setting; setting stays when none is checked.
    void store(std::int32_t& setting) const;

private:
    QButtonGroup* m_group;
};

} // namespace vistrel::ui
