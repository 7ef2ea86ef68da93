// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace vistrel {
class Image;
} // namespace vistrel

namespace vistrel::detail {

// A rectangle of source pixels; it may reach past the image, whose outside counts as fully
// transparent.
struct SourceRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Area averaging (a box filter with fractional coverage): each target pixel is the mean of the
// source area it covers, every source pixel weighted by the share of it inside that area. Works
// one target row at a time and only on a chosen band of target columns, so a caller that clips
// to a small surface does no work for the rest of a huge target.
class AreaResampler {
public:
    // Values per target pixel: red, green, blue premultiplied by alpha, then alpha; all 0..255.
    static constexpr std::size_t kChannels = 4;

    // Maps rect of source onto a targetWidth x targetHeight raster (all sizes positive) and
    // computes its columns [firstColumn, firstColumn + columnCount). source must outlive this.
    AreaResampler(const Image& source, SourceRect rect, int targetWidth, int targetHeight,
                  int firstColumn, int columnCount);

    // Target row y (0 <= y < targetHeight) into out, columnCount x kChannels values.
    void resampleRow(int y, std::span<float> out);

private:
    struct Tap {
        int index;
        float weight;
    };
    struct CachedRow {
        int sourceRow = -1;
        std::vector<float> values;
    };

    // The source pixels (within 0..limit-1) that target pixel `target` of an axis covers, and
    // their weights, which sum to the covered share of the target pixel.
    static void tapsFor(int target, int sourceStart, int sourceLength, int targetLength, int limit,
                        std::vector<Tap>& taps);
    const std::vector<float>& horizontalRow(int sourceRow);

    const Image& m_source;
    SourceRect m_rect;
    int m_targetHeight;
    int m_columnCount;
    std::vector<std::size_t> m_columnStart; // columnCount + 1 offsets into m_columnTaps
    std::vector<Tap> m_columnTaps;
    std::vector<Tap> m_rowTaps;
    std::array<CachedRow, 2> m_cache;
};

} // namespace vistrel::detail
