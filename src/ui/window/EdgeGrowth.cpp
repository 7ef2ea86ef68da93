// SPDX-License-Identifier: MIT
#include "ui/window/EdgeGrowth.h"

#include <algorithm>
#include <map>

namespace vistrel::ui {
namespace {

struct Span {
    int start = 0;
    int end = 0;
    int minimum = 0;
};

// Where each edge of spans goes: edges keep their gaps, and an edge that ends a span lies at
// least that span's minimum after the span's (moved) start.
std::map<int, int> movedEdges(const std::vector<Span>& spans) {
    std::map<int, int> moved;
    for (const Span& span : spans) {
        moved[span.start] = span.start;
        moved[span.end] = span.end;
    }
    auto previous = moved.end();
    for (auto edge = moved.begin(); edge != moved.end(); ++edge) {
        int position = edge->first;
        if (previous != moved.end()) {
            position = previous->second + (edge->first - previous->first);
        }
        for (const Span& span : spans) {
            if (span.end == edge->first) {
                position = std::max(position, moved.at(span.start) + span.minimum);
            }
        }
        edge->second = position;
        previous = edge;
    }
    return moved;
}

} // namespace

std::vector<QRect> growToMinimumSizes(std::span<const QRect> rects,
                                      std::span<const QSize> minimums) {
    std::vector<Span> horizontal;
    std::vector<Span> vertical;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const QRect& r = rects[i];
        const QSize minimum = i < minimums.size() ? minimums[i] : QSize();
        horizontal.push_back({r.x(), r.x() + r.width(), std::max(0, minimum.width())});
        vertical.push_back({r.y(), r.y() + r.height(), std::max(0, minimum.height())});
    }
    const std::map<int, int> x = movedEdges(horizontal);
    const std::map<int, int> y = movedEdges(vertical);
    std::vector<QRect> grown;
    grown.reserve(rects.size());
    for (const QRect& r : rects) {
        const int left = x.at(r.x());
        const int top = y.at(r.y());
        grown.emplace_back(left, top, x.at(r.x() + r.width()) - left,
                           y.at(r.y() + r.height()) - top);
    }
    return grown;
}

} // namespace vistrel::ui
