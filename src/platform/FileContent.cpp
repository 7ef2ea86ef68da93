// SPDX-License-Identifier: MIT
#include "platform/FileContent.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/ErrorText.h"
#include "platform/FileDescriptor.h"

namespace vistrel {
namespace {

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

Status readFileInto(const std::string& path, std::string& bytes, std::size_t limit) {
    bytes.clear();
    FileDescriptor fd;
    struct stat info {};
    if (const int error = openRegularFile(path, fd, info); error != 0) {
        return Status::failure(path, errorText(error));
    }
    bytes.reserve(std::min(static_cast<std::size_t>(info.st_size), limit));
    char buffer[65536];
    while (bytes.size() < limit) {
        const auto got = ::read(fd.get(), buffer, std::min(sizeof buffer, limit - bytes.size()));
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
    FileDescriptor fd;
    std::string temporary;
    if (const int created =
            createNumberedFile(file + ".tmp" + std::to_string(::getpid()) + "-", fd, temporary);
        created != 0) {
        return Status::failure(path, errorText(created));
    }

    // The file replaced keeps its permissions, so a file only its owner may read stays so.
    struct stat old {};
    const bool keepMode = ::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const bool written = (!keepMode || ::fchmod(fd.get(), old.st_mode & 07777) == 0) &&
                         writeAll(fd.get(), bytes.data(), bytes.size()) && ::fsync(fd.get()) == 0;
    const int writeError = errno;
    if (fd.closeNow() != 0 || !written) {
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
