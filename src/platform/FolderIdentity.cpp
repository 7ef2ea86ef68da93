// SPDX-License-Identifier: MIT
#include "platform/FolderIdentity.h"

#include <filesystem>

#include <sys/stat.h>

namespace vistrel {
namespace {

std::string normalForm(const std::string& folder) {
    std::error_code error;
    auto path = std::filesystem::absolute(folder, error);
    if (error) {
        path = folder;
    }
    std::string text = path.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') {
        text.pop_back();
    }
    return text;
}

} // namespace

bool sameFolder(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) {
        return a == b;
    }
    struct stat first {};
    struct stat second {};
    const bool firstExists = ::stat(a.c_str(), &first) == 0;
    const bool secondExists = ::stat(b.c_str(), &second) == 0;
    if (firstExists && secondExists) {
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    }
    if (firstExists != secondExists) {
        return false;
    }
    return normalForm(a) == normalForm(b);
}

} // namespace vistrel
