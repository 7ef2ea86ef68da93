// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vistrel::test {

// TIFF field types as they are stored.
inline constexpr std::uint16_t kTypeAscii = 2;
inline constexpr std::uint16_t kTypeShort = 3;
inline constexpr std::uint16_t kTypeLong = 4;
inline constexpr std::uint16_t kTypeRational = 5;
inline constexpr std::uint16_t kTypeUndefined = 7;
inline constexpr std::uint16_t kTypeSRational = 10;
inline constexpr std::uint16_t kTypeDouble = 12;

enum class ByteOrder { Intel, Motorola };
enum class ExifDirectory { Main, Exif };

// How the EXIF segment sits in the JPEG file.
struct JpegLayout {
    bool jfifFirst = false;      // a 16-byte JFIF APP0 segment before APP1
    std::size_t fillerBytes = 0; // zero bytes between the APP0 segment and the APP1 marker
};

// Builds EXIF data for tests, byte by byte: a TIFF header, IFD0, the EXIF sub-directory and
// a data area, in the chosen byte order, wrapped in a minimal JPEG file. Entries are written
// in the order they are added. A value of at most 4 bytes goes into the entry's value field
// (padded with zeros); a longer one goes into the data area and the field holds its offset
// from the TIFF header.
//
// Layout of tiff(): header (8 bytes, IFD0 at offset 8), IFD0 (count, entries, next-IFD offset
// 0), the EXIF directory when it has entries or exifPointer() was added (count, entries,
// next offset 0), then the data area in the order the long values were added.
class ExifWriter {
public:
    explicit ExifWriter(ByteOrder order) : m_order(order) {}

    // Numbers in the writer's byte order.
    std::string shorts(std::initializer_list<std::uint16_t> values) const;
    std::string longs(std::initializer_list<std::uint32_t> values) const;
    std::string
    rationals(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> values) const;
    std::string
    srationals(std::initializer_list<std::pair<std::int32_t, std::int32_t>> values) const;

    // An entry with value bytes value and the count given.
    ExifWriter& entry(ExifDirectory directory, std::uint16_t tag, std::uint16_t type,
                      std::uint32_t count, std::string value);
    // An entry whose value field holds field (in the writer's byte order) whatever type and
    // count say: for offsets past the end, huge counts and unknown types.
    ExifWriter& rawEntry(ExifDirectory directory, std::uint16_t tag, std::uint16_t type,
                         std::uint32_t count, std::uint32_t field);

    // Shorthands: ASCII text with its terminating zero (count = size + 1); SHORT and LONG
    // values; one RATIONAL or SRATIONAL.
    ExifWriter& ascii(ExifDirectory directory, std::uint16_t tag, std::string_view text);
    ExifWriter& shortValues(ExifDirectory directory, std::uint16_t tag,
                            std::initializer_list<std::uint16_t> values);
    ExifWriter& longValue(ExifDirectory directory, std::uint16_t tag, std::uint32_t value);
    ExifWriter& rational(ExifDirectory directory, std::uint16_t tag, std::uint32_t numerator,
                         std::uint32_t denominator);
    ExifWriter& srational(ExifDirectory directory, std::uint16_t tag, std::int32_t numerator,
                          std::int32_t denominator);

    // The EXIF pointer tag 0x8769 (LONG, count 1) in IFD0, holding the EXIF directory offset.
    ExifWriter& exifPointer();

    // Writes count as the directory's number of entries instead of the real one.
    ExifWriter& announceEntries(ExifDirectory directory, std::uint16_t count);

    // The offset of the EXIF directory from the TIFF header (8 + the size of IFD0).
    std::uint32_t exifDirectoryOffset() const;

    std::string tiff() const;

    // tiff() in a JPEG file: FF D8, [JFIF APP0], [filler], FF E1, the segment length,
    // "Exif" 00 00, the TIFF data, FF D9. So the TIFF header is at 12, or at 30 after JFIF.
    std::string jpeg(JpegLayout layout = {}) const;
    static std::string jpegAround(std::string_view tiff, JpegLayout layout = {});

private:
    struct Field {
        ExifDirectory directory;
        std::uint16_t tag;
        std::uint16_t type;
        std::uint32_t count;
        std::string value; // value bytes (entry) or the 4 field bytes (rawEntry)
        bool raw = false;
        bool pointer = false;
    };

    std::string number(std::uint32_t value, int size) const;
    std::size_t countOf(ExifDirectory directory) const;
    bool hasExifDirectory() const;

    ByteOrder m_order;
    std::vector<Field> m_fields;
    std::optional<std::uint16_t> m_announcedMain;
    std::optional<std::uint16_t> m_announcedExif;
};

} // namespace vistrel::test
