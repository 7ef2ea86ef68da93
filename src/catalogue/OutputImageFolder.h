// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "app/Settings.h"

namespace vistrel {

// The folder that receives the main images and thumbnails of a run: HTMLPath + SubFolder + "/"
// when SubFolder is not empty, otherwise HTMLPath itself. The texts are joined as they are;
// a run makes sure HTMLPath ends in "/" before it gets here.
std::string outputImageFolder(const Settings& settings);

} // namespace vistrel
