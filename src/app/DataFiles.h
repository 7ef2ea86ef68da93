// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

// The data folder of an installed copy, <executable folder>/../share/vistrel/: relative to the
// executable, so a copy installed into any prefix finds its own files. Empty for a path without
// a folder.
std::string installedDataFolder(const std::string& executablePath);

// An installed copy is known by its layout: its data folder exists beside its bin folder. A copy
// run where it was built has none, whether or not its folder is writable.
bool isInstalledCopy(const std::string& executablePath);

// Where a file the program ships (the code table, the user manual) is looked for, in this order:
// beside the executable, as the build tree has it, then in the installed data folder.
// relativePath is the file's path inside either folder.
std::vector<std::string> dataFileCandidates(const std::string& executablePath,
                                            std::string_view relativePath);

// The first of the candidates that exists, or nullopt when neither does.
std::optional<std::string> findDataFile(const std::string& executablePath,
                                        std::string_view relativePath);

} // namespace vistrel
