// SPDX-License-Identifier: MIT
#include "catalogue/ImageFolderScan.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/ImageList.h"
#include "catalogue/ImageRow.h"
#include "names/ImageKind.h"
#include "platform/FileSystem.h"

namespace vistrel {
namespace {

constexpr std::string_view kSizeUnit = " KB";
constexpr const char* kDateFormat = "%Y/%m/%d %H:%M:%S";
constexpr char kSeparator = '/';
constexpr const char* kCurrentFolder = ".";
constexpr unsigned kKibShift = 10;

// The folder to list and the name prefix its entries must have. The folder box text is a
// search pattern without its "*.*": everything after the last "/" is the start of a name.
std::pair<std::string, std::string> splitSearch(const std::string& folder) {
    const std::size_t slash = folder.rfind(kSeparator);
    if (slash == std::string::npos) {
        return {kCurrentFolder, folder};
    }
    return {folder.substr(0, slash + 1), folder.substr(slash + 1)};
}

bool takesKind(ImageKind kind, std::int32_t mask) {
    return mask == kAllFilesMask || (kindBit(kind) & mask) != 0;
}

} // namespace

int ScanImageFolder(const std::string& folder, std::int32_t mask, bool select, ImageList& list) {
    const auto [searched, prefix] = splitSearch(folder);
    std::vector<ImageRow> rows;
    for (const DirEntry& entry : listDirectory(searched)) {
        if (!entry.isRegularFile || !entry.name.starts_with(prefix)) {
            continue;
        }
        const ImageKind kind = ClassifyImageName(entry.name);
        if (!takesKind(kind, mask)) {
            continue;
        }
        ImageRow row;
        row.name = entry.name;
        row.sizeText = formatSizeText(entry.size);
        row.dateText = formatDateText(entry.mtime);
        row.checked = kind != ImageKind::None && select;
        rows.push_back(std::move(row));
    }
    const int added = static_cast<int>(rows.size());
    list.appendRows(std::move(rows));
    return added;
}

std::string formatSizeText(std::uint64_t bytes) {
    // The column shows a 32-bit count of KiB: a file of 4 TiB or more shows the low 32 bits of
    // its count, so the text is the same whatever the width of unsigned long.
    const auto kib = static_cast<std::uint32_t>(bytes >> kKibShift);
    return std::to_string(kib) + std::string(kSizeUnit);
}

std::string formatDateText(std::time_t time) {
    std::tm local{};
    if (::localtime_r(&time, &local) == nullptr) {
        return {};
    }
    std::array<char, 64> buffer{};
    const std::size_t length = std::strftime(buffer.data(), buffer.size(), kDateFormat, &local);
    return std::string(buffer.data(), length);
}

} // namespace vistrel
