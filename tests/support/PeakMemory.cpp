// SPDX-License-Identifier: MIT
#include "support/PeakMemory.h"

#include <fstream>
#include <string>
#include <string_view>

namespace vistrel::test {
namespace {

// The value of one "Name:   123 kB" line of /proc/self/status.
std::optional<std::int64_t> statusKiB(std::string_view name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(name) && line.size() > name.size() && line[name.size()] == ':') {
            return std::stoll(line.substr(name.size() + 1));
        }
    }
    return std::nullopt;
}

// Writing 5 to clear_refs sets the peak (VmHWM) to the memory resident now.
bool resetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.close();
    return !clear.fail();
}

} // namespace

std::optional<std::int64_t> peakMemoryGrowthKiB(const std::function<void()>& work) {
    if (!resetPeak()) {
        return std::nullopt;
    }
    const auto before = statusKiB("VmRSS");
    work();
    const auto peak = statusKiB("VmHWM");
    if (!before || !peak) {
        return std::nullopt;
    }
    return *peak - *before;
}

} // namespace vistrel::test
