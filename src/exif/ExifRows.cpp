// SPDX-License-Identifier: MIT
#include "exif/ExifRows.h"

#include <algorithm>
#include <bit>

#include "exif/ExifReader.h"

namespace vistrel {
namespace {

constexpr unsigned kItemBits = (1u << kExifItemTags.size()) - 1;
constexpr std::size_t kShutterSpeedBit = 4;

bool hasBit(std::uint16_t exifInfo, std::size_t bit) {
    return (unsigned{exifInfo} >> bit & 1u) != 0;
}

bool selects(std::uint16_t exifInfo, std::uint16_t tag) {
    for (std::size_t bit = 0; bit < kExifItemTags.size(); ++bit) {
        if (hasBit(exifInfo, bit) && kExifItemTags[bit] == tag) {
            return true;
        }
    }
    return false;
}

} // namespace

int selectedExifItemCount(std::uint16_t exifInfo) {
    return std::popcount(exifInfo & kItemBits);
}

ExifBlock readExifBlock(ExifReader& reader) {
    ExifBlock block;
    block.located = reader.LocateExif();
    if ((block.located & ExifReader::kExifBit) == 0) {
        return block;
    }
    block.codeTableLoaded = reader.LoadCodeTable();
    if (!block.codeTableLoaded) {
        return block;
    }
    reader.ReadMainDirectory();
    if (reader.exifPointerSeen()) {
        reader.ReadExifDirectory();
        block.available = true;
    }
    return block;
}

std::vector<ExifRow> selectExifRows(const ExifReader& reader, std::uint16_t exifInfo) {
    const auto room = static_cast<std::size_t>(selectedExifItemCount(exifInfo));
    std::vector<ExifRow> rows;
    const auto take = [&](const ExifEntry& entry) {
        if (rows.size() >= room) {
            return false;
        }
        rows.push_back({entry.label, entry.value});
        return true;
    };
    for (const ExifEntry& entry : reader.mainEntries()) {
        if (selects(exifInfo, entry.tag)) {
            take(entry);
        }
    }
    bool shutterSpeedTaken = false;
    for (const ExifEntry& entry : reader.exifEntries()) {
        if (selects(exifInfo, entry.tag) && take(entry) &&
            entry.tag == kExifItemTags[kShutterSpeedBit]) {
            shutterSpeedTaken = true;
        }
    }
    if (hasBit(exifInfo, kShutterSpeedBit) && !shutterSpeedTaken) {
        for (const ExifEntry& entry : reader.exifEntries()) {
            if (entry.tag == kExposureTimeTag) {
                take(entry);
            }
        }
    }
    return rows;
}

} // namespace vistrel
