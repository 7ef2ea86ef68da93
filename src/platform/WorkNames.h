// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vistrel {

// The hidden names under which a create run keeps its unfinished work inside the output
// folders: a page or a copy before it is complete, thumbnails before they are placed. They are
// distinct enough that a later run can recognise and remove what an interrupted run left
// behind, and nothing else.
inline constexpr std::string_view kPageWorkName = ".vistrel-page-";
inline constexpr std::string_view kCopyWorkFolder = ".vistrel-copy-XXXXXX";
inline constexpr std::string_view kThumbnailWorkFolder = ".vistrel-thumbs-XXXXXX";

// Whether name (without folder) is one of the work names above.
bool isWorkName(std::string_view name);

} // namespace vistrel
