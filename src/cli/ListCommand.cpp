// SPDX-License-Identifier: MIT
#include "cli/ListCommand.h"

#include <optional>

#include "app/Startup.h"
#include "catalogue/CurrentImage.h"
#include "catalogue/ImageList.h"
#include "catalogue/ImageListPanel.h"
#include "catalogue/SourceInformation.h"
#include "cli/ArgumentReader.h"
#include "cli/ConsolePrompter.h"
#include "cli/SettingOverrides.h"
#include "cli/StartupOptions.h"
#include "cli/TerminalText.h"
#include "imaging/ImageLibrary.h"
#include "names/ImageKind.h"
#include "platform/PathText.h"
#include "platform/ProcessEnvironment.h"

namespace vistrel::cli {
namespace {

void writeLine(const Streams& streams, const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), streams.out);
    std::fputc('\n', streams.out);
}

std::string folderAndName(const std::string& path, std::string& name) {
    name = fileNamePart(path);
    const std::string folder = folderPart(path);
    return folder.empty() ? std::string("./") : folder;
}

} // namespace

int runListCommand(std::span<const std::string> arguments, const Streams& streams) {
    ArgumentReader reader(arguments);
    StartupOptions startup;
    SettingOverrides overrides;
    std::optional<std::string> folder;
    while (!reader.atEnd()) {
        if (auto ini = reader.option("--ini")) {
            startup.iniFile = *ini;
        } else if (auto assignment = reader.option("--set")) {
            overrides.add(*assignment);
        } else if (!reader.missingValue().empty()) {
            return usageError(streams, "list", reader.missingValue() + " needs a value");
        } else if (const std::string& argument = reader.take();
                   !folder && !argument.starts_with("--")) {
            folder = argument;
        } else {
            return usageError(streams, "list", "unexpected argument: " + argument);
        }
    }
    if (const auto problem = overrides.validate(); !problem.empty()) {
        return usageError(streams, "list", problem);
    }
    ConsolePrompter prompter(ConsolePrompter::Policy::AnswerNo, streams.err);
    auto application = startApplication(startup, prompter);
    if (!application) {
        return kExitStopped;
    }
    Settings& settings = application->settings;
    overrides.apply(settings);

    ImageListPanel panel(settings);
    panel.setFolderText(folder ? absoluteFolder(*folder) : settings.ImagePath);
    const ImageList& list = panel.list();
    for (int i = 0; i < list.rowCount(); ++i) {
        const ImageRow& row = list.row(i);
        writeLine(streams, std::string(row.checked ? "[x]" : "[ ]") + "\t" +
                               terminalText(row.name) + "\t" + row.sizeText + "\t" + row.dateText +
                               "\t" + std::to_string(kindBit(ClassifyImageName(row.name))));
    }
    writeLine(streams, list.countLabel());
    return kExitDone;
}

int runInfoCommand(std::span<const std::string> arguments, const Streams& streams) {
    if (arguments.size() != 1 || arguments.front().starts_with("--")) {
        return usageError(streams, "info", "exactly one FILE is needed");
    }
    ConsolePrompter prompter(ConsolePrompter::Policy::AnswerNo, streams.err);
    if (!checkLibraryVersion(GetLibraryVersion(), currentExecutablePath(), prompter)) {
        return kExitStopped;
    }
    std::string name;
    const std::string folder = folderAndName(absolutePath(arguments.front()), name);
    CurrentImage current;
    const auto information = ShowListRow(folder, name, current, prompter);
    if (!information) {
        return kExitStopped;
    }
    writeLine(streams, "resolution\t" + information->resolution);
    writeLine(streams, "colours\t" + information->colours);
    return kExitDone;
}

} // namespace vistrel::cli
