// SPDX-License-Identifier: MIT
#include "platform/WorkNames.h"

namespace vistrel {
namespace {

// The part of a work name before its random tail.
std::string_view fixedPart(std::string_view pattern) {
    return pattern.substr(0, pattern.find('X'));
}

} // namespace

bool isWorkName(std::string_view name) {
    for (const std::string_view start :
         {fixedPart(kPageWorkName), fixedPart(kCopyWorkFolder), fixedPart(kThumbnailWorkFolder)}) {
        if (name.size() > start.size() && name.substr(0, start.size()) == start) {
            return true;
        }
    }
    return false;
}

} // namespace vistrel
