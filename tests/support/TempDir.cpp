// SPDX-License-Identifier: MIT
#include "support/TempDir.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include <gtest/gtest.h>

namespace vistrel::test {
namespace {

std::filesystem::path systemTemporaryFolder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    return error ? std::filesystem::path("/tmp") : folder;
}

} // namespace

TempDir::TempDir() : TempDir(systemTemporaryFolder()) {}

TempDir::TempDir(const std::filesystem::path& parent) {
    std::string name = (parent / "vistrel-test-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a temporary folder under " << parent;
        return;
    }
    m_path = name;
}

TempDir::~TempDir() {
    if (m_path.empty()) {
        return;
    }
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
    EXPECT_FALSE(error) << "cannot remove " << m_path << ": " << error.message();
}

std::string TempDir::file(std::string_view name) const {
    return (m_path / name).string();
}

std::string TempDir::write(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path target = m_path / name;
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    EXPECT_TRUE(out) << "cannot write " << target;
    return target.string();
}

std::string TempDir::read(std::string_view name) const {
    return readBytes(m_path / name);
}

std::string TempDir::makeFifo(std::string_view name) const {
    const std::string path = file(name);
    EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0) << "cannot create the FIFO " << path;
    return path;
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    EXPECT_TRUE(in) << "cannot read " << file;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::map<std::string, std::string> filesUnder(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& item : std::filesystem::recursive_directory_iterator(folder)) {
        if (item.is_regular_file()) {
            files[std::filesystem::relative(item.path(), folder).string()] = readBytes(item.path());
        }
    }
    return files;
}

} // namespace vistrel::test
