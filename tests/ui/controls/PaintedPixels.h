// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace vistrel::ui::test {

// The smallest rectangle holding every pixel of image whose colour passes wanted; null when
// none does.
template <typename Wanted> QRect pixelsWhere(const QImage& image, Wanted wanted) {
    QRect found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (wanted(image.pixelColor(x, y))) {
                found |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

} // namespace vistrel::ui::test
