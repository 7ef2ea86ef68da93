// SPDX-License-Identifier: MIT
#include "cli/ExifCommand.h"

#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string_view>

#include "cli/ArgumentReader.h"
#include "cli/ConsolePrompter.h"
#include "cli/StartupOptions.h"
#include "cli/TerminalText.h"
#include "exif/ExifReader.h"
#include "exif/ExifRows.h"
#include "names/ImageKind.h"
#include "platform/PathText.h"
#include "text/DecimalText.h"

namespace vistrel::cli {
namespace {

constexpr std::string_view kCommand = "exif";

std::optional<std::uint16_t> exifInfoValue(std::string_view text) {
    // A bit set: digits only, no sign.
    const DecimalScan value = scanDecimal(text, false);
    if (!readsWhole(value, text) || text.front() == '+' || text.front() == '-' ||
        value.value > std::numeric_limits<std::uint16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value.value);
}

void writeLine(const Streams& streams, const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), streams.out);
    std::fputc('\n', streams.out);
}

void writeEntries(const Streams& streams, std::string_view directory,
                  const std::vector<ExifEntry>& entries) {
    for (const ExifEntry& entry : entries) {
        char tag[8];
        std::snprintf(tag, sizeof tag, "0x%04X", unsigned{entry.tag});
        writeLine(streams, "entry\t" + std::string(directory) + "\t" + tag + "\t" +
                               std::to_string(entry.type) + "\t" + std::to_string(entry.count) +
                               "\t" + terminalText(entry.label) + "\t" + terminalText(entry.value));
    }
}

} // namespace

int runExifCommand(std::span<const std::string> arguments, const Streams& streams) {
    ArgumentReader reader(arguments);
    StartupOptions startup;
    std::optional<std::string> file;
    std::optional<std::uint16_t> exifInfo;
    while (!reader.atEnd()) {
        if (auto ini = reader.option("--ini")) {
            startup.iniFile = *ini;
        } else if (auto number = reader.option("--exif-info")) {
            exifInfo = exifInfoValue(*number);
            if (!exifInfo) {
                return usageError(streams, kCommand,
                                  "--exif-info needs a number from 0 to 65535: " + *number);
            }
        } else if (!reader.missingValue().empty()) {
            return usageError(streams, kCommand, reader.missingValue() + " needs a value");
        } else if (const std::string& argument = reader.take();
                   !file && !argument.starts_with("--")) {
            file = argument;
        } else {
            return usageError(streams, kCommand, "unexpected argument: " + argument);
        }
    }
    if (!file) {
        return usageError(streams, kCommand, "a FILE is needed");
    }
    if (!exifInfo) {
        ConsolePrompter prompter(ConsolePrompter::Policy::AnswerNo, streams.err);
        const auto application = startApplication(startup, prompter);
        if (!application) {
            return kExitStopped;
        }
        exifInfo = application->settings.ExifInfo;
    }

    ExifReader exif(*file);
    const ExifBlock block = readExifBlock(exif);
    if (!exif.fileStatus().ok()) {
        std::fprintf(streams.err, "vistrel-cli exif: %s: %s\n", exif.fileStatus().path().c_str(),
                     exif.fileStatus().cause().c_str());
        return kExitStopped;
    }
    writeLine(streams, "locate\t" + std::to_string(block.located));
    if ((block.located & ExifReader::kExifBit) != 0 && !block.codeTableLoaded) {
        std::fputs("vistrel-cli exif: the code table vtdcode.vtd was not found\n", streams.err);
    }
    writeEntries(streams, "main", exif.mainEntries());
    writeEntries(streams, "exif", exif.exifEntries());
    if (block && ClassifyImageName(fileNamePart(*file)) == ImageKind::Jpeg) {
        for (const ExifRow& row : selectExifRows(exif, *exifInfo)) {
            writeLine(streams, "row\t" + terminalText(row.label) + "\t" + terminalText(row.value));
        }
    }
    return kExitDone;
}

} // namespace vistrel::cli
