// SPDX-License-Identifier: MIT
#include "platform/ErrorText.h"
#include "platform/FileSystem.h"

#include <unistd.h>

#include <cerrno>

namespace vistrel {

Status deleteFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) {
        return Status::failure(path, errorText(errno));
    }
    return Status::success();
}

} // namespace vistrel
