// SPDX-License-Identifier: MIT
#include "catalogue/OutputImageFolder.h"

namespace vistrel {

std::string outputImageFolder(const Settings& settings) {
    if (settings.SubFolder.empty()) {
        return settings.HTMLPath;
    }
    return settings.HTMLPath + settings.SubFolder + "/";
}

} // namespace vistrel
