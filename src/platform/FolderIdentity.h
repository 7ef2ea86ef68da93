// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vistrel {

// Whether two folder texts name the same folder on disk: both exist and are one folder (after
// symbolic links, "//", "/./" and "/../"), or, where one does not exist yet, their absolute
// normal forms are equal. The texts may or may not end in "/".
bool sameFolder(const std::string& a, const std::string& b);

} // namespace vistrel
