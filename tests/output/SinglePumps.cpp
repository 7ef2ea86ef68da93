// SPDX-License-Identifier: MIT
#include "SinglePumps.h"

namespace vistrel::test {

std::vector<std::string> withSinglePumps(const std::vector<std::string>& events) {
    std::vector<std::string> single;
    for (const std::string& event : events) {
        if (event != "pump" || single.empty() || single.back() != "pump") {
            single.push_back(event);
        }
    }
    return single;
}

} // namespace vistrel::test
