// SPDX-License-Identifier: MIT
#include "app/DataFiles.h"

#include <filesystem>
#include <system_error>

#include "platform/FileSystem.h"
#include "platform/PathText.h"

namespace vistrel {
std::string installedDataFolder(const std::string& executablePath) {
    const std::string folder = folderPart(executablePath);
    return folder.empty() ? folder : folder + "../share/vistrel/";
}

bool isInstalledCopy(const std::string& executablePath) {
    const std::string dataFolder = installedDataFolder(executablePath);
    std::error_code error;
    return !dataFolder.empty() && std::filesystem::is_directory(dataFolder, error);
}

std::vector<std::string> dataFileCandidates(const std::string& executablePath,
                                            std::string_view relativePath) {
    const std::string folder = folderPart(executablePath);
    if (folder.empty()) {
        return {};
    }
    return {folder + std::string(relativePath),
            installedDataFolder(executablePath) + std::string(relativePath)};
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
