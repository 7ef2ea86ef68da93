// SPDX-License-Identifier: MIT
#include "platform/ReplacingFile.h"

#include <unistd.h>

#include <cerrno>

#include "platform/ErrorText.h"
#include "platform/FileDescriptor.h"
#include "platform/PathText.h"
#include "platform/WorkNames.h"

namespace vistrel {
ReplacingFile::ReplacingFile(std::string path) : m_path(std::move(path)) {
    // A short name of its own, so a page whose name is close to the longest the file system
    // takes can still be written; a new name, so nothing already there is ever opened.
    FileDescriptor fd;
    m_openError = createNumberedFile(folderPart(m_path) + std::string(kPageWorkName) +
                                         std::to_string(::getpid()) + "-",
                                     fd, m_temporary);
    if (m_openError != 0) {
        return;
    }
    m_stream = ::fdopen(fd.get(), "wb");
    if (m_stream == nullptr) {
        m_openError = errno;
        discard();
        return;
    }
    fd.detach();
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
