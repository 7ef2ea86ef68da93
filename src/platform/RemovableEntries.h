// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace vistrel {

// The names of the entries of folder that clearing old output may remove: regular files and
// symbolic links (a link itself, whatever it points to; it is never followed), in NTFS listing
// order. Folders, FIFOs, devices and sockets are left out. A missing folder gives nothing.
std::vector<std::string> listRemovableEntries(const std::string& folder);

} // namespace vistrel
