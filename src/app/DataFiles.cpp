// SPDX-License-Identifier: MIT
#include "app/DataFiles.h"

#include "platform/FileSystem.h"

namespace vistrel {

std::vector<std::string> dataFileCandidates(const std::string& executablePath,
                                            std::string_view relativePath) {
    const auto slash = executablePath.rfind('/');
    if (slash == std::string::npos) {
        return {};
    }
    const std::string folder = executablePath.substr(0, slash + 1);
    return {folder + std::string(relativePath),
            folder + "../share/vistrel/" + std::string(relativePath)};
}

std::optional<std::string> findDataFile(const std::string& executablePath,
                                        std::string_view relativePath) {
    for (std::string& candidate : dataFileCandidates(executablePath, relativePath)) {
        if (FileExists(candidate)) {
            return std::move(candidate);
        }
    }
    return std::nullopt;
}

} // namespace vistrel
