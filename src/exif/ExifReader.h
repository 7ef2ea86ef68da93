// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "exif/CodeTable.h"
#include "exif/ExifEntry.h"
#include "exif/ExifValueFormatter.h"
#include "platform/Status.h"

namespace vistrel {

class TiffCursor;

// Reads the shooting information of one JPEG file: finds the EXIF segment near the start of
// the file, reads the TIFF header and its byte order, walks the main image directory (IFD0)
// and the EXIF sub-directory, and keeps every directory entry with its label (from the code
// table) and display text (from FormatValue). One reader per image; it never writes.
//
// The steps are called in this order, each opening and closing the file itself:
// LocateExif, LoadCodeTable, ReadMainDirectory, and ReadExifDirectory when exifPointerSeen().
//
// Every offset, count and size taken from the file is checked against the file (not against
// the EXIF segment: the directories may point anywhere in the file, so a file whose EXIF data
// reaches past its segment still reads). What does not fit is passed over:
// - a directory that starts outside the file gives no entries;
// - an entry count larger than the file can hold ends the walk after the entries that fit;
// - a value that lies (partly) outside the file is not formatted: the entry keeps its label
//   and an empty value, and the walk goes on with the next entry.
// A file that cannot be opened gives no entries; fileStatus() then says why.
// Only as much of the file is read as the steps need (usually its first 68 KiB).
class ExifReader {
public:
    // Results of LocateExif; callers test the kExifBit bit.
    static constexpr int kNotJpeg = 0;   // the file does not start with FF D8
    static constexpr int kNoExif = 1;    // a JPEG without a usable EXIF segment
    static constexpr int kExifFound = 3; // the EXIF segment was found
    static constexpr int kExifBit = 2;

    // A reader of the image at imagePath that looks for the code table beside the running
    // executable, then in the installed data folder.
    explicit ExifReader(std::string imagePath);
    // A reader that looks for the code table at codeTablePaths, in order.
    ExifReader(std::string imagePath, std::vector<std::string> codeTablePaths);

    // Finds the EXIF segment: right after the start-of-image marker (FF D8 FF E1), or, after an
    // APP0 marker (FF D8 FF E0), the first FF E1 pair in the bytes that follow it. The scan
    // reads one byte while fewer than 512 bytes, and fewer than the file length minus 4, have
    // been read after the APP0 marker; after an FF it reads one more byte and an E1 there is
    // the APP1 marker (so in FF FF E1 the E1 is not seen, and an FF that is byte 512 is still
    // followed). Then the TIFF header position is 12 plus the bytes scanned. The segment must
    // hold "Exif" after its 2-byte length. Returns kNotJpeg (also when the file cannot be
    // opened), kNoExif (also when the file ends before the answer) or kExifFound.
    int LocateExif();

    // Reads the first code table file that can be read (see CodeTable for its format). False
    // when none could be read; the table is then empty.
    bool LoadCodeTable();

    // Reads the TIFF header ("II" Intel order, "MM" Motorola order, anything else leaves the
    // order as it was: Motorola after construction; the magic number is not checked) and the
    // entries of IFD0.
    void ReadMainDirectory();

    // Reads the entries of the EXIF sub-directory at the offset the EXIF pointer gave.
    void ReadExifDirectory();

    const std::string& imagePath() const { return m_imagePath; }
    // The result of the last opening of the image file.
    const Status& fileStatus() const { return m_fileStatus; }
    // The file offset of the TIFF header; every offset in the directories is relative to it.
    std::uint64_t tiffHeaderPosition() const { return m_tiffHeaderPosition; }
    bool littleEndian() const { return m_littleEndian; }
    std::uint32_t mainDirectoryOffset() const { return m_mainDirectoryOffset; }
    std::uint32_t exifDirectoryOffset() const { return m_state.exifDirectoryOffset; }
    std::uint32_t speedValue() const { return m_state.speedValue; }
    // True once the EXIF pointer tag 0x8769 was formatted (it must be in the code table).
    bool exifPointerSeen() const { return m_state.exifPointerSeen; }

    // The entries of IFD0 and of the EXIF sub-directory, in file order.
    const std::vector<ExifEntry>& mainEntries() const { return m_mainEntries; }
    const std::vector<ExifEntry>& exifEntries() const { return m_exifEntries; }

private:
    void readDirectoryAt(TiffCursor& file, std::uint32_t directoryOffset,
                         std::vector<ExifEntry>& entries);
    void ReadDirectory(std::uint32_t directoryOffset, std::uint16_t entryCount,
                       std::vector<ExifEntry>& entries, TiffCursor& file);

    std::vector<ExifEntry> m_mainEntries;
    std::vector<ExifEntry> m_exifEntries;
    std::uint64_t m_tiffHeaderPosition;
    CodeTable m_codeTable;
    std::vector<std::string> m_codeTablePaths;
    std::string m_imagePath;
    Status m_fileStatus = Status::success();
    bool m_littleEndian = false;
    std::uint32_t m_mainDirectoryOffset = 0;
    ExifFormatState m_state;
};

} // namespace vistrel
