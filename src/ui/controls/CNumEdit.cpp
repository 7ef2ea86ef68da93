// SPDX-License-Identifier: MIT
#include "ui/controls/CNumEdit.h"

#include "ui/controls/DigitsValidator.h"

namespace vistrel::ui {

CNumEdit::CNumEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new DigitsValidator(this));
    setInputMethodHints(Qt::ImhDigitsOnly);
}

} // namespace vistrel::ui
