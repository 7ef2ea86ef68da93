// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "platform/Status.h"

namespace vistrel {

// Renames from to to, never replacing another file: when to already names a different file
// the rename fails and both files stay. Renaming a file to its own name (or to a spelling that
// a case-insensitive file system takes for the same file) is allowed.
Status renameFile(const std::string& from, const std::string& to);

} // namespace vistrel
