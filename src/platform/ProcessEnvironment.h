// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vistrel {

// The full path of the running executable (from /proc/self/exe); empty when it cannot be read.
std::string currentExecutablePath();

// The user's home folder ending in "/" ($HOME, else the password database); "/" when unknown.
std::string homeFolder();

// $XDG_CONFIG_HOME when set to an absolute path, else the home folder + ".config", ending in "/".
std::string userConfigFolder();

// folder relative to the working directory made absolute and ending in "/"; an absolute folder
// only gets the final "/". Empty stays empty.
std::string absoluteFolder(const std::string& folder);

// path relative to the working directory made absolute; an absolute path stays as it is.
std::string absolutePath(const std::string& path);

} // namespace vistrel
