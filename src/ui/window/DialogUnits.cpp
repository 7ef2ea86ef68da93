// SPDX-License-Identifier: MIT
#include "ui/window/DialogUnits.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace vistrel::ui {
namespace {

// value x numerator / denominator, rounded half up (values here are never negative).
int scaled(int value, int numerator, int denominator) {
    return (value * numerator + denominator / 2) / denominator;
}

} // namespace

DialogBaseUnits dialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The average of the 52 letters, rounded: half the rounded-up average of 26 letter pairs.
    return {(letters / 26 + 1) / 2, QFontInfo(font).pixelSize()};
}

QRect toPixels(const DialogRect& rect, const DialogBaseUnits& units) {
    const int left = scaled(rect.x, units.horizontal, 4);
    const int right = scaled(rect.x + rect.width, units.horizontal, 4);
    const int top = scaled(rect.y, units.vertical, 8);
    const int bottom = scaled(rect.y + rect.height, units.vertical, 8);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace vistrel::ui
