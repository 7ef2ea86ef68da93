// SPDX-License-Identifier: MIT
#include "html/PageFile.h"

#include <cerrno>
#include <utility>

namespace vistrel {

PageFile::PageFile(std::string path) : m_file(std::move(path)), m_stream(m_file.stream()) {}

Status PageFile::finish() {
    int writeError = 0;
    if (!m_stream.close()) {
        // A write that failed without a cause of its own still must not pass as written.
        writeError = m_stream.error() != 0 ? m_stream.error() : EIO;
    }
    return m_file.commit(writeError);
}

} // namespace vistrel
