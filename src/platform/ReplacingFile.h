// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>

#include "platform/Status.h"

namespace vistrel {

// A file written under a temporary name in the folder of its path and put in place only when
// complete, so that path holds either what it held before or the whole new file, never a cut
// one. Whatever is at path is replaced, not written through: a symbolic link left there is
// replaced by the file, and the file it pointed to is not touched. The new file gets the mode
// of any new file (0666 less the umask).
class ReplacingFile {
public:
    explicit ReplacingFile(std::string path);
    // Removes the temporary file unless commit() put it in place.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Where to write; null when the temporary file could not be made (commit() says why).
    std::FILE* stream() const { return m_stream; }

    // Closes the temporary file and renames it to path. writeError is the errno of a write that
    // failed on stream() (0 when all succeeded): the file is then dropped. On any failure path
    // keeps what it held and the failure names path and the system's reason.
    Status commit(int writeError);

private:
    void discard();

    std::string m_path;
    std::string m_temporary;
    std::FILE* m_stream = nullptr;
    int m_openError = 0;
};

} // namespace vistrel
