// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/Startup.h"
#include "cli/CliApp.h"

namespace vistrel {
class Prompter;
}

namespace vistrel::cli {

// The start-up choices every command shares.
struct StartupOptions {
    std::optional<std::string> iniFile; // --ini FILE, relative to the working directory
};

// Start-up as the window's: the image library check, then the settings. nullopt when the
// check failed (the message was shown).
std::optional<Application> startApplication(const StartupOptions& options, Prompter& prompter);

// Writes "vistrel-cli COMMAND: problem" and the hint to see --help; returns kExitUsage.
int usageError(const Streams& streams, std::string_view command, std::string_view problem);

} // namespace vistrel::cli
