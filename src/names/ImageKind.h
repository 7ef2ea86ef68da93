// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace vistrel {

// The kind of a file by its name. The values are the bits of the type mask (ImageMode).
enum class ImageKind : std::int32_t { None = 0, Jpeg = 1, Png = 2, Gif = 4 };

// The type mask value that lists every file, images or not. Any other mask is a sum of
// ImageKind bits.
inline constexpr std::int32_t kAllFilesMask = 8;

// The bit of the type mask that kind stands for (0 for ImageKind::None).
constexpr std::int32_t kindBit(ImageKind kind) {
    return static_cast<std::int32_t>(kind);
}

// The kind of a file name, by substring tests on its ASCII-lower-cased copy, later tests
// winning: ".jpg" or ".jpeg" anywhere gives Jpeg, ".png" after position 0 gives Png, ".gif"
// after position 0 gives Gif. So "a.png.jpg" is Png, "b.jpg.gif" Gif, "c.jpg.txt" Jpeg, and
// ".png" alone is None while ".jpg" alone is Jpeg. Never touches the file system.
ImageKind ClassifyImageName(std::string_view name);

} // namespace vistrel
