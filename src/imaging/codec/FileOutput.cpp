// SPDX-License-Identifier: MIT
#include "imaging/codec/FileOutput.h"

#include <cerrno>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileDescriptor.h"

namespace vistrel::detail {
namespace {

constexpr mode_t kNewFileMode = 0666;

} // namespace

bool appendBytes(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> bytes) noexcept {
    try {
        out.insert(out.end(), bytes.begin(), bytes.end());
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool writeFileOrRemove(const std::string& path, std::span<const std::uint8_t> bytes) noexcept {
    // O_NONBLOCK: opening a FIFO for writing must not wait for a reader.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, kNewFileMode);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    const bool written = writeAll(fd, bytes.data(), bytes.size());
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        // The caller reads the cause from errno, so the clean-up must not change it.
        const int cause = errno;
        ::unlink(path.c_str());
        errno = cause;
        return false;
    }
    return true;
}

} // namespace vistrel::detail
