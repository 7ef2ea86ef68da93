// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Status.h"

namespace vistrel {

// The bytes of a regular file; nullopt when it is missing, not a regular file or unreadable.
// Never opens a FIFO or a device, so it cannot block.
std::optional<std::string> readWholeFile(const std::string& path);

// The same read, with the cause of a failure: bytes holds the file on success, or its first
// limit bytes (all of a shorter file).
Status readFileInto(const std::string& path, std::string& bytes,
                    std::size_t limit = std::numeric_limits<std::size_t>::max());

// Writes bytes to a temporary file in the target's folder, flushes it to disk and renames it
// over path, so the file is either the old one or the new one, never half written. Creates
// missing parent folders. On failure the old file is untouched and the temporary file removed.
// A file replaced keeps its permission bits; a new one gets 0666 less the umask. When path is
// a symbolic link (or a chain of them), the file it leads to is replaced and the link stays.
Status writeFileAtomically(const std::string& path, std::string_view bytes);

} // namespace vistrel
