// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vistrel::detail {

// The input of a decoder: bytes in memory, or a regular file read piece by piece so that a
// header-only decode reads no more of a large file than it needs. Reads never throw, which
// lets the codec libraries call them from their C callbacks.
class ByteSource {
public:
    // Reads the bytes, which must outlive the source.
    explicit ByteSource(std::span<const std::uint8_t> bytes) : m_memory(bytes) {}

    // Opens path (UTF-8, used as is) for reading; nullopt when it is missing, unreadable or
    // not a regular file. A FIFO or device never blocks the open and is refused.
    static std::optional<ByteSource> openRegularFile(const std::string& path);

    ByteSource(ByteSource&& other) noexcept;
    ByteSource& operator=(ByteSource&&) = delete;
    ByteSource(const ByteSource&) = delete;
    ByteSource& operator=(const ByteSource&) = delete;
    ~ByteSource();

    // The next at most maxSize bytes, valid until the next call; empty at the end of the input
    // or after a read error.
    std::span<const std::uint8_t> next(std::size_t maxSize) noexcept;

    // Copies up to size bytes into buffer and returns how many; fewer only at the end of the
    // input or after a read error.
    std::size_t read(std::uint8_t* buffer, std::size_t size) noexcept;

private:
    explicit ByteSource(int fd);

    int m_fd = -1;
    std::span<const std::uint8_t> m_memory;
    std::vector<std::uint8_t> m_buffer;
};

} // namespace vistrel::detail
