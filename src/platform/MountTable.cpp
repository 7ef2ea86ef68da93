// SPDX-License-Identifier: MIT
#include "platform/MountTable.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

namespace vistrel::detail {
namespace {

// mountinfo writes a space, tab, newline and backslash in a field as a backslash and three
// octal digits, so that fields stay separated by single spaces.
std::string unescapeField(std::string_view field) {
    const auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
    std::string text;
    text.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            const int value =
                (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            text.push_back(static_cast<char>(value));
            i += 3;
        } else {
            text.push_back(field[i]);
        }
    }
    return text;
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        if (end > start) {
            fields.push_back(line.substr(start, end - start));
        }
        start = end + 1;
    }
    return fields;
}

bool hasOption(std::string_view options, std::string_view wanted) {
    std::size_t start = 0;
    while (start <= options.size()) {
        const std::size_t end = std::min(options.find(',', start), options.size());
        if (options.substr(start, end - start) == wanted) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

bool holds(std::string_view mountPoint, std::string_view path) {
    if (!path.starts_with(mountPoint)) {
        return false;
    }
    // "/mnt/a" holds "/mnt/a" and "/mnt/a/x" but not "/mnt/ab".
    return mountPoint == "/" || path.size() == mountPoint.size() || path[mountPoint.size()] == '/';
}

} // namespace

MountTable MountTable::parse(std::string_view mountInfo) {
    // Fields: id, parent id, major:minor, root, mount point, mount options, optional fields,
    // "-", file system type, source, super block options.
    constexpr std::size_t kMountPointField = 4;
    constexpr std::size_t kOptionsField = 5;
    constexpr std::size_t kFirstOptionalField = 6;
    MountTable table;
    std::size_t start = 0;
    while (start < mountInfo.size()) {
        const std::size_t end = std::min(mountInfo.find('\n', start), mountInfo.size());
        const std::vector<std::string_view> fields =
            splitFields(mountInfo.substr(start, end - start));
        start = end + 1;

        std::size_t separator = kFirstOptionalField;
        while (separator < fields.size() && fields[separator] != "-") {
            ++separator;
        }
        // After the separator: file system type, source and super block options.
        if (separator + 3 >= fields.size()) {
            continue;
        }
        Entry entry;
        entry.mountPoint = unescapeField(fields[kMountPointField]);
        entry.fsType = unescapeField(fields[separator + 1]);
        entry.readOnly = hasOption(fields[kOptionsField], "ro");
        table.m_entries.push_back(std::move(entry));
    }
    return table;
}

MountTable MountTable::readCurrent() {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        std::fopen("/proc/self/mountinfo", "re"), &std::fclose);
    if (!file) {
        return MountTable();
    }
    // Files under /proc report no size; read until the end.
    std::string text;
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file.get())) > 0) {
        text.append(buffer.data(), got);
    }
    return parse(text);
}

const MountTable::Entry* MountTable::find(std::string_view path) const {
    const Entry* best = nullptr;
    for (const Entry& entry : m_entries) {
        if (holds(entry.mountPoint, path) &&
            (best == nullptr || entry.mountPoint.size() >= best->mountPoint.size())) {
            best = &entry;
        }
    }
    return best;
}

} // namespace vistrel::detail
