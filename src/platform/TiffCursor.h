// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vistrel {

class FileBytes;

// The one reader of file data: every byte the EXIF reader and the value formatter look at goes
// through a TiffCursor. A cursor covers a window of a file (all of it, or the bytes of one
// value) and reads inside that window only; every position and length is checked against
// what is left of the window by subtraction, so no offset or count taken from the file can
// overflow or reach outside it. A read that does not fit returns nullopt and leaves the
// position where it was.
//
// Multi-byte numbers are read in the byte order of the TIFF header: Get16 of two bytes b0 b1
// gives b0 + 256 * b1 in Intel order ("II") and 256 * b0 + b1 in Motorola order ("MM");
// Get32 likewise over four bytes.
class TiffCursor {
public:
    // The whole of bytes, in Motorola order until told otherwise. bytes must outlive the
    // cursor and every window made from it.
    explicit TiffCursor(FileBytes& bytes);

    void setLittleEndian(bool littleEndian) { m_littleEndian = littleEndian; }
    bool littleEndian() const { return m_littleEndian; }

    // The length of the window and the position in it, from its start.
    std::uint64_t size() const { return m_size; }
    std::uint64_t position() const { return m_position; }
    // True when at least count bytes follow the position.
    bool fits(std::uint64_t count) const { return count <= m_size - m_position; }

    // The count bytes at offset from this window's start, as a window of their own (same byte
    // order, position 0); nullopt when they do not lie inside this window.
    std::optional<TiffCursor> window(std::uint64_t offset, std::uint64_t count) const;

    // Moves to offset from the window's start; false (position unchanged) past its end.
    bool seek(std::uint64_t offset);
    // Moves count bytes on; false (position unchanged) when fewer are left.
    bool skip(std::uint64_t count);

    // Reads at the position and moves past what was read.
    std::optional<std::uint8_t> readByte();
    std::optional<std::uint16_t> read16();
    std::optional<std::uint32_t> read32();

    // Reads at offset from the window's start; the position does not move.
    std::optional<std::uint8_t> byteAt(std::uint64_t offset) const;
    std::optional<std::uint16_t> Get16(std::uint64_t offset) const;
    std::optional<std::uint32_t> Get32(std::uint64_t offset) const;
    // The count bytes at offset, as they are stored.
    std::optional<std::string> bytesAt(std::uint64_t offset, std::uint64_t count) const;

private:
    TiffCursor(FileBytes& bytes, std::uint64_t start, std::uint64_t size, bool littleEndian);
    std::optional<std::uint32_t> number(std::uint64_t offset, unsigned width) const;

    FileBytes* m_bytes;
    std::uint64_t m_start = 0;
    std::uint64_t m_size = 0;
    std::uint64_t m_position = 0;
    bool m_littleEndian = false;
};

} // namespace vistrel
