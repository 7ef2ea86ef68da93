// SPDX-License-Identifier: MIT
#include "ui/options/ChoiceGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QWidget>

namespace vistrel::ui {

ChoiceGroup::ChoiceGroup(QWidget* page, std::initializer_list<QAbstractButton*> buttons)
    : m_group(new QButtonGroup(page)) {
    int position = 0;
    for (QAbstractButton* button : buttons) {
        m_group->addButton(button, position++);
    }
}

void ChoiceGroup::show(std::optional<int> position) {
    if (position) {
        m_group->button(*position)->setChecked(true);
    }
}

void ChoiceGroup::store(std::int32_t& setting) const {
    if (const int checked = m_group->checkedId(); checked >= 0) {
        setting = checked;
    }
}

} // namespace vistrel::ui
