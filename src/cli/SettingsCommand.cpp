// SPDX-License-Identifier: MIT
#include "cli/SettingsCommand.h"

#include "app/IniDocument.h"
#include "app/SettingsFile.h"
#include "cli/ArgumentReader.h"
#include "cli/ConsolePrompter.h"
#include "cli/SettingOverrides.h"
#include "cli/StartupOptions.h"

namespace vistrel::cli {

int runSettingsCommand(std::span<const std::string> arguments, const Streams& streams) {
    ArgumentReader reader(arguments);
    StartupOptions startup;
    SettingOverrides overrides;
    bool save = false;
    while (!reader.atEnd()) {
        if (auto ini = reader.option("--ini")) {
            startup.iniFile = *ini;
        } else if (auto assignment = reader.option("--set")) {
            overrides.add(*assignment);
        } else if (reader.flag("--save")) {
            save = true;
        } else if (!reader.missingValue().empty()) {
            return usageError(streams, "settings", reader.missingValue() + " needs a value");
        } else {
            return usageError(streams, "settings", "unexpected argument: " + reader.take());
        }
    }
    if (const auto problem = overrides.validate(); !problem.empty()) {
        return usageError(streams, "settings", problem);
    }

    ConsolePrompter prompter(ConsolePrompter::Policy::AnswerNo, streams.err);
    auto application = startApplication(startup, prompter);
    if (!application) {
        return kExitStopped;
    }
    overrides.apply(application->settings);

    IniDocument document;
    storeSettings(application->settings, document);
    const std::string text = document.text("\n");
    std::fwrite(text.data(), 1, text.size(), streams.out);

    if (save && !application->save(prompter)) {
        return kExitStopped;
    }
    return kExitDone;
}

} // namespace vistrel::cli
