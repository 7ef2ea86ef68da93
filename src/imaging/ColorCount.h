// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

namespace vistrel::detail {

// The number of distinct colours among RGB pixels (3 bytes each), alpha not considered.
// Uses a 2 MiB bitmap of all 2^24 colours. Throws std::bad_alloc when memory runs out.
std::uint32_t countDistinctColors(std::span<const std::uint8_t> rgb);

} // namespace vistrel::detail
