// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace vistrel::ui {

// The labels of the EXIF list, row i for bit i of ExifInfo (the tags those bits select are
// kExifItemTags).
inline constexpr std::array<const char*, 12> kExifItemLabels = {
    "レンズＦ値",
    "露光制御モード",
    "ISO 感度",
    "撮影年月日",
    "シャッター速度（又は露光時間）",
    "レンズ絞り値",
    "測光モード",
    "フラッシュ発光",
    "焦点距離",
    "露光補正値",
    "メーカー",
    "機種名",
};

// Where comments go, from the two placement boxes: the thumbnail page alone 1, the main image
// pages alone 2, both 4 (the page writers know no 3), neither 0.
std::int32_t commentPosFromBoxes(bool thumbnailPage, bool mainPages);

// Whether a stored CommentPos ticks the thumbnail-page box (1 or 4) and the main-pages box
// (2 or 4). Any other value, 3 included, ticks neither.
bool commentPosTicksThumbnailPage(std::int32_t commentPos);
bool commentPosTicksMainPages(std::int32_t commentPos);

// ExifInfo once the EXIF list shows ticked (bit i for row i): its twelve item bits are the
// ticks, bits 12 to 15 stay as they were.
std::uint16_t exifInfoFromTicks(std::uint16_t exifInfo, std::uint16_t ticked);

} // namespace vistrel::ui
