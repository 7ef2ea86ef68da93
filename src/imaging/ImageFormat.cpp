// SPDX-License-Identifier: MIT
#include "imaging/ImageFormat.h"

#include "names/ImageKind.h"

namespace vistrel {

std::optional<ImageFormat> imageFormatOfPath(std::string_view path) {
    const auto slash = path.rfind('/');
    switch (ClassifyImageName(slash == std::string_view::npos ? path : path.substr(slash + 1))) {
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

} // namespace vistrel
