// SPDX-License-Identifier: MIT
#include "imaging/ColorQuantizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace vistrel::detail {
namespace {

constexpr int kMaxColors = 256;
constexpr int kChannels = 3;

struct ColourCount {
    std::uint32_t colour; // 0xRRGGBB
    std::uint32_t count;
};

struct Box {
    std::size_t begin;
    std::size_t end;
    double error;
    int axis;
};

std::uint32_t pack(const std::uint8_t* rgb) {
    return (std::uint32_t{rgb[0]} << 16) | (std::uint32_t{rgb[1]} << 8) | rgb[2];
}

int channelOf(std::uint32_t colour, int channel) {
    return static_cast<int>((colour >> (8 * (2 - channel))) & 0xFFU);
}

Rgb unpack(std::uint32_t colour) {
    return {static_cast<std::uint8_t>(channelOf(colour, 0)),
            static_cast<std::uint8_t>(channelOf(colour, 1)),
            static_cast<std::uint8_t>(channelOf(colour, 2))};
}

bool isOpaque(std::span<const std::uint8_t> alpha, std::size_t pixel) {
    return alpha.empty() || alpha[pixel] >= kOpaqueThreshold;
}

// Distinct opaque colours with their pixel counts, in ascending colour order.
std::vector<ColourCount> histogramOf(std::span<const std::uint8_t> rgb,
                                     std::span<const std::uint8_t> alpha) {
    std::vector<std::uint32_t> colours;
    colours.reserve(rgb.size() / kChannels);
    for (std::size_t pixel = 0; pixel < rgb.size() / kChannels; ++pixel) {
        if (isOpaque(alpha, pixel)) {
            colours.push_back(pack(&rgb[kChannels * pixel]));
        }
    }
    std::sort(colours.begin(), colours.end());
    std::vector<ColourCount> histogram;
    for (const std::uint32_t colour : colours) {
        if (histogram.empty() || histogram.back().colour != colour) {
            histogram.push_back({colour, 0});
        }
        ++histogram.back().count;
    }
    return histogram;
}

Box measure(const std::vector<ColourCount>& entries, std::size_t begin, std::size_t end) {
    std::array<double, kChannels> sum{};
    std::array<double, kChannels> squares{};
    double total = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const double count = entries[i].count;
        total += count;
        for (int c = 0; c < kChannels; ++c) {
            const double value = channelOf(entries[i].colour, c);
            sum[static_cast<std::size_t>(c)] += count * value;
            squares[static_cast<std::size_t>(c)] += count * value * value;
        }
    }
    Box box{begin, end, 0.0, 0};
    double widest = -1.0;
    for (int c = 0; c < kChannels; ++c) {
        const auto k = static_cast<std::size_t>(c);
        const double spread = squares[k] - sum[k] * sum[k] / total;
        box.error += spread;
        if (spread > widest) {
            widest = spread;
            box.axis = c;
        }
    }
    return box;
}

// Splits box at the weighted median of its axis; both halves keep at least one colour.
std::pair<Box, Box> split(std::vector<ColourCount>& entries, const Box& box) {
    const auto first = entries.begin() + static_cast<std::ptrdiff_t>(box.begin);
    const auto last = entries.begin() + static_cast<std::ptrdiff_t>(box.end);
    std::sort(first, last, [axis = box.axis](const ColourCount& a, const ColourCount& b) {
        return channelOf(a.colour, axis) < channelOf(b.colour, axis);
    });
    double total = 0;
    for (auto it = first; it != last; ++it) {
        total += it->count;
    }
    double running = 0;
    std::size_t middle = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
        running += entries[i].count;
        middle = i + 1;
        if (running >= total / 2) {
            break;
        }
    }
    return {measure(entries, box.begin, middle), measure(entries, middle, box.end)};
}

Rgb meanOf(const std::vector<ColourCount>& entries, const Box& box) {
    std::array<double, kChannels> sum{};
    double total = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        total += entries[i].count;
        for (int c = 0; c < kChannels; ++c) {
            sum[static_cast<std::size_t>(c)] +=
                static_cast<double>(entries[i].count) * channelOf(entries[i].colour, c);
        }
    }
    const auto level = [&](int c) {
        return static_cast<std::uint8_t>(std::lround(sum[static_cast<std::size_t>(c)] / total));
    };
    return {level(0), level(1), level(2)};
}

std::vector<Rgb> medianCut(std::vector<ColourCount> entries, int maxColors) {
    std::vector<Box> boxes{measure(entries, 0, entries.size())};
    while (static_cast<int>(boxes.size()) < maxColors) {
        const auto worst =
            std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
                const bool aSplits = a.end - a.begin > 1;
                const bool bSplits = b.end - b.begin > 1;
                return aSplits != bSplits ? bSplits : a.error < b.error;
            });
        if (worst->end - worst->begin < 2) {
            break;
        }
        const auto [low, high] = split(entries, *worst);
        *worst = low;
        boxes.push_back(high);
    }
    std::vector<Rgb> palette;
    for (const Box& box : boxes) {
        palette.push_back(meanOf(entries, box));
    }
    return palette;
}

std::uint8_t nearest(const std::vector<Rgb>& palette, std::uint32_t colour) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = channelOf(colour, 0) - palette[i].r;
        const int dg = channelOf(colour, 1) - palette[i].g;
        const int db = channelOf(colour, 2) - palette[i].b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace

IndexedPixels quantizeColors(std::span<const std::uint8_t> rgb, std::span<const std::uint8_t> alpha,
                             int maxColors) {
    maxColors = std::clamp(maxColors, 1, kMaxColors);
    const std::vector<ColourCount> histogram = histogramOf(rgb, alpha);
    IndexedPixels result;
    std::vector<std::uint8_t> entryIndex(histogram.size());
    if (histogram.size() <= static_cast<std::size_t>(maxColors)) {
        for (std::size_t i = 0; i < histogram.size(); ++i) {
            result.palette.push_back(unpack(histogram[i].colour));
            entryIndex[i] = static_cast<std::uint8_t>(i);
        }
    } else {
        result.palette = medianCut(histogram, maxColors);
        for (std::size_t i = 0; i < histogram.size(); ++i) {
            entryIndex[i] = nearest(result.palette, histogram[i].colour);
        }
    }
    const std::size_t pixels = rgb.size() / kChannels;
    const auto transparent =
        static_cast<std::uint8_t>(std::min<std::size_t>(result.palette.size(), 255));
    result.indices.resize(pixels);
    for (std::size_t pixel = 0; pixel < pixels; ++pixel) {
        if (!isOpaque(alpha, pixel)) {
            result.indices[pixel] = transparent;
            continue;
        }
        const std::uint32_t colour = pack(&rgb[kChannels * pixel]);
        const auto entry =
            std::lower_bound(histogram.begin(), histogram.end(), colour,
                             [](const ColourCount& a, std::uint32_t c) { return a.colour < c; });
        result.indices[pixel] = entryIndex[static_cast<std::size_t>(entry - histogram.begin())];
    }
    return result;
}

} // namespace vistrel::detail
