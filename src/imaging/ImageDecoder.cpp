// SPDX-License-Identifier: MIT
#include "imaging/ImageDecoder.h"

#include <new>

#include "imaging/codec/ByteSource.h"
#include "imaging/codec/GifReader.h"
#include "imaging/codec/JpegReader.h"
#include "imaging/codec/PngReader.h"

namespace vistrel {
namespace {

std::optional<DecodedImage> decode(detail::ByteSource& source, ImageFormat format,
                                   const DecodeRequest& request) {
    try {
        switch (format) {
        case ImageFormat::Jpeg:
            return detail::readJpeg(source, request);
        case ImageFormat::Png:
            return detail::readPng(source, request);
        case ImageFormat::Gif:
            return detail::readGif(source, request);
        }
    } catch (const std::bad_alloc&) {
    }
    return std::nullopt;
}

} // namespace

std::optional<DecodedImage> decodeImageFile(const std::string& path, ImageFormat format,
                                            const DecodeRequest& request) {
    try {
        auto source = detail::ByteSource::openRegularFile(path);
        if (!source) {
            return std::nullopt;
        }
        return decode(*source, format, request);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::optional<DecodedImage> decodeImageBytes(std::span<const std::uint8_t> bytes,
                                             ImageFormat format, const DecodeRequest& request) {
    detail::ByteSource source(bytes);
    return decode(source, format, request);
}

} // namespace vistrel
