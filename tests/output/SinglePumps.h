// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace vistrel::test {

// The events of a RecordingProgressSink with each run of pumps in a row taken as one. A step
// that waits on the disk or on a worker pumps once more every few tens of milliseconds it
// waits, which no test can foresee; the pumps a run makes between its steps stay.
std::vector<std::string> withSinglePumps(const std::vector<std::string>& events);

} // namespace vistrel::test
