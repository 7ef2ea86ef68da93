// SPDX-License-Identifier: MIT
#include "ui/controls/DigitsValidator.h"

namespace vistrel::ui {
namespace {

// Full-width and other scripts' digits are refused too: the number is read as ASCII decimal.
bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

DigitsValidator::DigitsValidator(QObject* parent) : QValidator(parent) {}

QValidator::State DigitsValidator::validate(QString& input, int& position) const {
    QString digits;
    digits.reserve(input.size());
    int newPosition = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (!isAsciiDigit(input[i])) {
            continue;
        }
        if (i < position) {
            ++newPosition;
        }
        digits += input[i];
    }
    input = digits;
    position = newPosition;
    return Acceptable;
}

} // namespace vistrel::ui
