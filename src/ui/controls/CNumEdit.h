// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

namespace vistrel::ui {

// A line edit that holds digits only (see DigitsValidator: other characters typed, pasted or
// dropped are dropped and the digits among them kept). Editing keys work as in any line edit,
// and Tab and Escape still move the focus and close the dialog.
class CNumEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CNumEdit(QWidget* parent = nullptr);
};

} // namespace vistrel::ui
