// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes through the JPEG, PNG and GIF decoders (full, header-only and scaled)
// and through the EXIF orientation reader.
#include <cstddef>
#include <cstdint>
#include <span>

#include "imaging/ExifOrientation.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageLibrary.h"

namespace {

constexpr int kScaledMinimum = 64;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vistrel;
    const std::span<const std::uint8_t> bytes(data, size);
    const int orientation = detail::readExifOrientation(bytes);
    if (orientation < 1 || orientation > 8) {
        __builtin_trap();
    }
    for (const ImageFormat format : {ImageFormat::Jpeg, ImageFormat::Png, ImageFormat::Gif}) {
        const auto header = decodeImageBytes(bytes, format, {true, 0, 0});
        const auto full = decodeImageBytes(bytes, format);
        // A full decode is a usable image of the size its header announced.
        if (full &&
            (CheckImage(full->image.get()) == 0 || full->image->width() != full->header.width ||
             full->image->height() != full->header.height ||
             (header && header->header != full->header))) {
            __builtin_trap();
        }
        const auto scaled =
            decodeImageBytes(bytes, format, {false, kScaledMinimum, kScaledMinimum});
        if (scaled && (CheckImage(scaled->image.get()) == 0 ||
                       scaled->image->width() > scaled->header.width ||
                       scaled->image->height() > scaled->header.height)) {
            __builtin_trap();
        }
    }
    return 0;
}
