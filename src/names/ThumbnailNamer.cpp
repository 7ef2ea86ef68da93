// SPDX-License-Identifier: MIT
#include "names/ThumbnailNamer.h"

#include "text/AsciiCase.h"

namespace vistrel {
namespace {

constexpr std::int32_t kPngThumbnail = 0;
constexpr std::int32_t kJpegThumbnail = 2;
constexpr std::int32_t kGifThumbnail = 4;
constexpr std::string_view kPngExtension = ".png";
constexpr std::string_view kJpegExtension = ".jpg";
constexpr std::string_view kGifExtension = ".gif";
constexpr std::int32_t kImageCaseUpper = 0;

std::string_view extensionOf(std::int32_t kind) {
    switch (kind) {
    case kPngThumbnail:
        return kPngExtension;
    case kJpegThumbnail:
        return kJpegExtension;
    case kGifThumbnail:
        return kGifExtension;
    default:
        return {};
    }
}

} // namespace

ThumbnailNamer::ThumbnailNamer(std::string folder, std::int32_t imageCase,
                               std::unordered_set<std::string> mainImageNames)
    : m_folder(std::move(folder)), m_imageCase(imageCase),
      m_mainImageNames(std::move(mainImageNames)) {}

ThumbnailName ThumbnailNamer::MakeThumbnailName(std::int32_t i, const std::string& fileName,
                                                std::int32_t kind, std::string_view suffix) {
    const bool upper = m_imageCase == kImageCaseUpper;
    const std::string extension =
        upper ? toAsciiUpper(extensionOf(kind)) : toAsciiLower(extensionOf(kind));
    const std::string caseSuffix = upper ? toAsciiUpper(suffix) : toAsciiLower(suffix);

    const std::size_t dot = fileName.rfind('.');
    const std::string stem = dot == std::string::npos ? std::string() : fileName.substr(0, dot);
    std::string key = dot == std::string::npos ? std::string() : fileName.substr(0, dot + 1);

    // Two sources that differ only after their last dot (photo.jpg, photo.png) would otherwise
    // write the same thumbnail; the entry's own index keeps them apart.
    const bool seen = !m_keys.insert(std::move(key)).second;
    // A thumbnail under a main image's name would replace that image's copy.
    const bool taken = seen || m_mainImageNames.contains(stem + caseSuffix + extension);
    ThumbnailName name;
    name.fileName = stem + (taken ? std::to_string(i) : std::string()) + caseSuffix + extension;
    name.path = m_folder + name.fileName;
    return name;
}

} // namespace vistrel
