// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vistrel::ui {

// Where an icon button puts its icon and caption, in pixels from the button's top-left corner.
// A pressed button draws both one pixel further right and down, so that they seem to sink with
// the face.
struct IconButtonSpacing {
    int margin = 4; // the icon's distance from the left edge when a caption follows it
    int gap = 8;    // between the icon and the caption
};

// The icon's top-left corner: at the margin when a caption follows, centred across otherwise;
// always centred down (halved by an arithmetic shift, so an icon taller than the button rises
// by the odd pixel rather than sinks).
QPoint iconPosition(QSize button, QSize icon, IconButtonSpacing spacing, bool hasCaption,
                    bool pressed);

// The caption's top-left corner for a caption of the given measured size. Beside an icon the
// caption is centred in the room right of the icon and never starts left of it; alone it is
// centred across. Either way it stands one pixel above the centre. icon is empty when the
// button has none.
QPoint captionPosition(QSize button, QSize caption, QSize icon, IconButtonSpacing spacing,
                       bool pressed);

// The focus rectangle inside a button: inset by a quarter of the smaller side on a button
// smaller than 16 pixels either way, by 3 pixels otherwise.
QRect focusRect(QSize button);

// The smallest button that shows the icon and the caption whole with the margin left clear
// at every side (and the caption's pixel of lift). Either may be empty.
QSize fittingButtonSize(QSize caption, QSize icon, IconButtonSpacing spacing);

} // namespace vistrel::ui
