// SPDX-License-Identifier: MIT
#pragma once

#include <QValidator>

namespace vistrel::ui {

// Lets only the digits 0 to 9 into a line edit. Whatever else arrives, typed, pasted or
// dropped, is taken out and the digits around it are kept, as if each character had been
// typed in turn; the cursor stays after the last digit that came before it.
class DigitsValidator final : public QValidator {
    Q_OBJECT

public:
    explicit DigitsValidator(QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;
};

} // namespace vistrel::ui
