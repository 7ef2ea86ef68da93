// SPDX-License-Identifier: MIT
#include "ui/controls/IconButtonGeometry.h"

#include <algorithm>

namespace vistrel::ui {

QPoint iconPosition(QSize button, QSize icon, IconButtonSpacing spacing, bool hasCaption,
                    bool pressed) {
    const int x = hasCaption ? spacing.margin : (button.width() - icon.width()) / 2;
    const int y = (button.height() - icon.height()) >> 1;
    const int shift = pressed ? 1 : 0;
    return {x + shift, y + shift};
}

QPoint captionPosition(QSize button, QSize caption, QSize icon, IconButtonSpacing spacing,
                       bool pressed) {
    int x = 0;
    if (icon.isEmpty()) {
        x = (button.width() - caption.width()) / 2;
    } else {
        const int room =
            button.width() - spacing.gap - icon.width() - spacing.margin - caption.width();
        x = std::max(0, room) / 2 + spacing.margin + icon.width() + spacing.gap;
    }
    const int y = (button.height() - caption.height()) / 2 - 1;
    const int shift = pressed ? 1 : 0;
    return {x + shift, y + shift};
}

QRect focusRect(QSize button) {
    const int smaller = std::min(button.width(), button.height());
    const int inset = smaller < 16 ? smaller / 4 : 3;
    return QRect(QPoint(0, 0), button).adjusted(inset, inset, -inset, -inset);
}

QSize fittingButtonSize(QSize caption, QSize icon, IconButtonSpacing spacing) {
    const int margins = 2 * spacing.margin;
    // The caption stands one pixel above the centre and sinks one when pressed.
    const int captionHeight = caption.isEmpty() ? 0 : caption.height() + 2;
    const int height = std::max(icon.height(), captionHeight) + margins;
    if (icon.isEmpty()) {
        return {caption.width() + margins, height};
    }
    if (caption.isEmpty()) {
        return {icon.width() + margins, height};
    }
    // Beside an icon the caption is centred in the room left after the margin, icon and gap,
    // so a right margin as wide as the left one needs twice that room.
    return {icon.width() + spacing.gap + caption.width() + 3 * spacing.margin, height};
}

} // namespace vistrel::ui
