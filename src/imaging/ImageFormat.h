// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

// The file formats the image library decodes and encodes.
enum class ImageFormat { Jpeg, Png, Gif };

} // namespace vistrel
