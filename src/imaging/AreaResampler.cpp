// SPDX-License-Identifier: MIT
#include "imaging/AreaResampler.h"

#include <algorithm>
#include <cmath>

#include "imaging/Image.h"

namespace vistrel::detail {
namespace {

constexpr float kOpaque = 255.0F;

} // namespace

AreaResampler::AreaResampler(const Image& source, SourceRect rect, int targetWidth,
                             int targetHeight, int firstColumn, int columnCount)
    : m_source(source), m_rect(rect), m_targetHeight(targetHeight), m_columnCount(columnCount) {
    std::vector<Tap> taps;
    m_columnStart.push_back(0);
    for (int column = firstColumn; column < firstColumn + columnCount; ++column) {
        tapsFor(column, rect.x, rect.width, targetWidth, source.width(), taps);
        m_columnTaps.insert(m_columnTaps.end(), taps.begin(), taps.end());
        m_columnStart.push_back(m_columnTaps.size());
    }
    for (CachedRow& cached : m_cache) {
        cached.values.resize(static_cast<std::size_t>(columnCount) * kChannels);
    }
}

void AreaResampler::tapsFor(int target, int sourceStart, int sourceLength, int targetLength,
                            int limit, std::vector<Tap>& taps) {
    taps.clear();
    // Multiplying before dividing keeps the edges exact whenever the sizes divide evenly.
    const double scale = static_cast<double>(sourceLength) / targetLength;
    const double begin = sourceStart + static_cast<double>(target) * sourceLength / targetLength;
    const double end =
        sourceStart + (static_cast<double>(target) + 1) * sourceLength / targetLength;
    const auto first = static_cast<long long>(std::floor(begin));
    const auto last = static_cast<long long>(std::ceil(end));
    for (long long index = std::max(first, 0LL); index < std::min<long long>(last, limit);
         ++index) {
        const double covered = std::min(end, static_cast<double>(index + 1)) -
                               std::max(begin, static_cast<double>(index));
        if (covered > 0) {
            taps.push_back({static_cast<int>(index), static_cast<float>(covered / scale)});
        }
    }
}

const std::vector<float>& AreaResampler::horizontalRow(int sourceRow) {
    // Consecutive target rows share at most their boundary source row, so two slots suffice.
    CachedRow& cached = m_cache[static_cast<std::size_t>(sourceRow) % m_cache.size()];
    if (cached.sourceRow == sourceRow) {
        return cached.values;
    }
    cached.sourceRow = sourceRow;
    const auto rgb = m_source.row(sourceRow);
    const auto alphaPlane = m_source.alpha();
    const std::size_t alphaStart =
        static_cast<std::size_t>(sourceRow) * static_cast<std::size_t>(m_source.width());
    for (int column = 0; column < m_columnCount; ++column) {
        const auto c = static_cast<std::size_t>(column);
        float red = 0;
        float green = 0;
        float blue = 0;
        float alpha = 0;
        for (std::size_t t = m_columnStart[c]; t < m_columnStart[c + 1]; ++t) {
            const auto x = static_cast<std::size_t>(m_columnTaps[t].index);
            const float a = alphaPlane.empty() ? kOpaque : alphaPlane[alphaStart + x];
            const float weight = m_columnTaps[t].weight * (a / kOpaque);
            red += weight * rgb[3 * x];
            green += weight * rgb[3 * x + 1];
            blue += weight * rgb[3 * x + 2];
            alpha += m_columnTaps[t].weight * a;
        }
        float* out = &cached.values[c * kChannels];
        out[0] = red;
        out[1] = green;
        out[2] = blue;
        out[3] = alpha;
    }
    return cached.values;
}

void AreaResampler::resampleRow(int y, std::span<float> out) {
    std::fill(out.begin(), out.end(), 0.0F);
    tapsFor(y, m_rect.y, m_rect.height, m_targetHeight, m_source.height(), m_rowTaps);
    for (const Tap& tap : m_rowTaps) {
        const auto& row = horizontalRow(tap.index);
        for (std::size_t i = 0; i < out.size() && i < row.size(); ++i) {
            out[i] += tap.weight * row[i];
        }
    }
}

} // namespace vistrel::detail
