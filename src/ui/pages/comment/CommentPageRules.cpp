// SPDX-License-Identifier: MIT
#include "ui/pages/comment/CommentPageRules.h"

namespace vistrel::ui {
namespace {

constexpr std::int32_t kThumbnailPage = 1;
constexpr std::int32_t kMainPages = 2;
constexpr std::int32_t kBoth = 4;
constexpr std::uint16_t kExifItemBits = 0x0FFF;

} // namespace

std::int32_t commentPosFromBoxes(bool thumbnailPage, bool mainPages) {
    if (thumbnailPage && mainPages) {
        return kBoth;
    }
    if (thumbnailPage) {
        return kThumbnailPage;
    }
    return mainPages ? kMainPages : 0;
}

bool commentPosTicksThumbnailPage(std::int32_t commentPos) {
    return commentPos == kThumbnailPage || commentPos == kBoth;
}

bool commentPosTicksMainPages(std::int32_t commentPos) {
    return commentPos == kMainPages || commentPos == kBoth;
}

std::uint16_t exifInfoFromTicks(std::uint16_t exifInfo, std::uint16_t ticked) {
    return static_cast<std::uint16_t>((exifInfo & ~kExifItemBits) | (ticked & kExifItemBits));
}

} // namespace vistrel::ui
