// SPDX-License-Identifier: MIT
#include "platform/RenameFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>

namespace vistrel {
namespace {

// The check above leaves a moment in which another program may create the target; the kernel
// closes it where the file system can. The same file under another spelling (a name that
// differs only in letter case on a file system that ignores case) is renamed plainly.
bool renameWithoutReplacing(const std::string& from, const std::string& to) {
    struct stat target {};
    if (::lstat(to.c_str(), &target) != 0) {
        if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
            return true;
        }
        if (errno != EINVAL && errno != ENOSYS) {
            return false;
        }
    }
    return std::rename(from.c_str(), to.c_str()) == 0;
}

} // namespace

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
    if (!renameWithoutReplacing(from, to)) {
        return Status::failure(errno == EEXIST ? to : from, std::strerror(errno));
    }
    return Status::success();
}

} // namespace vistrel
