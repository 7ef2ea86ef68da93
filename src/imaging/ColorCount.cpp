// SPDX-License-Identifier: MIT
#include "imaging/ColorCount.h"

#include <vector>

namespace vistrel::detail {
namespace {

constexpr std::size_t kColourSpace = std::size_t{1} << 24;
constexpr std::size_t kBitsPerWord = 64;

} // namespace

std::uint32_t countDistinctColors(std::span<const std::uint8_t> rgb) {
    std::vector<std::uint64_t> seen(kColourSpace / kBitsPerWord);
    std::uint32_t distinct = 0;
    for (std::size_t i = 0; i + 3 <= rgb.size(); i += 3) {
        const std::size_t colour =
            (std::size_t{rgb[i]} << 16) | (std::size_t{rgb[i + 1]} << 8) | rgb[i + 2];
        const std::uint64_t bit = std::uint64_t{1} << (colour % kBitsPerWord);
        std::uint64_t& word = seen[colour / kBitsPerWord];
        if ((word & bit) == 0) {
            word |= bit;
            ++distinct;
        }
    }
    return distinct;
}

} // namespace vistrel::detail
