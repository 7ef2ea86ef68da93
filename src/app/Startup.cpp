// SPDX-License-Identifier: MIT
#include "app/Startup.h"

#include <string_view>

#include "app/DataFiles.h"
#include "app/SettingsFile.h"
#include "platform/PathText.h"
#include "platform/ProcessEnvironment.h"
#include "platform/Prompter.h"
#include "text/ProgramTexts.h"

namespace vistrel {
namespace {

constexpr std::string_view kIniFileInConfigFolder = "vistrel/vistrel.ini";

std::string saveFailedText(const Status& status) {
    return std::string(texts::kSettingsSaveFailedHead) + status.path() +
           std::string(texts::kSettingsSaveFailedTail) + status.cause();
}

} // namespace

std::string iniPathBesideExecutable(const std::string& executablePath) {
    const std::string name = fileNamePart(executablePath);
    // The three-character rule would reach into the folder name for a name shorter than that.
    if (name.find('.') != std::string::npos && name.size() >= 3) {
        return executablePath.substr(0, executablePath.size() - 3) + "ini";
    }
    return executablePath + ".ini";
}

std::string folderOfExecutable(const std::string& executablePath) {
    const std::string folder = folderPart(executablePath);
    return folder.empty() ? std::string("./") : folder;
}

std::string executableTitle(const std::string& executablePath) {
    std::string name = fileNamePart(executablePath);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.resize(dot);
    }
    return name;
}

bool checkLibraryVersion(std::uint16_t version, const std::string& executablePath,
                         Prompter& prompter) {
    if (version > kNewestRefusedLibraryVersion) {
        return true;
    }
    prompter.message(executableTitle(executablePath), texts::kLibraryVersionMessage,
                     PromptIcon::Stop);
    return false;
}

StartupEnvironment StartupEnvironment::current() {
    StartupEnvironment environment;
    environment.executablePath = currentExecutablePath();
    environment.homeFolder = vistrel::homeFolder();
    environment.userConfigFolder = vistrel::userConfigFolder();
    environment.installedCopy = isInstalledCopy(environment.executablePath);
    return environment;
}

StartupPaths resolveStartupPaths(const StartupEnvironment& environment,
                                 const std::optional<std::string>& iniOverride) {
    StartupPaths paths;
    if (environment.installedCopy) {
        paths.programFolder = environment.homeFolder;
        paths.iniPath = environment.userConfigFolder + std::string(kIniFileInConfigFolder);
    } else {
        paths.programFolder = folderOfExecutable(environment.executablePath);
        paths.iniPath = iniPathBesideExecutable(environment.executablePath);
    }
    if (iniOverride) {
        paths.iniPath = *iniOverride;
    }
    return paths;
}

Status Application::save(Prompter& prompter) const {
    Status status = saveSettingsFile(paths.iniPath, settings);
    if (!status) {
        prompter.message(texts::kFileErrorCaption, saveFailedText(status), PromptIcon::Stop);
    }
    return status;
}

std::optional<Application> startUp(const StartupEnvironment& environment,
                                   const std::optional<std::string>& iniOverride,
                                   std::uint16_t libraryVersion, Prompter& prompter) {
    if (!checkLibraryVersion(libraryVersion, environment.executablePath, prompter)) {
        return std::nullopt;
    }
    Application application;
    application.paths = resolveStartupPaths(environment, iniOverride);
    application.settings =
        loadSettingsFile(application.paths.iniPath, application.paths.programFolder);
    application.settings.LegacyWindowsFamily = 0;
    return application;
}

} // namespace vistrel
