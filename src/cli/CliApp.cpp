// SPDX-License-Identifier: MIT
#include "cli/CliApp.h"

#include <span>
#include <string_view>

#include "app/Version.h"
#include "cli/SettingsCommand.h"
#include "cli/StartupOptions.h"

namespace vistrel::cli {
namespace {

constexpr std::string_view kHelp = R"(Usage: vistrel-cli COMMAND [OPTIONS]

Vistrel turns a folder of photographs into a small static web site.

Commands:
  settings [--ini FILE] [--set KEY=VALUE]... [--save]
      Start up as the window does and print the effective settings as INI text,
      sections and keys in the order the settings file keeps them.
      --ini FILE       use FILE as the settings file instead of the one beside
                       the program (or ~/.config/vistrel/vistrel.ini for an
                       installed copy)
      --set KEY=VALUE  change one setting for this run; KEY is spelled as in the
                       settings file (ThumSize, HTMLPath, TOPLAYOUT ...); integer
                       settings take whole numbers; may be given several times
      --save           write the settings back to the settings file

Options:
  --help       show this help and exit
  --version    show the program version and exit

Messages and questions are written to standard error as "[caption] text".
Exit status: 0 done, 1 stopped (a check failed or a save failed), 2 usage error.
)";

} // namespace

int runCli(const std::vector<std::string>& arguments, const Streams& streams) {
    if (arguments.empty()) {
        return usageError(streams, "", "a command is needed");
    }
    const std::string& command = arguments.front();
    const std::span<const std::string> rest(arguments.begin() + 1, arguments.end());
    if (command == "--help" || command == "-h" || command == "help") {
        std::fwrite(kHelp.data(), 1, kHelp.size(), streams.out);
        return kExitDone;
    }
    if (command == "--version") {
        std::fprintf(streams.out, "vistrel-cli %.*s\n", static_cast<int>(kVersionText.size()),
                     kVersionText.data());
        return kExitDone;
    }
    if (command == "settings") {
        return runSettingsCommand(rest, streams);
    }
    return usageError(streams, "", "unknown command: " + command);
}

} // namespace vistrel::cli
