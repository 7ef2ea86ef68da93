// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/Settings.h"
#include "platform/Status.h"

namespace vistrel {

class Prompter;

// The settings file named after the executable: where the file name holds a ".", the last
// three characters of the path are replaced by "ini" (gallery.exe gives gallery.ini,
// gallery.ex gives galleryini); a name without "." gets ".ini" appended (vistrel.ini).
std::string iniPathBesideExecutable(const std::string& executablePath);

// The folder part of the executable's path, ending in "/".
std::string folderOfExecutable(const std::string& executablePath);

// The executable's file name without its extension (the caption of the start-up message).
std::string executableTitle(const std::string& executablePath);

// The newest image library version the program refuses to run with.
inline constexpr std::uint16_t kNewestRefusedLibraryVersion = 111;

// Refuses an image library of version 111 or less: shows the message under the executable's
// title with the stop icon and returns false. Returns true for 112 and later.
bool checkLibraryVersion(std::uint16_t version, const std::string& executablePath,
                         Prompter& prompter);

// What start-up needs to know about the machine; tests give their own.
struct StartupEnvironment {
    std::string executablePath;   // full path of the running program
    std::string homeFolder;       // ends in "/"
    std::string userConfigFolder; // $XDG_CONFIG_HOME or ~/.config, ends in "/"
    bool installedCopy = false;   // the executable has an installed data folder beside it

    // The environment of the running process.
    static StartupEnvironment current();
};

// Where start-up finds its settings and the program folder defaults.
struct StartupPaths {
    std::string iniPath;
    std::string programFolder; // default of ImagePath; + "html/" the default of HTMLPath
};

// The INI path and program folder. An installed copy keeps its settings in the user's
// configuration folder and uses the home folder as program folder, so that nothing is written
// under the prefix it was installed into. iniOverride (--ini FILE) wins over both INI locations.
StartupPaths resolveStartupPaths(const StartupEnvironment& environment,
                                 const std::optional<std::string>& iniOverride);

// The application after start-up: the settings record and where it is saved.
struct Application {
    StartupPaths paths;
    Settings settings;

    // Save all. A failure is shown (file and cause) and returned.
    Status save(Prompter& prompter) const;
};

// Start-up up to the main window: the library version check (nothing else happens when it
// fails: nullopt, the message already shown), LegacyWindowsFamily = 0, the INI path, load all.
std::optional<Application> startUp(const StartupEnvironment& environment,
                                   const std::optional<std::string>& iniOverride,
                                   std::uint16_t libraryVersion, Prompter& prompter);

} // namespace vistrel
