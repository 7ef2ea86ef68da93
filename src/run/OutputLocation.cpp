// SPDX-License-Identifier: MIT
#include "run/OutputLocation.h"

#include <filesystem>
#include <string_view>

#include "app/Settings.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "text/ProgramTexts.h"

namespace vistrel {
namespace {

// The shortest folder text that is more than the root of the file system.
constexpr std::size_t kShortestFolder = 4;

void createFolders(const std::string& path) {
    std::error_code ignored;
    std::filesystem::create_directories(path, ignored);
}

} // namespace

LocationStatus CheckOutputLocation(const std::string& folder, const std::string& subFolder) {
    const LocationInfo location = probeLocation(folder);
    if (!location.absolute) {
        return LocationStatus::NoSuchPlace;
    }
    if (location.readOnly || location.optical) {
        return LocationStatus::ReadOnly;
    }
    if (folder.size() >= kShortestFolder && !FileExists(folder + "*.*")) {
        return LocationStatus::NoFolder;
    }
    if (!FileExists(folder + subFolder + "*.*")) {
        return LocationStatus::NoSubFolder;
    }
    return LocationStatus::Ready;
}

int ResolveOutputLocation(LocationStatus status, const Settings& settings, Prompter& prompter) {
    switch (status) {
    case LocationStatus::NoSuchPlace:
        prompter.message(texts::kDriveErrorCaption,
                         settings.HTMLPath + std::string(texts::kNoSuchPlaceTail),
                         PromptIcon::Stop);
        return 0;
    case LocationStatus::ReadOnly:
        prompter.message(texts::kDriveErrorCaption,
                         probeLocation(settings.HTMLPath).mountPoint +
                             std::string(texts::kReadOnlyTail),
                         PromptIcon::Stop);
        return 0;
    case LocationStatus::NoFolder:
        if (!prompter.ask(texts::kFolderCheckCaption,
                          settings.HTMLPath + std::string(texts::kNoFolderTail),
                          PromptIcon::Question)) {
            return 0;
        }
        createFolders(settings.HTMLPath + settings.SubFolder + "/");
        return 1;
    case LocationStatus::NoSubFolder:
        if (!prompter.ask(texts::kFolderCheckCaption,
                          std::string(texts::kNoSubFolderHead) + settings.SubFolder +
                              std::string(texts::kNoSubFolderTail),
                          PromptIcon::Question)) {
            return 0;
        }
        createFolders(settings.HTMLPath + settings.SubFolder + "/");
        return 1;
    case LocationStatus::Ready:
        break;
    }
    return 1;
}

} // namespace vistrel
