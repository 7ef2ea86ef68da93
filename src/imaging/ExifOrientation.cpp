// SPDX-License-Identifier: MIT
#include "imaging/ExifOrientation.h"

#include <algorithm>
#include <array>

#include "platform/FileBytes.h"
#include "platform/TiffCursor.h"

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
    const auto tiffBytes = payload.subspan(kExifSignature.size());
    FileBytes bytes(
        std::string_view(reinterpret_cast<const char*>(tiffBytes.data()), tiffBytes.size()));
    TiffCursor tiff(bytes);
    const auto byteOrder = tiff.read16();
    if (byteOrder != kBigEndianMark && byteOrder != kLittleEndianMark) {
        return kUpright;
    }
    tiff.setLittleEndian(byteOrder == kLittleEndianMark);
    const auto magic = tiff.read16();
    const auto directoryOffset = tiff.read32();
    if (magic != kTiffMagic || !directoryOffset || !tiff.seek(*directoryOffset)) {
        return kUpright;
    }
    const auto entryCount = tiff.read16();
    if (!entryCount) {
        return kUpright;
    }
    // A count larger than the bytes can hold is cut to what is there rather than trusted.
    const std::uint64_t entries =
        std::min<std::uint64_t>(*entryCount, (tiff.size() - tiff.position()) / kEntrySize);
    for (std::uint64_t i = 0; i < entries; ++i) {
        const auto tag = tiff.read16();
        const auto type = tiff.read16();
        const auto count = tiff.read32();
        const auto value = tiff.read16();
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
