// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vistrel::detail {

// A new, empty folder under the system's temporary folder, removed with everything in it
// when the object goes away.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The path of name inside the folder, as a string.
    std::string file(std::string_view name) const;

private:
    std::filesystem::path m_path;
};

// The whole content of a file; empty when it cannot be read.
std::string readBytes(const std::string& path);

// Replaces the file's content with bytes. False when that fails.
bool writeBytes(const std::string& path, std::string_view bytes);

} // namespace vistrel::detail
