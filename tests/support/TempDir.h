// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel::test {

// A folder of its own for one test: created empty under a unique name, removed with everything
// in it when the TempDir goes away. Helpers take names relative to the folder ("a.jpg",
// "sub/a.jpg"); a helper that fails records a test failure.
class TempDir {
public:
    // A new folder under the system's temporary folder.
    TempDir();
    // A new folder under parent, for a test that needs it on a given file system.
    explicit TempDir(const std::filesystem::path& parent);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    // The full path of name inside the folder, as the program's functions take it.
    std::string file(std::string_view name) const;

    // Creates or replaces the file name with bytes, creating the folders on the way.
    // Returns the file's full path.
    std::string write(std::string_view name, std::string_view bytes) const;

    // The bytes of the file name; empty (and a test failure) when it cannot be read.
    std::string read(std::string_view name) const;

    // Creates a FIFO called name, which blocks whoever opens it until the other end is opened
    // too: what listing code must never open. Returns its full path.
    std::string makeFifo(std::string_view name) const;

private:
    std::filesystem::path m_path;
};

// The bytes of any file; empty (and a test failure) when it cannot be read.
std::string readBytes(const std::filesystem::path& file);

// Every file under folder (names relative to it) with its bytes.
std::map<std::string, std::string> filesUnder(const std::string& folder);

// The names in folder, sorted: shows what a step left there, temporary files included.
std::vector<std::string> namesIn(const std::filesystem::path& folder);

} // namespace vistrel::test
