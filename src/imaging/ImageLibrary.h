// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace vistrel {

// The version of the image library. Start-up refuses to run with 111 or less.
std::uint16_t GetLibraryVersion();

} // namespace vistrel
