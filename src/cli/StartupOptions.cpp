// SPDX-License-Identifier: MIT
#include "cli/StartupOptions.h"

#include <string>

#include "imaging/ImageLibrary.h"
#include "platform/ProcessEnvironment.h"

namespace vistrel::cli {

std::optional<Application> startApplication(const StartupOptions& options, Prompter& prompter) {
    std::optional<std::string> iniFile;
    if (options.iniFile) {
        iniFile = absolutePath(*options.iniFile);
    }
    return startUp(StartupEnvironment::current(), iniFile, GetLibraryVersion(), prompter);
}

int usageError(const Streams& streams, std::string_view command, std::string_view problem) {
    std::string text = "vistrel-cli";
    if (!command.empty()) {
        text.append(" ").append(command);
    }
    text.append(": ").append(problem).append("\nTry 'vistrel-cli --help' for more information.\n");
    std::fputs(text.c_str(), streams.err);
    return kExitUsage;
}

} // namespace vistrel::cli
