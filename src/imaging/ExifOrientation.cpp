// SPDX-License-Identifier: MIT
#include "imaging/ExifOrientation.h"

#include <algorithm>
#include <array>

#include "imaging/ByteCursor.h"

namespace vistrel::detail {
namespace {

constexpr std::array<std::uint8_t, 6> kExifSignature = {'E', 'x', 'i', 'f', 0, 0};
constexpr std::uint16_t kLittleEndianMark = 0x4949; // "II"
constexpr std::uint16_t kBigEndianMark = 0x4D4D;    // "MM"
constexpr std::uint16_t kTiffMagic = 42;
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;
constexpr std::uint64_t kEntrySize = 12;

} // namespace

int readExifOrientation(std::span<const std::uint8_t> payload) {
    if (payload.size() < kExifSignature.size() ||
        !std::equal(kExifSignature.begin(), kExifSignature.end(), payload.begin())) {
        return kUpright;
    }
    // Offsets inside EXIF count from the TIFF header that follows the signature.
    ByteCursor tiff(payload.subspan(kExifSignature.size()));
    const auto byteOrder = tiff.readU16();
    if (byteOrder == kBigEndianMark) {
        tiff.setBigEndian(true);
    } else if (byteOrder != kLittleEndianMark) {
        return kUpright;
    }
    const auto magic = tiff.readU16();
    const auto directoryOffset = tiff.readU32();
    if (magic != kTiffMagic || !directoryOffset || !tiff.seek(*directoryOffset)) {
        return kUpright;
    }
    const auto entryCount = tiff.readU16();
    if (!entryCount) {
        return kUpright;
    }
    // A count larger than the bytes can hold is cut to what is there rather than trusted.
    const std::uint64_t entries =
        std::min<std::uint64_t>(*entryCount, tiff.remaining() / kEntrySize);
    for (std::uint64_t i = 0; i < entries; ++i) {
        const auto tag = tiff.readU16();
        const auto type = tiff.readU16();
        const auto count = tiff.readU32();
        const auto value = tiff.readU16();
        if (!tag || !type || !count || !value || !tiff.skip(2)) {
            return kUpright;
        }
        if (*tag != kOrientationTag) {
            continue;
        }
        if (*type != kShortType || *count < 1 || *value < kUpright || *value > kLastOrientation) {
            return kUpright;
        }
        return *value;
    }
    return kUpright;
}

} // namespace vistrel::detail
