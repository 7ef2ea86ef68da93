// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileDescriptor.h"
#include "platform/Status.h"

namespace vistrel {

// The bytes of one file, read from its start only as far as somebody asks for them: the EXIF
// data of a photograph sits in its first few kilobytes, while the file can hold many megabytes
// of image data after it. Also made from bytes in memory, for tests and fuzzing.
// Only TiffCursor reads through it; it does the bounds checks.
class FileBytes {
public:
    // Opens a regular file (never a FIFO or a device, so it cannot block). On failure status()
    // says why and the size is 0.
    static FileBytes open(const std::string& path);

    // All of bytes, already in memory.
    explicit FileBytes(std::string_view bytes);

    FileBytes(FileBytes&& other) noexcept = default;
    FileBytes& operator=(FileBytes&&) = delete;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    const Status& status() const { return m_status; }

    // The length of the file as it was when opened.
    std::uint64_t size() const { return m_size; }

    // The count bytes at offset, reading the file up to their end when they are not loaded
    // yet. nullopt when they do not lie inside the file, or when the file now ends earlier
    // than it did (it was cut while we read it). The span is valid until the next call.
    std::optional<std::span<const std::uint8_t>> view(std::uint64_t offset, std::uint64_t count);

private:
    FileBytes(FileDescriptor file, std::uint64_t size, Status status);
    bool loadUpTo(std::uint64_t end);

    FileDescriptor m_file;
    std::uint64_t m_size = 0;
    std::vector<std::uint8_t> m_loaded;
    Status m_status = Status::success();
};

} // namespace vistrel
