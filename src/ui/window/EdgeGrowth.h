// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <vector>

#include <QRect>
#include <QSize>

namespace vistrel::ui {

// Makes room for controls that need more than their table rectangle: every rectangle becomes at
// least its minimum size, and everything whose edge lies at or after the grown edge moves along
// by as much, so controls keep their order, their alignment and the gaps between them. Each
// axis is handled on its own: the edges are taken in order, and each edge keeps its distance to
// the edge before it unless a rectangle ending there needs more. Include the window's own
// rectangle to learn how much the window must grow.
std::vector<QRect> growToMinimumSizes(std::span<const QRect> rects,
                                      std::span<const QSize> minimums);

} // namespace vistrel::ui
