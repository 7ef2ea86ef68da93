// SPDX-License-Identifier: MIT
#include "imaging/Orientation.h"

#include <utility>

#include "imaging/ExifOrientation.h"
#include "imaging/Image.h"

namespace vistrel::detail {
namespace {

constexpr int kMirrorLeftRight = 2;
constexpr int kTurn180 = 3;
constexpr int kMirrorTopBottom = 4;
constexpr int kTranspose = 5;
constexpr int kTurnClockwise = 6;
constexpr int kTransverse = 7;
constexpr int kTurnAnticlockwise = 8;
constexpr std::size_t kBytesPerPixel = 3;

struct Point {
    int x;
    int y;
};

// Where the pixel shown at (x, y) of the upright image lies in the stored one, which is
// width x height.
Point storedPosition(int orientation, int x, int y, int width, int height) {
    switch (orientation) {
    case kMirrorLeftRight:
        return {width - 1 - x, y};
    case kTurn180:
        return {width - 1 - x, height - 1 - y};
    case kMirrorTopBottom:
        return {x, height - 1 - y};
    case kTranspose:
        return {y, x};
    case kTurnClockwise:
        return {y, height - 1 - x};
    case kTransverse:
        return {width - 1 - y, height - 1 - x};
    case kTurnAnticlockwise:
        return {width - 1 - y, x};
    default:
        return {x, y};
    }
}

std::size_t indexOf(Point point, int width) {
    return static_cast<std::size_t>(point.y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(point.x);
}

} // namespace

bool swapsSides(int orientation) {
    return orientation >= kTranspose && orientation <= kTurnAnticlockwise;
}

void orientImage(Image& image, int orientation) {
    if (orientation <= kUpright || orientation > kLastOrientation) {
        return;
    }
    const int width = image.width();
    const int height = image.height();
    const bool swap = swapsSides(orientation);
    auto upright = Image::create(swap ? height : width, swap ? width : height);
    if (!upright) {
        return;
    }
    if (image.hasAlpha()) {
        upright->addAlpha();
    }
    upright->setPalette(image.palette());
    const auto source = image.pixels();
    const auto sourceAlpha = image.alpha();
    auto target = upright->pixels();
    auto targetAlpha = upright->alpha();
    for (int y = 0; y < upright->height(); ++y) {
        for (int x = 0; x < upright->width(); ++x) {
            const std::size_t from =
                indexOf(storedPosition(orientation, x, y, width, height), width);
            const std::size_t to = indexOf({x, y}, upright->width());
            for (std::size_t c = 0; c < kBytesPerPixel; ++c) {
                target[to * kBytesPerPixel + c] = source[from * kBytesPerPixel + c];
            }
            if (!targetAlpha.empty()) {
                targetAlpha[to] = sourceAlpha[from];
            }
        }
    }
    image = std::move(*upright);
}

} // namespace vistrel::detail
