// SPDX-License-Identifier: MIT
#include "imaging/codec/ByteSource.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vistrel::detail {
namespace {

constexpr std::size_t kFileBufferSize = 64 * 1024;

} // namespace

std::optional<ByteSource> ByteSource::openRegularFile(const std::string& path) {
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; fstat then refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    return ByteSource(fd);
}

ByteSource::ByteSource(int fd) : m_fd(fd) {
    try {
        m_buffer.resize(kFileBufferSize);
    } catch (...) {
        ::close(fd);
        throw;
    }
}

ByteSource::ByteSource(ByteSource&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_memory(other.m_memory),
      m_buffer(std::move(other.m_buffer)) {}

ByteSource::~ByteSource() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

std::span<const std::uint8_t> ByteSource::next(std::size_t maxSize) noexcept {
    if (m_fd < 0) {
        const auto piece = m_memory.first(std::min(maxSize, m_memory.size()));
        m_memory = m_memory.subspan(piece.size());
        return piece;
    }
    const std::size_t got = read(m_buffer.data(), std::min(maxSize, m_buffer.size()));
    return std::span<const std::uint8_t>(m_buffer).first(got);
}

std::size_t ByteSource::read(std::uint8_t* buffer, std::size_t size) noexcept {
    if (m_fd < 0) {
        const std::size_t count = std::min(size, m_memory.size());
        if (count > 0) {
            std::memcpy(buffer, m_memory.data(), count);
        }
        m_memory = m_memory.subspan(count);
        return count;
    }
    std::size_t done = 0;
    while (done < size) {
        const auto got = ::read(m_fd, buffer + done, size - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

} // namespace vistrel::detail
