// SPDX-License-Identifier: MIT
#include "platform/FileContent.h"
#include "platform/ErrorText.h"

#include <cerrno>
#include <climits>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vistrel {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    // Closes now and reports the result, since a failed close can mean lost data.
    int release() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Sets file to the file path names: the end of its chain of symbolic links, each link's target
// taken from the link's own folder, or path itself when it is no link (or does not exist).
// Replacing that file rather than the link keeps the link, as writing through it would.
// Returns 0, or the errno of the failure (ELOOP for a chain that does not end).
int fileBehindLinks(const std::string& path, std::string& file) {
    constexpr int kMostLinks = 40;
    file = path;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat info {};
        if (::lstat(file.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return 0;
        }
        char target[PATH_MAX];
        const auto length = ::readlink(file.c_str(), target, sizeof target);
        if (length < 0) {
            return errno;
        }
        if (static_cast<std::size_t>(length) == sizeof target) {
            return ENAMETOOLONG;
        }
        const std::filesystem::path next(std::string(target, static_cast<std::size_t>(length)));
        file = (std::filesystem::path(file).parent_path() / next).string();
    }
    return ELOOP;
}

} // namespace

std::optional<std::string> readWholeFile(const std::string& path) {
    std::string bytes;
    if (!readFileInto(path, bytes)) {
        return std::nullopt;
    }
    return bytes;
}

Status readFileInto(const std::string& path, std::string& bytes) {
    bytes.clear();
    // O_NONBLOCK keeps a FIFO from blocking the open; fstat then refuses it.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        return Status::failure(path, errorText(errno));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return Status::failure(path, errorText(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return Status::failure(path, errorText(S_ISDIR(info.st_mode) ? EISDIR : EINVAL));
    }
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const auto got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int cause = errno;
            bytes.clear();
            return Status::failure(path, errorText(cause));
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return Status::success();
}

Status writeFileAtomically(const std::string& path, std::string_view bytes) {
    std::string file;
    if (const int error = fileBehindLinks(path, file); error != 0) {
        return Status::failure(path, errorText(error));
    }
    const std::filesystem::path target(file);
    std::error_code error;
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), error);
        if (error) {
            return Status::failure(path, error.message());
        }
    }
    // Created with mode 0666 so the umask applies as it does to any file the user makes.
    std::string temporary;
    int created = -1;
    for (unsigned attempt = 0; created < 0 && attempt < 100; ++attempt) {
        temporary = file + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        created = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (created < 0 && errno != EEXIST) {
            break;
        }
    }
    FileDescriptor fd(created);
    if (fd.get() < 0) {
        return Status::failure(path, errorText(errno));
    }

    // The file replaced keeps its permissions, so a file only its owner may read stays so.
    struct stat old {};
    const bool keepMode = ::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const bool written = (!keepMode || ::fchmod(fd.get(), old.st_mode & 07777) == 0) &&
                         writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    const int writeError = errno;
    if (fd.release() != 0 || !written) {
        const int cause = written ? errno : writeError;
        ::unlink(temporary.c_str());
        return Status::failure(path, errorText(cause));
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        const int cause = errno;
        ::unlink(temporary.c_str());
        return Status::failure(path, errorText(cause));
    }
    return Status::success();
}

} // namespace vistrel
