// SPDX-License-Identifier: MIT
#include "cli/CliApp.h"

#include <span>
#include <string_view>

#include "app/ProgramInfo.h"
#include "cli/CreateCommand.h"
#include "cli/ExifCommand.h"
#include "cli/ListCommand.h"
#include "cli/SettingsCommand.h"
#include "cli/StartupOptions.h"

namespace vistrel::cli {
namespace {

constexpr std::string_view kHelp = R"(Usage: vistrel-cli COMMAND [OPTIONS]

Vistrel turns a folder of photographs into a small static web site.

Commands:
  create [--ini FILE] [--source DIR] [--output DIR] [--set KEY=VALUE]...
         [--comments FILE.vtc] [--sort name|size|date[:asc|:desc]]
         [--order FILE] [--exclude GLOB]... [--yes | --no] [--view]
         [--save] [--quiet]
      Make the site: start up as the window does, scan the source folder
      (ImagePath) with ImageMode and Select, arrange the list as asked, then
      check the output folder, clear old output as the settings say, copy the
      images, make the thumbnails and write the pages of the mode. Prints the
      path of the main page when done.
      --source DIR     the source image folder (relative to the working
                       directory; stored as an absolute folder ending in "/")
      --output DIR     the output folder, likewise
      --set KEY=VALUE  change one setting for this run (see settings)
      --comments FILE  load a comment file: its comments go to the rows by
                       position, once the list is arranged as below
      --sort KEY[:asc|:desc]  sort the list by name, size or date
                       (ascending unless :desc)
      --order FILE     put the rows named in FILE (one name per line, UTF-8)
                       first, in that order; the others follow
      --exclude GLOB   uncheck the rows whose names match (may be repeated)
      --yes, --no      answer every question Yes or No; without them a
                       terminal is asked and anything else answers No
      --view           open the result in the browser when done
      --save           write the settings back (PlayMusic turned off by the
                       music question included)
      --quiet          no progress bar, no result line and no question that
                       --yes or --no answers: only what stops the run, fails
                       it or leaves a file out is printed
      Ctrl-C, SIGTERM and SIGHUP stop the run where it looks for a cancel
      (pages finished so far stay; a page being written is not left cut); a
      second one ends the program.
      What is deleted before the new files are written, with the default
      settings: every *.html file of the output folder (AllowUndo 0), and,
      when the source folder is the output image folder, every thumbnail:
      each file whose name ends in AddString (lower or upper case) and a
      thumbnail extension (png, jpg, jpeg, gif); the source images stay.
      Files that do not start as their image type (a text file or a link to
      one named .jpg) are never published. Any file that cannot be written
      is named at the end, and the run then exits with 1.

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

  list [--ini FILE] [--set KEY=VALUE]... [DIR]
      List the rows a scan of DIR gives (default: ImagePath, taken as the
      folder box takes it) with the file types of ImageMode and the check state
      of Select, one row per line, fields separated by TAB:
      [x] or [ ], name, size text, date text, kind (0 none, 1 JPEG, 2 PNG,
      4 GIF); then the count label. DIR is taken relative to the working
      directory and completed with "/".

  exif FILE [--exif-info N] [--ini FILE]
      Print what a main image page sees of FILE's EXIF data, one record per
      line, fields separated by TAB: "locate<TAB>R" (0 not a JPEG, 1 no EXIF
      segment, 3 found); "entry<TAB>main|exif<TAB>0xTTTT<TAB>type<TAB>count
      <TAB>label<TAB>value" for every entry of IFD0, then of the EXIF
      directory; "row<TAB>label<TAB>value" for the page's EXIF rows with
      ExifInfo N (default: the setting). TAB, CR and LF inside a text are
      written as \t, \r, \n. Exit status 1 when FILE cannot be opened.

  info FILE
      Print the two texts the window shows for FILE's row:
      "resolution<TAB>text" and "colours<TAB>text". A name that is not an image
      gives resolution " " and empty colours; an image that fails to load
      prints the load failure message and exits with status 1.

Options:
  --help       show this help and exit
  --version    show the program version and exit

Messages and questions are written to standard error as "[caption] text".
Exit status: 0 done (for create: the site was written), 1 stopped (a check
failed, a question was answered No, the run was cancelled, a save failed),
2 usage error.
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
        std::fprintf(streams.out, "vistrel-cli %.*s\n", static_cast<int>(kProgramVersion.size()),
                     kProgramVersion.data());
        return kExitDone;
    }
    if (command == "settings") {
        return runSettingsCommand(rest, streams);
    }
    if (command == "create") {
        return runCreateCommand(rest, streams);
    }
    if (command == "exif") {
        return runExifCommand(rest, streams);
    }
    if (command == "list") {
        return runListCommand(rest, streams);
    }
    if (command == "info") {
        return runInfoCommand(rest, streams);
    }
    return usageError(streams, "", "unknown command: " + command);
}

} // namespace vistrel::cli
