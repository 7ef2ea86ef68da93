// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vistrel {

class Prompter;

// Why a source image did not load, each with its own message.
enum class LoadFailure {
    NoImageHandle, // not an image by its name, missing, damaged or too large: nothing decoded
    NoImageData,   // decoded, but no header came with it
    NoImageHeader, // decoded, but the image failed the library's check
};

// Shows the message of failure ("エラー", stop icon) about the file fileName (no folder).
void showLoadFailure(LoadFailure failure, std::string_view fileName, Prompter& prompter);

} // namespace vistrel
