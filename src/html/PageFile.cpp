// SPDX-License-Identifier: MIT
#include "html/PageFile.h"

#include <cerrno>
#include <utility>

#include "html/PageRun.h"

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

void finishPage(PageRun& run, PageFile& page) {
    if (Status written = page.finish(); !written) {
        run.failedWrites.push_back(std::move(written));
    }
}

} // namespace vistrel
