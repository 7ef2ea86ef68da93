// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace vistrel::detail {

// Reads integers from untrusted bytes. Every read checks what is left first, so no offset or
// count taken from the data can make it read outside the bytes; a read that does not fit
// returns nullopt and leaves the position where it was.
class ByteCursor {
public:
    explicit ByteCursor(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    // Multi-byte integers are read big-endian when set, little-endian otherwise (the default).
    void setBigEndian(bool bigEndian) { m_bigEndian = bigEndian; }

    std::size_t position() const { return m_position; }
    std::size_t remaining() const { return m_bytes.size() - m_position; }

    // Moves to offset from the start; false (position unchanged) when it lies past the end.
    bool seek(std::uint64_t offset);
    // Moves count bytes on; false (position unchanged) when fewer remain.
    bool skip(std::uint64_t count);

    std::optional<std::uint8_t> readU8();
    std::optional<std::uint16_t> readU16();
    std::optional<std::uint32_t> readU32();

private:
    std::optional<std::uint32_t> readUnsigned(std::size_t size);

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_position = 0;
    bool m_bigEndian = false;
};

} // namespace vistrel::detail
