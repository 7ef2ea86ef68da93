// SPDX-License-Identifier: MIT
#include "names/ImageKind.h"

#include <string>

#include "text/AsciiCase.h"

namespace vistrel {
namespace {

constexpr std::string_view kJpgPattern = ".jpg";
constexpr std::string_view kJpegPattern = ".jpeg";
constexpr std::string_view kPngPattern = ".png";
constexpr std::string_view kGifPattern = ".gif";

// A hidden file named ".png" has no name before its extension, so it does not count as PNG
// (nor GIF); the JPEG tests have no such exception.
bool occursAfterStart(const std::string& text, std::string_view pattern) {
    const std::size_t at = text.find(pattern);
    return at != std::string::npos && at > 0;
}

} // namespace

ImageKind ClassifyImageName(std::string_view name) {
    const std::string lower = toAsciiLower(name);
    ImageKind kind = ImageKind::None;
    if (lower.find(kJpgPattern) != std::string::npos ||
        lower.find(kJpegPattern) != std::string::npos) {
        kind = ImageKind::Jpeg;
    }
    if (occursAfterStart(lower, kPngPattern)) {
        kind = ImageKind::Png;
    }
    if (occursAfterStart(lower, kGifPattern)) {
        kind = ImageKind::Gif;
    }
    return kind;
}

} // namespace vistrel
