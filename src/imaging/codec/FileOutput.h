// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vistrel::detail {

// Appends bytes to an encoder's output; false when memory runs out. Never throws, so the
// codec libraries' C callbacks can use it.
bool appendBytes(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> bytes) noexcept;

// Creates or replaces the regular file path (UTF-8, used as is) with bytes. False when it
// cannot be written; a file left half written is removed, and a path that is not a regular
// file (a FIFO, a folder) is refused without being touched.
bool writeFileOrRemove(const std::string& path, std::span<const std::uint8_t> bytes) noexcept;

} // namespace vistrel::detail
