// SPDX-License-Identifier: MIT
#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <string_view>

namespace vistrel {
namespace {

unsigned char sortKeyByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') {
        return static_cast<unsigned char>(byte - ('a' - 'A'));
    }
    return byte;
}

} // namespace

bool ntfsNameLess(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char keyA = sortKeyByte(a[i]);
        const unsigned char keyB = sortKeyByte(b[i]);
        if (keyA != keyB) {
            return keyA < keyB;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    // "A.jpg" and "a.jpg" can both exist here; the raw bytes give them a fixed order.
    return a < b;
}

std::vector<DirEntry> listDirectory(const std::string& folder) {
    std::vector<DirEntry> entries;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) {
        return entries;
    }
    const int folderFd = ::dirfd(dir.get());
    while (const dirent* found = ::readdir(dir.get())) {
        const std::string_view name = found->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        DirEntry entry;
        entry.name = name;
        // stat rather than open: the size and kind come without touching the contents, so a
        // FIFO or a device never blocks the listing.
        struct stat info {};
        if (::fstatat(folderFd, found->d_name, &info, 0) == 0) {
            entry.size = static_cast<std::uint64_t>(info.st_size);
            entry.mtime = info.st_mtim.tv_sec;
            entry.isRegularFile = S_ISREG(info.st_mode);
            entry.isDirectory = S_ISDIR(info.st_mode);
        }
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return ntfsNameLess(a.name, b.name); });
    return entries;
}

} // namespace vistrel
