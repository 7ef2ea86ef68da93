// SPDX-License-Identifier: MIT
#include "platform/TiffCursor.h"

#include "platform/FileBytes.h"

namespace vistrel {

TiffCursor::TiffCursor(FileBytes& bytes) : TiffCursor(bytes, 0, bytes.size(), false) {}

TiffCursor::TiffCursor(FileBytes& bytes, std::uint64_t start, std::uint64_t size, bool littleEndian)
    : m_bytes(&bytes), m_start(start), m_size(size), m_littleEndian(littleEndian) {}

std::optional<TiffCursor> TiffCursor::window(std::uint64_t offset, std::uint64_t count) const {
    if (offset > m_size || count > m_size - offset) {
        return std::nullopt;
    }
    return TiffCursor(*m_bytes, m_start + offset, count, m_littleEndian);
}

bool TiffCursor::seek(std::uint64_t offset) {
    if (offset > m_size) {
        return false;
    }
    m_position = offset;
    return true;
}

bool TiffCursor::skip(std::uint64_t count) {
    if (!fits(count)) {
        return false;
    }
    m_position += count;
    return true;
}

std::optional<std::uint8_t> TiffCursor::readByte() {
    const auto value = byteAt(m_position);
    if (value) {
        ++m_position;
    }
    return value;
}

std::optional<std::uint16_t> TiffCursor::read16() {
    const auto value = Get16(m_position);
    if (value) {
        m_position += 2;
    }
    return value;
}

std::optional<std::uint32_t> TiffCursor::read32() {
    const auto value = Get32(m_position);
    if (value) {
        m_position += 4;
    }
    return value;
}

std::optional<std::uint8_t> TiffCursor::byteAt(std::uint64_t offset) const {
    const auto value = number(offset, 1);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(*value);
}

std::optional<std::uint16_t> TiffCursor::Get16(std::uint64_t offset) const {
    const auto value = number(offset, 2);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*value);
}

std::optional<std::uint32_t> TiffCursor::Get32(std::uint64_t offset) const {
    return number(offset, 4);
}

std::optional<std::string> TiffCursor::bytesAt(std::uint64_t offset, std::uint64_t count) const {
    if (offset > m_size || count > m_size - offset) {
        return std::nullopt;
    }
    const auto bytes = m_bytes->view(m_start + offset, count);
    if (!bytes) {
        return std::nullopt;
    }
    return std::string(bytes->begin(), bytes->end());
}

std::optional<std::uint32_t> TiffCursor::number(std::uint64_t offset, unsigned width) const {
    if (offset > m_size || width > m_size - offset) {
        return std::nullopt;
    }
    const auto bytes = m_bytes->view(m_start + offset, width);
    if (!bytes) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (unsigned i = 0; i < width; ++i) {
        const unsigned index = m_littleEndian ? width - 1 - i : i;
        value = (value << 8) | (*bytes)[index];
    }
    return value;
}

} // namespace vistrel
