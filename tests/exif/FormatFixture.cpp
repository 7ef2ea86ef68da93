// SPDX-License-Identifier: MIT
#include "FormatFixture.h"

#include <array>

#include <gtest/gtest.h>

#include "exif/ExifEntry.h"
#include "platform/FileBytes.h"
#include "platform/TiffCursor.h"

namespace vistrel::test {
namespace {

constexpr std::array<std::uint16_t, 13> kUnitSizes = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
constexpr std::size_t kFieldSize = 4;

} // namespace

FormattedValue formatValue(ByteOrder order, std::uint16_t tag, std::uint16_t type,
                           std::uint32_t count, std::string bytes, ExifFormatState state) {
    if (bytes.size() < kFieldSize) {
        bytes.resize(kFieldSize, '\0');
    }
    FileBytes file(bytes);
    TiffCursor data(file);
    data.setLittleEndian(order == ByteOrder::Intel);
    ExifEntry entry;
    entry.tag = tag;
    entry.type = type;
    entry.unitSize = type < kUnitSizes.size() ? kUnitSizes[type] : 0;
    entry.count = count;
    FormattedValue result;
    result.state = state;
    result.text = FormatValue(tag, entry, data, result.state);
    return result;
}

std::string formatText(std::uint16_t tag, std::uint16_t type, std::uint32_t count,
                       std::string bytes) {
    return formatValue(ByteOrder::Motorola, tag, type, count, std::move(bytes)).text;
}

} // namespace vistrel::test
