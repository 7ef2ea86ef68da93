// SPDX-License-Identifier: MIT
#include "platform/FileSystem.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <filesystem>
#include <system_error>

#include "platform/MountTable.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;

bool isFolder(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

fs::path nearestExistingFolder(const std::string& path) {
    std::error_code error;
    fs::path folder = fs::absolute(path.empty() ? "." : path, error).lexically_normal();
    if (error) {
        folder = "/";
    }
    if (!folder.has_filename() && folder != folder.root_path()) {
        folder = folder.parent_path();
    }
    // Also passes over a plain file met on the way ("/out/page.html/sub").
    while (!isFolder(folder) && folder != folder.root_path()) {
        folder = folder.parent_path();
    }
    return folder;
}

} // namespace

LocationInfo probeLocation(const std::string& path) {
    LocationInfo info;
    info.absolute = !path.empty() && path.front() == '/';
    const fs::path folder = nearestExistingFolder(path);
    info.existingFolder = folder.string();

    // Mount points in the table are real paths; a folder reached through a symbolic link must
    // be matched by where it really is.
    std::error_code error;
    fs::path realFolder = fs::canonical(folder, error);
    if (error) {
        realFolder = folder;
    }
    const detail::MountTable mounts = detail::MountTable::readCurrent();
    const detail::MountTable::Entry* mount = mounts.find(realFolder.native());
    if (mount != nullptr) {
        info.mountPoint = mount->mountPoint;
        info.readOnly = mount->readOnly;
        info.optical = mount->isOptical();
    }
    // The file system's own flag also covers a read-write mount of a file system the kernel
    // only allows reading (a disc, a damaged volume remounted read-only).
    struct statvfs volume {};
    if (::statvfs(folder.c_str(), &volume) == 0) {
        info.readOnly = (volume.f_flag & ST_RDONLY) != 0;
    }
    return info;
}

} // namespace vistrel
