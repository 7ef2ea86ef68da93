// SPDX-License-Identifier: MIT
#include "platform/RemovableEntries.h"

#include <algorithm>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "platform/FileSystem.h"

namespace vistrel {

std::vector<std::string> listRemovableEntries(const std::string& folder) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) {
        return names;
    }
    const int dirFd = ::dirfd(dir.get());
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        struct stat info {};
        if (::fstatat(dirFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        if (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)) {
            names.push_back(name);
        }
    }
    std::ranges::sort(names, ntfsNameLess);
    return names;
}

} // namespace vistrel
