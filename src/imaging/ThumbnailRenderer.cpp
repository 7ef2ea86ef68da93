// SPDX-License-Identifier: MIT
#include "imaging/ThumbnailRenderer.h"

#include "app/ColorText.h"
#include "app/Settings.h"
#include "catalogue/ImageKind.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageLibrary.h"
#include "imaging/SharpenPixels.h"

namespace vistrel {
namespace {

constexpr std::int32_t kPngType = 0;
constexpr std::int32_t kJpegType = 1;

std::optional<ImageFormat> formatOfName(const std::string& path) {
    const auto slash = path.rfind('/');
    switch (ClassifyImageName(slash == std::string::npos ? path : path.substr(slash + 1))) {
    case ImageKind::Jpeg:
        return ImageFormat::Jpeg;
    case ImageKind::Png:
        return ImageFormat::Png;
    case ImageKind::Gif:
        return ImageFormat::Gif;
    case ImageKind::None:
        break;
    }
    return std::nullopt;
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

ThumbnailOptions ThumbnailOptions::from(const Settings& settings) {
    const RgbColor background = parseColorText(settings.BGColor);
    ThumbnailOptions options;
    options.thumbType = settings.ThumbType;
    options.unsharp = settings.Unsharp != 0;
    options.legacy = settings.LegacyWindowsFamily == 1;
    options.background = {background.red, background.green, background.blue};
    return options;
}

bool renderThumbnail(Image& source, std::int32_t sourceWidth, std::int32_t sourceHeight,
                     ThumbnailSize size, const ThumbnailOptions& options, const std::string& path) {
    if (size.width <= 0 || size.height <= 0) {
        return false;
    }
    Surface surface(size.width, size.height, options.background);
    if (options.legacy) {
        ResizeImage(source, size.width, size.height);
    }
    StretchImageToDC(surface, 0, 0, size.width, size.height, source, 0, 0, sourceWidth,
                     sourceHeight);
    if (options.legacy) {
        CopyImageToDC(surface, 0, 0, size.width, size.height, source, 0, 0);
    }
    ImageHandle thumb = CaptureImage(surface, 0, 0, size.width, size.height);
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

bool produceThumbnailFile(const std::string& sourcePath, ThumbnailSize size,
                          const ThumbnailOptions& options, const std::string& thumbPath) {
    const auto format = formatOfName(sourcePath);
    if (!format) {
        return false;
    }
    auto decoded = decodeImageFile(sourcePath, *format);
    if (!decoded || !decoded->image) {
        return false;
    }
    return renderThumbnail(*decoded->image, decoded->header.width, decoded->header.height, size,
                           options, thumbPath);
}

} // namespace vistrel
