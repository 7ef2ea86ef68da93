// SPDX-License-Identifier: MIT
#include "imaging/ImageLibrary.h"

namespace vistrel {
namespace {

constexpr std::uint16_t kLibraryVersion = 200;

} // namespace

std::uint16_t GetLibraryVersion() { return kLibraryVersion; }

} // namespace vistrel
