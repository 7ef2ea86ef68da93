// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>

#include "cli/CliApp.h"

namespace vistrel::cli {

// vistrel-cli settings [--ini FILE] [--set KEY=VALUE]... [--save]
// Start-up, then the effective settings as INI text in the save order; --save writes them back.
int runSettingsCommand(std::span<const std::string> arguments, const Streams& streams);

} // namespace vistrel::cli
