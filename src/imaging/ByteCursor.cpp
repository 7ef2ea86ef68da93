// SPDX-License-Identifier: MIT
#include "imaging/ByteCursor.h"

namespace vistrel::detail {

bool ByteCursor::seek(std::uint64_t offset) {
    if (offset > m_bytes.size()) {
        return false;
    }
    m_position = static_cast<std::size_t>(offset);
    return true;
}

bool ByteCursor::skip(std::uint64_t count) {
    if (count > remaining()) {
        return false;
    }
    m_position += static_cast<std::size_t>(count);
    return true;
}

std::optional<std::uint8_t> ByteCursor::readU8() {
    const auto value = readUnsigned(1);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(*value);
}

std::optional<std::uint16_t> ByteCursor::readU16() {
    const auto value = readUnsigned(2);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*value);
}

std::optional<std::uint32_t> ByteCursor::readU32() {
    return readUnsigned(4);
}

std::optional<std::uint32_t> ByteCursor::readUnsigned(std::size_t size) {
    if (size > remaining()) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t index = m_bigEndian ? i : size - 1 - i;
        value = (value << 8) | m_bytes[m_position + index];
    }
    m_position += size;
    return value;
}

} // namespace vistrel::detail
