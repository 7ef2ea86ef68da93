// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>

#include "cli/CliApp.h"

namespace vistrel::cli {

// vistrel-cli list [--ini FILE] [--set KEY=VALUE]... [DIR]
// The rows a scan of DIR (default ImagePath) gives with ImageMode and Select, one per line:
// check mark, name, size text, date text and kind, separated by TAB; then the count label.
int runListCommand(std::span<const std::string> arguments, const Streams& streams);

// vistrel-cli info FILE
// The resolution and colour texts the window shows for FILE's row.
int runInfoCommand(std::span<const std::string> arguments, const Streams& streams);

} // namespace vistrel::cli
