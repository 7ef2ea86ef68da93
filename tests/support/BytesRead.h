// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

namespace vistrel::test {

// How many bytes this process has read through read() and its kin so far (the kernel's rchar
// of /proc/self/io); nullopt where the kernel does not tell. The difference over a step shows
// how much of a file it read, whatever the machine's speed.
std::optional<std::uint64_t> bytesReadByProcess();

} // namespace vistrel::test
