// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "text/Encoding.h"

namespace vistrel::detail {

// Appends the CP932 form of utf8 to out, as utf8ToCp932(utf8, fallback) returns it. For
// writers that reuse one output buffer.
void appendCp932(std::string& out, std::string_view utf8, Unmappable fallback);

// Appends the CP932 form of utf8 to out, as utf8ToCp932(utf8) does. False (with some of the
// text possibly appended) when a character has no CP932 form.
bool appendCp932Exactly(std::string& out, std::string_view utf8);

} // namespace vistrel::detail
