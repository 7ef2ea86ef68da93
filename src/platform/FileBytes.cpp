// SPDX-License-Identifier: MIT
#include "platform/FileBytes.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ErrorText.h"

namespace vistrel {
namespace {

// Enough for the EXIF segment of nearly every camera file in one read: the segment is at most
// 64 KiB and starts within the first kilobyte.
constexpr std::uint64_t kFirstLoad = 68 * 1024;

} // namespace

FileBytes FileBytes::open(const std::string& path) {
    FileDescriptor fd;
    struct stat info {};
    if (const int error = openRegularFile(path, fd, info); error != 0) {
        return FileBytes(FileDescriptor(), 0, Status::failure(path, errorText(error)));
    }
    return FileBytes(std::move(fd), static_cast<std::uint64_t>(info.st_size), Status::success());
}

FileBytes::FileBytes(std::string_view bytes)
    : m_size(bytes.size()), m_loaded(bytes.begin(), bytes.end()) {}

FileBytes::FileBytes(FileDescriptor file, std::uint64_t size, Status status)
    : m_file(std::move(file)), m_size(size), m_status(std::move(status)) {}

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
    if (m_file.get() < 0) {
        return false;
    }
    // Growing by doubling keeps a walk that creeps forward from reading the file many times.
    const std::uint64_t target =
        std::min(m_size, std::max({end, kFirstLoad, 2 * std::uint64_t{m_loaded.size()}}));
    std::size_t filled = m_loaded.size();
    m_loaded.resize(static_cast<std::size_t>(target));
    while (filled < m_loaded.size()) {
        const auto got = ::pread(m_file.get(), m_loaded.data() + filled, m_loaded.size() - filled,
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
        m_file = FileDescriptor();
    }
    return end <= m_loaded.size();
}

} // namespace vistrel
