// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vistrel {

// The file-name part of a path: everything after its last "/", or the whole text without one.
inline std::string fileNamePart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace vistrel
