// SPDX-License-Identifier: MIT
#include "platform/FileSystem.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace vistrel {

Status deleteFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) {
        return Status::failure(path, std::generic_category().message(errno));
    }
    return Status::success();
}

} // namespace vistrel
