// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>

#include "cli/CliApp.h"

namespace vistrel::cli {

// vistrel-cli create [--ini FILE] [--source DIR] [--output DIR] [--set KEY=VALUE]...
//                    [--comments FILE.vtc] [--sort name|size|date[:asc|:desc]]
//                    [--order FILE] [--exclude GLOB]... [--yes | --no] [--view]
//                    [--save] [--quiet]
// Start-up, the settings pages' start values, a scan of the source folder arranged as asked,
// then the create run. Exit code 0 when the site was written, 1 when the run stopped.
int runCreateCommand(std::span<const std::string> arguments, const Streams& streams);

} // namespace vistrel::cli
