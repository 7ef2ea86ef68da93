// SPDX-License-Identifier: MIT
#include "platform/OutputLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/WorkNames.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;

void removeLeftoverWork(const std::string& folder) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (isWorkName(it->path().filename().string())) {
            std::error_code ignored;
            fs::remove_all(it->path(), ignored);
        }
    }
}

} // namespace

OutputLock::OutputLock(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        // A folder named twice (no image subfolder) is already held by this run.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            bool ours = false;
            for (const int held : m_descriptors) {
                struct stat a {
                }, b{};
                ours = ours || (::fstat(held, &a) == 0 && ::fstat(fd, &b) == 0 &&
                                a.st_dev == b.st_dev && a.st_ino == b.st_ino);
            }
            m_heldAlone = m_heldAlone && ours;
            ::close(fd);
            continue;
        }
        m_descriptors.push_back(fd);
        removeLeftoverWork(folder);
    }
}

OutputLock::~OutputLock() {
    for (const int fd : m_descriptors) {
        ::close(fd);
    }
}

} // namespace vistrel
