// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

class QFont;

namespace vistrel::ui {

// A rectangle in dialog units, as the window's control table gives it.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The dialog base units of a font: the average width of the 52 letters A-Z and a-z, rounded to
// a whole pixel, and the em height in pixels. Four horizontal dialog units make one average
// letter width, eight vertical ones one em.
struct DialogBaseUnits {
    int horizontal = 0;
    int vertical = 0;
};

DialogBaseUnits dialogBaseUnits(const QFont& font);

// The pixels of a rectangle in dialog units. Each edge is converted on its own, rounded to the
// nearest pixel, so neighbouring controls that share an edge in dialog units share it in pixels.
QRect toPixels(const DialogRect& rect, const DialogBaseUnits& units);

} // namespace vistrel::ui
