// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include <QString>

#include "text/DecimalText.h"
#include "ui/shell/QtText.h"

namespace vistrel::ui {

// A number typed into a box, read as the C library reads one: leading blanks, a sign, digits;
// a text that is no number reads as 0, and a number beyond 32 bits as the end it passed.
inline std::int32_t typedNumber(const QString& text) {
    return saturatedInt32(scanDecimal(stdText(text), true));
}

} // namespace vistrel::ui
