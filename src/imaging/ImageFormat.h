// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace vistrel {

// The file formats the image library decodes and encodes.
enum class ImageFormat { Jpeg, Png, Gif };

// The format a decoder reads path as: the kind of its file name (the part after the last "/"),
// so that a folder called "trip.png" does not send the JPEG files inside it to the PNG decoder.
// nullopt for a name of kind None.
std::optional<ImageFormat> imageFormatOfPath(std::string_view path);

} // namespace vistrel
