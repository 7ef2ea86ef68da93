// SPDX-License-Identifier: MIT
#include "support/ExifWriter.h"

#include <algorithm>

namespace vistrel::test {
namespace {

constexpr std::uint16_t kExifPointerTag = 0x8769;
constexpr std::uint16_t kTiffMagic = 42;
constexpr std::uint32_t kHeaderSize = 8;
constexpr std::uint32_t kEntrySize = 12;
constexpr std::size_t kFieldSize = 4;
constexpr std::string_view kStartOfImage = "\xFF\xD8";
constexpr std::string_view kEndOfImage = "\xFF\xD9";
constexpr std::string_view kApp1Marker = "\xFF\xE1";
constexpr std::string_view kExifIdentifier{"Exif\0\0", 6};
// FF E0, length 16, "JFIF" 0, version 1.1, no units, density 1 x 1, no thumbnail.
constexpr std::string_view kJfifSegment{
    "\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 18};

std::uint32_t directorySize(std::size_t entries) {
    return static_cast<std::uint32_t>(2 + kEntrySize * entries + 4);
}

} // namespace

std::string ExifWriter::number(std::uint32_t value, int size) const {
    std::string bytes;
    for (int i = 0; i < size; ++i) {
        const int shift = m_order == ByteOrder::Intel ? 8 * i : 8 * (size - 1 - i);
        bytes.push_back(static_cast<char>(value >> shift & 0xFF));
    }
    return bytes;
}

std::string ExifWriter::shorts(std::initializer_list<std::uint16_t> values) const {
    std::string bytes;
    for (const auto value : values) {
        bytes += number(value, 2);
    }
    return bytes;
}

std::string ExifWriter::longs(std::initializer_list<std::uint32_t> values) const {
    std::string bytes;
    for (const auto value : values) {
        bytes += number(value, 4);
    }
    return bytes;
}

std::string
ExifWriter::rationals(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> values) const {
    std::string bytes;
    for (const auto& [numerator, denominator] : values) {
        bytes += number(numerator, 4) + number(denominator, 4);
    }
    return bytes;
}

std::string
ExifWriter::srationals(std::initializer_list<std::pair<std::int32_t, std::int32_t>> values) const {
    std::string bytes;
    for (const auto& [numerator, denominator] : values) {
        bytes += number(static_cast<std::uint32_t>(numerator), 4) +
                 number(static_cast<std::uint32_t>(denominator), 4);
    }
    return bytes;
}

ExifWriter& ExifWriter::entry(ExifDirectory directory, std::uint16_t tag, std::uint16_t type,
                              std::uint32_t count, std::string value) {
    m_fields.push_back({directory, tag, type, count, std::move(value)});
    return *this;
}

ExifWriter& ExifWriter::rawEntry(ExifDirectory directory, std::uint16_t tag, std::uint16_t type,
                                 std::uint32_t count, std::uint32_t field) {
    m_fields.push_back({directory, tag, type, count, number(field, 4), true});
    return *this;
}

ExifWriter& ExifWriter::ascii(ExifDirectory directory, std::uint16_t tag, std::string_view text) {
    std::string value(text);
    value.push_back('\0');
    const auto count = static_cast<std::uint32_t>(value.size());
    return entry(directory, tag, kTypeAscii, count, std::move(value));
}

ExifWriter& ExifWriter::shortValues(ExifDirectory directory, std::uint16_t tag,
                                    std::initializer_list<std::uint16_t> values) {
    return entry(directory, tag, kTypeShort, static_cast<std::uint32_t>(values.size()),
                 shorts(values));
}

ExifWriter& ExifWriter::longValue(ExifDirectory directory, std::uint16_t tag, std::uint32_t value) {
    return entry(directory, tag, kTypeLong, 1, longs({value}));
}

ExifWriter& ExifWriter::rational(ExifDirectory directory, std::uint16_t tag,
                                 std::uint32_t numerator, std::uint32_t denominator) {
    return entry(directory, tag, kTypeRational, 1, rationals({{numerator, denominator}}));
}

ExifWriter& ExifWriter::srational(ExifDirectory directory, std::uint16_t tag,
                                  std::int32_t numerator, std::int32_t denominator) {
    return entry(directory, tag, kTypeSRational, 1, srationals({{numerator, denominator}}));
}

ExifWriter& ExifWriter::exifPointer() {
    m_fields.push_back({ExifDirectory::Main, kExifPointerTag, kTypeLong, 1, {}, false, true});
    return *this;
}

ExifWriter& ExifWriter::announceEntries(ExifDirectory directory, std::uint16_t count) {
    (directory == ExifDirectory::Main ? m_announcedMain : m_announcedExif) = count;
    return *this;
}

std::size_t ExifWriter::countOf(ExifDirectory directory) const {
    return static_cast<std::size_t>(std::ranges::count(m_fields, directory, &Field::directory));
}

bool ExifWriter::hasExifDirectory() const {
    return countOf(ExifDirectory::Exif) > 0 || std::ranges::any_of(m_fields, &Field::pointer);
}

std::uint32_t ExifWriter::exifDirectoryOffset() const {
    return kHeaderSize + directorySize(countOf(ExifDirectory::Main));
}

std::string ExifWriter::tiff() const {
    std::uint32_t dataOffset = exifDirectoryOffset();
    if (hasExifDirectory()) {
        dataOffset += directorySize(countOf(ExifDirectory::Exif));
    }
    std::string data;
    const auto writeDirectory = [&](ExifDirectory directory,
                                    std::optional<std::uint16_t> announced) {
        std::string bytes =
            number(announced.value_or(static_cast<std::uint16_t>(countOf(directory))), 2);
        for (const Field& field : m_fields) {
            if (field.directory != directory) {
                continue;
            }
            bytes += number(field.tag, 2) + number(field.type, 2) + number(field.count, 4);
            if (field.pointer) {
                bytes += number(exifDirectoryOffset(), 4);
            } else if (field.raw || field.value.size() <= kFieldSize) {
                bytes += field.value + std::string(kFieldSize - field.value.size(), '\0');
            } else {
                bytes += number(dataOffset + static_cast<std::uint32_t>(data.size()), 4);
                data += field.value;
            }
        }
        return bytes + number(0, 4);
    };
    std::string tiff = m_order == ByteOrder::Intel ? "II" : "MM";
    tiff += number(kTiffMagic, 2) + number(kHeaderSize, 4);
    tiff += writeDirectory(ExifDirectory::Main, m_announcedMain);
    if (hasExifDirectory()) {
        tiff += writeDirectory(ExifDirectory::Exif, m_announcedExif);
    }
    return tiff + data;
}

std::string ExifWriter::jpeg(JpegLayout layout) const {
    return jpegAround(tiff(), layout);
}

std::string ExifWriter::jpegAround(std::string_view tiff, JpegLayout layout) {
    std::string file(kStartOfImage);
    if (layout.jfifFirst) {
        file += kJfifSegment;
    }
    file += std::string(layout.fillerBytes, '\0');
    const std::size_t length =
        std::min<std::size_t>(0xFFFF, 2 + kExifIdentifier.size() + tiff.size());
    file += kApp1Marker;
    file.push_back(static_cast<char>(length >> 8));
    file.push_back(static_cast<char>(length & 0xFF));
    file += kExifIdentifier;
    file += tiff;
    return file + std::string(kEndOfImage);
}

} // namespace vistrel::test
