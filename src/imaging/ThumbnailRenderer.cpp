// SPDX-License-Identifier: MIT
#include "imaging/ThumbnailRenderer.h"

#include <algorithm>
#include <limits>

#include "imaging/Image.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageFormat.h"
#include "imaging/ImageLibrary.h"
#include "imaging/SharpenPixels.h"

namespace vistrel {
namespace {

constexpr std::int32_t kPngType = 0;
constexpr std::int32_t kJpegType = 1;

// Area averaging over a source at least twice the target's size gives the same picture as
// averaging the full image within a level or so, while the JPEG decoder's DCT scaling skips
// most of the work (and memory) of a full-size decode.
constexpr std::int32_t kPreShrinkMargin = 2;

// Twice a side as the smallest side a decode may shrink to. A thumbnail too large to draw asks
// for the full size, which is the most any decode gives.
int preShrinkSide(std::int64_t side) {
    return static_cast<int>(
        std::clamp<std::int64_t>(kPreShrinkMargin * side, 0, std::numeric_limits<int>::max()));
}

bool saveThumbnail(const std::string& path, const Image& thumb, std::int32_t thumbType) {
    if (thumbType == kPngType) {
        return SavePngImage(path, thumb);
    }
    if (thumbType == kJpegType) {
        return SaveJpegImage(path, thumb, kThumbnailJpegQuality);
    }
    return SaveGifImage(path, thumb);
}

} // namespace

// The sides are checked alone first so that their product cannot overflow.
bool thumbnailDrawable(ThumbnailSize size) {
    return size.width > 0 && size.height > 0 && size.width <= kMaxImagePixels &&
           size.height <= kMaxImagePixels && size.width * size.height <= kMaxImagePixels;
}

bool renderThumbnail(Image& source, std::int32_t sourceWidth, std::int32_t sourceHeight,
                     ThumbnailSize size, const ThumbnailOptions& options, const std::string& path) {
    if (!thumbnailDrawable(size)) {
        return false;
    }
    const auto width = static_cast<int>(size.width);
    const auto height = static_cast<int>(size.height);
    Surface surface(width, height, options.background);
    if (options.legacy) {
        ResizeImage(source, width, height);
    }
    // A pre-shrunk decode is smaller than its header, so the modern path draws the image's own
    // rectangle, which is the whole picture. The legacy library drew the header's rectangle of
    // the image it had just resized, and that path keeps doing so.
    const int drawnWidth = options.legacy ? sourceWidth : source.width();
    const int drawnHeight = options.legacy ? sourceHeight : source.height();
    StretchImageToDC(surface, 0, 0, width, height, source, 0, 0, drawnWidth, drawnHeight);
    if (options.legacy) {
        CopyImageToDC(surface, 0, 0, width, height, source, 0, 0);
    }
    ImageHandle thumb = CaptureImage(surface, 0, 0, width, height);
    if (!thumb) {
        return false;
    }
    if (options.unsharp) {
        SharpenPixels(GetImageBits(*thumb));
    }
    const bool saved = saveThumbnail(path, *thumb, options.thumbType);
    FreeImage(thumb);
    return saved;
}

std::optional<DecodedImage> decodeForThumbnail(const std::string& sourcePath, ThumbnailSize size) {
    const auto format = imageFormatOfPath(sourcePath);
    if (!format) {
        return std::nullopt;
    }
    const DecodeRequest request{false, preShrinkSide(size.width), preShrinkSide(size.height)};
    auto decoded = decodeImageFile(sourcePath, *format, request);
    if (!decoded || !decoded->image) {
        return std::nullopt;
    }
    return decoded;
}

} // namespace vistrel
