// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vistrel {

// The system's own text for an errno value ("No space left on device"). Safe on any thread.
std::string errorText(int error);

} // namespace vistrel
