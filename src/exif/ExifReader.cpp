// SPDX-License-Identifier: MIT
#include "exif/ExifReader.h"

#include <array>
#include <utility>

#include "platform/FileBytes.h"
#include "platform/FileContent.h"
#include "platform/ProcessEnvironment.h"
#include "platform/TiffCursor.h"

namespace vistrel {
namespace {

constexpr std::uint8_t kMarkerStart = 0xFF;
constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kApp0 = 0xE0;
constexpr std::uint8_t kApp1 = 0xE1;
constexpr std::string_view kExifIdentifier = "Exif";
constexpr std::string_view kIntelOrder = "II";
constexpr std::string_view kMotorolaOrder = "MM";

// APP1 right after the start of image: FF D8, FF E1, length (2), "Exif" 00 00, TIFF header.
constexpr std::uint64_t kTiffHeaderAfterStart = 12;
constexpr std::uint64_t kApp0ScanLimit = 512;
constexpr std::uint64_t kBytesBeforeApp0Scan = 4;
constexpr std::uint64_t kSegmentLengthSize = 2;
constexpr std::uint64_t kByteOrderSize = 2;
constexpr std::uint64_t kMagicNumberSize = 2;

constexpr std::uint64_t kEntrySize = 12;
constexpr std::uint64_t kValueFieldSize = 4;
constexpr std::uint16_t kMakerNoteTag = 0x927C;

// Bytes per component of TIFF field types 1 to 12; other types have none.
constexpr std::array<std::uint16_t, 13> kUnitSizes = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};

std::uint16_t unitSizeOf(std::uint16_t type) {
    return type < kUnitSizes.size() ? kUnitSizes[type] : 0;
}

bool readsAs(const TiffCursor& file, std::uint64_t offset, std::string_view expected) {
    return file.bytesAt(offset, expected.size()) == expected;
}

// The APP0 scan of LocateExif; the number of bytes read when it found FF E1, else 0.
std::uint64_t scanForApp1(TiffCursor& file) {
    const std::uint64_t available = file.size() - kBytesBeforeApp0Scan;
    std::uint64_t count = 0;
    while (count < kApp0ScanLimit && count < available) {
        const auto byte = file.readByte();
        ++count;
        if (byte == kMarkerStart) {
            const auto next = file.readByte();
            ++count;
            if (next == kApp1) {
                return count;
            }
        }
        if (!byte) {
            break;
        }
    }
    return 0;
}

} // namespace

ExifReader::ExifReader(std::string imagePath)
    : ExifReader(std::move(imagePath), CodeTable::candidatePaths(currentExecutablePath())) {}

ExifReader::ExifReader(std::string imagePath, std::vector<std::string> codeTablePaths)
    : m_tiffHeaderPosition(kTiffHeaderAfterStart), m_codeTablePaths(std::move(codeTablePaths)),
      m_imagePath(std::move(imagePath)) {}

int ExifReader::LocateExif() {
    FileBytes bytes = FileBytes::open(m_imagePath);
    m_fileStatus = bytes.status();
    TiffCursor file(bytes);
    if (file.readByte() != kMarkerStart || file.readByte() != kStartOfImage) {
        return kNotJpeg;
    }
    if (file.readByte() != kMarkerStart) {
        return kNoExif;
    }
    const auto marker = file.readByte();
    if (marker == kApp0) {
        const std::uint64_t scanned = scanForApp1(file);
        if (scanned == 0) {
            return kNoExif;
        }
        m_tiffHeaderPosition = kTiffHeaderAfterStart + scanned;
    } else if (marker != kApp1) {
        return kNoExif;
    }
    // The two zero bytes after the identifier are not checked.
    if (!file.skip(kSegmentLengthSize) || !readsAs(file, file.position(), kExifIdentifier)) {
        return kNoExif;
    }
    return kExifFound;
}

bool ExifReader::LoadCodeTable() {
    for (const std::string& path : m_codeTablePaths) {
        if (const auto bytes = readWholeFile(path)) {
            m_codeTable = CodeTable::parse(*bytes);
            return true;
        }
    }
    m_codeTable = CodeTable();
    return false;
}

void ExifReader::ReadMainDirectory() {
    m_mainEntries.clear();
    FileBytes bytes = FileBytes::open(m_imagePath);
    m_fileStatus = bytes.status();
    TiffCursor file(bytes);
    if (readsAs(file, m_tiffHeaderPosition, kIntelOrder)) {
        m_littleEndian = true;
    } else if (readsAs(file, m_tiffHeaderPosition, kMotorolaOrder)) {
        m_littleEndian = false;
    }
    file.setLittleEndian(m_littleEndian);
    const auto offset = file.Get32(m_tiffHeaderPosition + kByteOrderSize + kMagicNumberSize);
    if (!offset) {
        return;
    }
    m_mainDirectoryOffset = *offset;
    readDirectoryAt(file, m_mainDirectoryOffset, m_mainEntries);
}

void ExifReader::ReadExifDirectory() {
    m_exifEntries.clear();
    FileBytes bytes = FileBytes::open(m_imagePath);
    m_fileStatus = bytes.status();
    TiffCursor file(bytes);
    file.setLittleEndian(m_littleEndian);
    readDirectoryAt(file, m_state.exifDirectoryOffset, m_exifEntries);
}

void ExifReader::readDirectoryAt(TiffCursor& file, std::uint32_t directoryOffset,
                                 std::vector<ExifEntry>& entries) {
    if (!file.seek(m_tiffHeaderPosition + directoryOffset)) {
        return;
    }
    if (const auto count = file.read16()) {
        ReadDirectory(directoryOffset, *count, entries, file);
    }
}

void ExifReader::ReadDirectory(std::uint32_t directoryOffset, std::uint16_t entryCount,
                               std::vector<ExifEntry>& entries, TiffCursor& file) {
    // Each entry is read from its own place, 12 bytes after the one before, so a value read
    // elsewhere or an entry of an unknown type never shifts the next one.
    const std::uint64_t first = m_tiffHeaderPosition + directoryOffset + 2;
    for (std::uint64_t i = 0; i < entryCount; ++i) {
        const std::uint64_t start = first + kEntrySize * i;
        const auto entryBytes = file.window(start, kEntrySize);
        if (!entryBytes) {
            return;
        }
        const auto tag = entryBytes->Get16(0);
        const auto type = entryBytes->Get16(2);
        const auto count = entryBytes->Get32(4);
        if (!tag || !type || !count) {
            return;
        }
        ExifEntry& entry = entries.emplace_back();
        const std::int32_t tableIndex = m_codeTable.LookupLabel(*tag, entry);
        entry.tag = *tag;
        entry.type = *type;
        entry.unitSize = unitSizeOf(*type);
        if (entry.unitSize == 0) {
            continue;
        }
        entry.count = *count;
        if (tableIndex < 0) {
            continue;
        }
        const std::uint64_t size = std::uint64_t{entry.unitSize} * entry.count;
        std::optional<TiffCursor> value = entryBytes->window(8, kValueFieldSize);
        if (size > kValueFieldSize && entry.tag != kMakerNoteTag) {
            const auto offset = entryBytes->Get32(8);
            value = offset ? file.window(m_tiffHeaderPosition + *offset, size) : std::nullopt;
        }
        if (value) {
            entry.value = FormatValue(m_codeTable.code(tableIndex), entry, *value, m_state);
        }
    }
}

} // namespace vistrel
