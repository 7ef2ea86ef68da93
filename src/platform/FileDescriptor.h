// SPDX-License-Identifier: MIT
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <string>

namespace vistrel {

// An open file descriptor, closed when it goes.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    // Closes now and reports the result (0, or -1 with errno set), since a failed close can
    // mean lost data.
    int closeNow();
    // Hands the descriptor to a new owner (a stdio stream); this one no longer closes it.
    int detach();

private:
    int m_fd;
};

// Opens the regular file path for reading, following links, into fd and its status into info.
// Never opens a FIFO or a device, so it cannot block. 0, or the errno of the failure (EISDIR
// for a folder, EINVAL for any other file that is not regular).
int openRegularFile(const std::string& path, FileDescriptor& fd, struct stat& info);

// Creates a new file named stem followed by a number, that no file had before (O_EXCL), with
// mode 0666 less the umask, into fd and its name into path. 0, or the errno of the failure.
int createNumberedFile(const std::string& stem, FileDescriptor& fd, std::string& path);

// Writes all size bytes of data to fd, going on after interruptions. False when a write failed
// (errno says why).
bool writeAll(int fd, const void* data, std::size_t size);

} // namespace vistrel
