// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace vistrel {

// The first count bytes of the regular file path (fewer when the file is shorter), following
// a symbolic link; nullopt when it is missing, unreadable or not a regular file. Never waits on
// a FIFO or a device.
std::optional<std::string> readFileHead(const std::string& path, std::size_t count);

} // namespace vistrel
