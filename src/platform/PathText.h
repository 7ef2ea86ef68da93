// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vistrel {

// The file-name part of a path: everything after its last "/", or the whole text without one.
inline std::string fileNamePart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// folder with a final "/" added unless it has one; an empty text stays empty, so that a folder
// setting left blank is still seen as blank.
inline std::string withFinalSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder.push_back('/');
    }
    return folder;
}

} // namespace vistrel
