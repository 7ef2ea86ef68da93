// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vistrel {

// The file-name part of a path: everything after its last "/", or the whole text without one.
inline std::string fileNamePart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The folder part of a path: everything up to and including its last "/", or empty without one.
inline std::string folderPart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
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
