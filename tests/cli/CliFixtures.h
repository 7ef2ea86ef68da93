// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>
#include <vector>

#include "support/ProcessRunner.h"
#include "support/TempDir.h"

namespace vistrel::test {

inline const std::string kCli = VISTREL_CLI_PATH;

// Writes a PNG picture of width x height with a pattern of its own.
void writePng(const std::string& path, int width, int height);

// A source folder src/ of count pictures named p000.png ...
std::string makeSource(const TempDir& dir, int count);

// Runs "vistrel-cli create --ini dir/v.ini" with arguments.
ProcessResult runCreate(const TempDir& dir, const std::vector<std::string>& arguments);

// Whether text holds part.
bool holds(const std::string& text, const std::string& part);

} // namespace vistrel::test
