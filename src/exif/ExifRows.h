// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vistrel {

class ExifReader;

// One EXIF row of a main page's information table: the entry's label and value texts.
struct ExifRow {
    std::string label;
    std::string value;
};

// The tag that bit i of ExifInfo selects, bit 0 first: FNumber, ExposureProgram,
// ISOSpeedRatings, DateTimeOriginal, ShutterSpeedValue, ApertureValue, MeteringMode, Flash,
// FocalLength, ExposureBiasValue, Make, Model.
inline constexpr std::array<std::uint16_t, 12> kExifItemTags = {
    0x829D, 0x8822, 0x8827, 0x9003, 0x9201, 0x9202, 0x9207, 0x9209, 0x920A, 0x9204, 0x010F, 0x0110,
};

// The tag shown for bit 4 when the EXIF sub-directory gave no ShutterSpeedValue row.
inline constexpr std::uint16_t kExposureTimeTag = 0x829A;

// The number of EXIF items exifInfo selects: its set bits among bits 0 to 11.
int selectedExifItemCount(std::uint16_t exifInfo);

// What driving a reader as a main page does found.
struct ExifBlock {
    int located = 0;              // the result of LocateExif
    bool codeTableLoaded = false; // LoadCodeTable succeeded (tried only when EXIF was found)
    bool available = false;       // the page shows EXIF rows

    explicit operator bool() const { return available; }
};

// Drives reader as a main page does: LocateExif must find the EXIF segment, LoadCodeTable
// must succeed, then ReadMainDirectory, and ReadExifDirectory only when the EXIF pointer was
// seen. The EXIF block is available when all of that happened; otherwise the page shows no
// EXIF rows at all (not even IFD0 items such as the maker).
ExifBlock readExifBlock(ExifReader& reader);

// The EXIF rows of a page whose EXIF block is available, in this order: every IFD0 entry
// whose tag exifInfo selects, in file order; then every such entry of the EXIF
// sub-directory; then, when bit 4 is set and no ShutterSpeedValue row was taken from the EXIF
// sub-directory, its ExposureTime entries. No more rows are taken than exifInfo selects
// items, so a tag found in both directories or a second ExposureTime entry can be passed over.
std::vector<ExifRow> selectExifRows(const ExifReader& reader, std::uint16_t exifInfo);

} // namespace vistrel
