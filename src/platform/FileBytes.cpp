// SPDX-License-Identifier: MIT
#include "platform/FileBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vistrel {
namespace {

// Enough for the EXIF segment of nearly every camera file in one read: the segment is at most
// 64 KiB and starts within the first kilobyte.
constexpr std::uint64_t kFirstLoad = 68 * 1024;

} // namespace

FileBytes FileBytes::open(const std::string& path) {
    // O_NONBLOCK keeps a FIFO from blocking the open; fstat then refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return FileBytes(-1, 0, Status::failure(path, std::strerror(errno)));
    }
    struct stat info {};
    int cause = 0;
    if (::fstat(fd, &info) != 0) {
        cause = errno;
    } else if (!S_ISREG(info.st_mode)) {
        cause = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    }
    if (cause != 0) {
        ::close(fd);
        return FileBytes(-1, 0, Status::failure(path, std::strerror(cause)));
    }
    return FileBytes(fd, static_cast<std::uint64_t>(info.st_size), Status::success());
}

FileBytes::FileBytes(std::string_view bytes)
    : m_size(bytes.size()), m_loaded(bytes.begin(), bytes.end()) {}

FileBytes::FileBytes(int fd, std::uint64_t size, Status status)
    : m_fd(fd), m_size(size), m_status(std::move(status)) {}

FileBytes::~FileBytes() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

FileBytes::FileBytes(FileBytes&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_size(std::exchange(other.m_size, 0)),
      m_loaded(std::move(other.m_loaded)), m_status(std::move(other.m_status)) {}

std::optional<std::span<const std::uint8_t>> FileBytes::view(std::uint64_t offset,
                                                             std::uint64_t count) {
    if (offset > m_size || count > m_size - offset || !loadUpTo(offset + count)) {
        return std::nullopt;
    }
    return std::span<const std::uint8_t>(m_loaded).subspan(static_cast<std::size_t>(offset),
                                                           static_cast<std::size_t>(count));
}

bool FileBytes::loadUpTo(std::uint64_t end) {
    if (end <= m_loaded.size()) {
        return true;
    }
    if (m_fd < 0) {
        return false;
    }
    // Growing by doubling keeps a walk that creeps forward from reading the file many times.
    const std::uint64_t target =
        std::min(m_size, std::max({end, kFirstLoad, 2 * std::uint64_t{m_loaded.size()}}));
    std::size_t filled = m_loaded.size();
    m_loaded.resize(static_cast<std::size_t>(target));
    while (filled < m_loaded.size()) {
        const auto got = ::pread(m_fd, m_loaded.data() + filled, m_loaded.size() - filled,
                                 static_cast<off_t>(filled));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    m_loaded.resize(filled);
    if (filled < target) {
        // The file is shorter than when it was opened: what is gone counts as outside it.
        m_size = filled;
        ::close(m_fd);
        m_fd = -1;
    }
    return end <= m_loaded.size();
}

} // namespace vistrel
