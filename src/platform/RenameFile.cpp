// SPDX-License-Identifier: MIT
#include "platform/RenameFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

namespace vistrel {

Status renameFile(const std::string& from, const std::string& to) {
    struct stat source {};
    if (::lstat(from.c_str(), &source) != 0) {
        return Status::failure(from, std::strerror(errno));
    }
    struct stat target {};
    if (from != to && ::lstat(to.c_str(), &target) == 0 &&
        (target.st_dev != source.st_dev || target.st_ino != source.st_ino)) {
        return Status::failure(to, std::strerror(EEXIST));
    }
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        return Status::failure(from, std::strerror(errno));
    }
    return Status::success();
}

} // namespace vistrel
