// SPDX-License-Identifier: MIT
#include "platform/FileSystem.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <string_view>

namespace vistrel {
namespace {

bool hasWildCard(std::string_view pattern) {
    return pattern.find_first_of("*?") != std::string_view::npos;
}

// Bytes of the UTF-8 character starting at name[at], so that "?" stands for one character of a
// Japanese name rather than one byte of it.
std::size_t characterLength(std::string_view name, std::size_t at) {
    const auto lead = static_cast<unsigned char>(name[at]);
    std::size_t length = 1;
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    return std::min(length, name.size() - at);
}

bool wildMatch(std::string_view pattern, std::string_view name) {
    std::size_t p = 0;
    std::size_t n = 0;
    // Where the last "*" was seen and how much of the name it had taken when the rest of the
    // pattern last failed; a mismatch retries with that "*" taking one more character.
    std::size_t starPattern = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            n += characterLength(name, n);
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++p;
            ++n;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern + 1;
            starName += characterLength(name, starName);
            n = starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

bool matchesSearch(std::string_view pattern, std::string_view name) {
    if (wildMatch(pattern, name)) {
        return true;
    }
    // A search pattern ending in ".*" also finds names without an extension ("*.*" finds
    // "README", "photo*.*" finds "photo").
    constexpr std::string_view kAnyExtension = ".*";
    return pattern.ends_with(kAnyExtension) &&
           wildMatch(pattern.substr(0, pattern.size() - kAnyExtension.size()), name);
}

} // namespace

bool FileExists(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string_view pattern = slash == std::string::npos
                                         ? std::string_view(path)
                                         : std::string_view(path).substr(slash + 1);
    if (!hasWildCard(pattern)) {
        struct stat info {};
        return ::lstat(path.c_str(), &info) == 0;
    }

    std::string folder = ".";
    if (slash == 0) {
        folder = "/";
    } else if (slash != std::string::npos) {
        folder = path.substr(0, slash);
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) {
        return false;
    }
    // The folder's own "." and ".." entries take part in the search, which is what makes
    // folder + "*.*" true for an empty folder.
    if (matchesSearch(pattern, ".") || matchesSearch(pattern, "..")) {
        return true;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != ".." && matchesSearch(pattern, name)) {
            return true;
        }
    }
    return false;
}

} // namespace vistrel
