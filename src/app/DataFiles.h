// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

// Where a file the program ships (the user manual, for one) is looked for, in this order:
// beside the executable, as the build tree has it, then in the data folder of an installed copy,
// <executable folder>/../share/vistrel/. Relative to the executable, so a copy installed into any
// prefix finds its own files. relativePath is the file's path inside either folder.
std::vector<std::string> dataFileCandidates(const std::string& executablePath,
                                            std::string_view relativePath);

// The first of the candidates that exists, or nullopt when neither does.
std::optional<std::string> findDataFile(const std::string& executablePath,
                                        std::string_view relativePath);

} // namespace vistrel
