// SPDX-License-Identifier: MIT
#include "run/OutputLocation.h"

#include <filesystem>
#include <string_view>

#include "app/Settings.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"

namespace vistrel {
namespace {

constexpr std::string_view kDriveCaption = "ドライブエラー";
constexpr std::string_view kFolderCaption = "フォルダチェック";
constexpr std::string_view kNoSuchPlaceTail =
    " ドライブは存在しません。正しい出力先のフォルダを指定して下さい。";
constexpr std::string_view kReadOnlyTail =
    " ドライブは CD-ROM/R/RW ドライブです。CD-R 等には\n書き込みできないので別のドライブを指定"
    "して下さい。";
constexpr std::string_view kNoFolderTail = " \nフォルダは存在しません。作成しますか？";
constexpr std::string_view kNoSubFolderHead = "画像格納用サブフォルダ（";
constexpr std::string_view kNoSubFolderTail = "）は存在しません。\n作成しますか？";

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
        prompter.message(kDriveCaption, settings.HTMLPath + std::string(kNoSuchPlaceTail),
                         PromptIcon::Stop);
        return 1;
    case LocationStatus::ReadOnly:
        prompter.message(kDriveCaption,
                         probeLocation(settings.HTMLPath).mountPoint + std::string(kReadOnlyTail),
                         PromptIcon::Stop);
        return 1;
    case LocationStatus::NoFolder:
        if (!prompter.ask(kFolderCaption, settings.HTMLPath + std::string(kNoFolderTail),
                          PromptIcon::Question)) {
            return 1;
        }
        createFolders(settings.HTMLPath + settings.SubFolder + "/");
        return 0;
    case LocationStatus::NoSubFolder:
        if (!prompter.ask(kFolderCaption,
                          std::string(kNoSubFolderHead) + settings.SubFolder +
                              std::string(kNoSubFolderTail),
                          PromptIcon::Question)) {
            return 1;
        }
        createFolders(settings.HTMLPath + settings.SubFolder + "/");
        return 0;
    case LocationStatus::Ready:
        break;
    }
    return 0;
}

} // namespace vistrel
