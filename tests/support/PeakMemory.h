// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace vistrel::test {

// How far the resident memory of this process rose above its level at the start while work
// ran, in KiB: the kernel's peak is first reset to the current use (/proc/self/clear_refs), so
// what earlier tests used does not count. nullopt when the peak cannot be reset or read here.
// A measure of work that allocates and fills memory, independent of the machine's speed.
std::optional<std::int64_t> peakMemoryGrowthKiB(const std::function<void()>& work);

} // namespace vistrel::test
