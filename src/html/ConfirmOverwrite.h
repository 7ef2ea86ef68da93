// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vistrel {

class Prompter;
struct Settings;

// Before a writer replaces the main page at path: 1 when nothing is there or the user agrees
// to overwrite it; 0 after the user refused (and was told to rename the output file).
int ConfirmOverwrite(const std::string& path, const Settings& settings, Prompter& prompter);

} // namespace vistrel
