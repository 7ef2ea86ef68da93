// SPDX-License-Identifier: MIT
#include "support/BytesRead.h"

#include <fstream>
#include <string>

namespace vistrel::test {

std::optional<std::uint64_t> bytesReadByProcess() {
    std::ifstream io("/proc/self/io");
    std::string field;
    std::uint64_t value = 0;
    while (io >> field >> value) {
        if (field == "rchar:") {
            return value;
        }
    }
    return std::nullopt;
}

} // namespace vistrel::test
