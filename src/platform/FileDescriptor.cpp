// SPDX-License-Identifier: MIT
#include "platform/FileDescriptor.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <utility>

namespace vistrel {
namespace {

constexpr mode_t kNewFileMode = 0666;
constexpr int kNameAttempts = 100;

std::atomic<unsigned> g_nextNumber{0};

} // namespace

FileDescriptor::~FileDescriptor() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)) {}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

int FileDescriptor::closeNow() {
    return ::close(std::exchange(m_fd, -1));
}

int FileDescriptor::detach() {
    return std::exchange(m_fd, -1);
}

int openRegularFile(const std::string& path, FileDescriptor& fd, struct stat& info) {
    // O_NONBLOCK keeps a FIFO from blocking the open; fstat then refuses it.
    FileDescriptor opened(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (opened.get() < 0) {
        return errno;
    }
    if (::fstat(opened.get(), &info) != 0) {
        return errno;
    }
    if (!S_ISREG(info.st_mode)) {
        return S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    }
    fd = std::move(opened);
    return 0;
}

int createNumberedFile(const std::string& stem, FileDescriptor& fd, std::string& path) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path = stem + std::to_string(g_nextNumber++);
        const int created =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (created >= 0) {
            fd = FileDescriptor(created);
            return 0;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    const int cause = errno;
    path.clear();
    return cause;
}

bool writeAll(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace vistrel
