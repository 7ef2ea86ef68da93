// SPDX-License-Identifier: MIT
#include "platform/ReplacingFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/ErrorText.h"
#include "platform/WorkNames.h"

namespace vistrel {
namespace {

constexpr mode_t kNewFileMode = 0666;
constexpr int kNameAttempts = 100;

std::atomic<unsigned> g_nextName{0};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

ReplacingFile::ReplacingFile(std::string path) : m_path(std::move(path)) {
    // A short name of its own, so a page whose name is close to the longest the file system
    // takes can still be written; O_EXCL so nothing already there is ever opened.
    const std::string stem =
        folderOf(m_path) + std::string(kPageWorkName) + std::to_string(::getpid()) + "-";
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < kNameAttempts; ++attempt) {
        m_temporary = stem + std::to_string(g_nextName++);
        fd = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        m_openError = errno;
        m_temporary.clear();
        return;
    }
    m_stream = ::fdopen(fd, "wb");
    if (m_stream == nullptr) {
        m_openError = errno;
        ::close(fd);
        discard();
    }
}

ReplacingFile::~ReplacingFile() {
    if (m_stream != nullptr) {
        std::fclose(m_stream);
        m_stream = nullptr;
    }
    discard();
}

Status ReplacingFile::commit(int writeError) {
    if (m_stream == nullptr) {
        return Status::failure(m_path, errorText(m_openError != 0 ? m_openError : EBADF));
    }
    int cause = writeError;
    if (std::fclose(m_stream) != 0 && cause == 0) {
        cause = errno;
    }
    m_stream = nullptr;
    if (cause == 0 && ::rename(m_temporary.c_str(), m_path.c_str()) != 0) {
        cause = errno;
    }
    if (cause != 0) {
        discard();
        return Status::failure(m_path, errorText(cause));
    }
    m_temporary.clear();
    return Status::success();
}

void ReplacingFile::discard() {
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

} // namespace vistrel
