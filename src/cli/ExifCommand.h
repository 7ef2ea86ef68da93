// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>

#include "cli/CliApp.h"

namespace vistrel::cli {

// vistrel-cli exif FILE [--exif-info N] [--ini FILE]
// What a main image page sees of FILE's EXIF data, one record per line, fields separated by
// TAB (UTF-8; a TAB, CR or LF inside a label or value is written as \t, \r, \n):
//   locate<TAB>R                 the result of LocateExif: 0, 1 or 3
//   entry<TAB>main|exif<TAB>0xTTTT<TAB>type<TAB>count<TAB>label<TAB>value
//                                every entry the reader read, IFD0 first, in file order
//   row<TAB>label<TAB>value      the EXIF rows of the page's information table for ExifInfo N
//                                (default: the setting), in table order; none unless FILE's
//                                name is a JPEG name and the EXIF block is available
// Exit code 0 when the file could be read, EXIF or not; 1 when it could not be opened (the
// cause goes to standard error), or start-up failed; 2 for a usage error.
int runExifCommand(std::span<const std::string> arguments, const Streams& streams);

} // namespace vistrel::cli
